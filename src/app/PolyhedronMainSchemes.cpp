// SPDX-License-Identifier: GPL-3.0-or-later
// Colour schemes: named palettes of 30 colours kept in the settings file, chosen, edited,
// saved and deleted per colour group.

#include "app/PolyhedronMain.h"

#include "app/Captions.h"

#include "app/ChangeColors.h"
#include "app/ComfirmForm.h"
#include "app/InputColorsSetName.h"
#include "app/SettingsText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

const char* const Color = "Color";

std::string SchemeSection(int k)
{
    return "PolygonColor" + std::to_string(k);
}

std::string ColourKey(int n)
{
    return std::to_string(n) + "CorneredShapeColor";
}

// The keys of scheme k: its name and its thirty colours.
void AddScheme(std::vector<TIniValue>& values, int k, const std::string& name, const TPalette& palette)
{
    values.push_back({SchemeSection(k), "ColorsSetName", name});
    for (int n = 3; n <= 32; ++n)
        values.push_back({SchemeSection(k), ColourKey(n), ColourIniText(palette[n - 3])});
}

}  // namespace

void TFrmPolyhedron::LoadSchemeNames()
{
    TIniFile ini = SettingsFile();
    SchemeNames.clear();
    for (int k = 1;; ++k) {
        const std::string name = ini.ReadString(SchemeSection(k), "ColorsSetName", "");
        if (name.empty())
            break;
        SchemeNames.push_back(name);
    }
    if (!SchemeNames.empty())
        return;
    // A first start, or every scheme deleted: the four built-in schemes come back.
    std::vector<TIniValue> values;
    for (int s = 0; s < BuiltInSchemeCount; ++s) {
        const auto scheme = static_cast<TBuiltInScheme>(s);
        AddScheme(values, s + 1, BuiltInSchemeName(scheme), BuiltInPalette(scheme));
        SchemeNames.push_back(BuiltInSchemeName(scheme));
    }
    values.push_back({Color, "ComboSelected1", "0"});
    values.push_back({Color, "ComboSelected2", "1"});
    values.push_back({Color, "ComboSelected3", "3"});
    WarnIfUnwritable(ini.WriteValues(values));
}

std::string TFrmPolyhedron::SchemeNameAt(int index) const
{
    // The name as the file's bytes: a name that is not UTF-8 would not survive the round
    // trip through the selector's text (it shows replacement characters there).
    return index >= 0 && index < static_cast<int>(SchemeNames.size()) ? SchemeNames[index] : std::string();
}

void TFrmPolyhedron::ApplyScheme(int index, const std::string& expectedName, int g)
{
    TIniFile ini = SettingsFile();
    const std::string section = SchemeSection(index + 1);
    if (index < 0 || ini.ReadString(section, "ColorsSetName", "") != expectedName)
        return;
    for (int n = 3; n <= 32; ++n) {
        if (const std::optional<TColour> colour = ParseIniColour(ini.ReadString(section, ColourKey(n), "")))
            ColourGroups[g].Palette[n - 3]->SetColour(*colour);
    }
}

void TFrmPolyhedron::FillSchemeSelectors()
{
    for (TColourGroupControls& group : ColourGroups) {
        const int selected = group.SchemeSelector->currentIndex();
        group.SchemeSelector->clear();
        for (const std::string& name : SchemeNames)
            group.SchemeSelector->addItem(QString::fromStdString(name));
        group.SchemeSelector->setCurrentIndex(std::min(selected, group.SchemeSelector->count() - 1));
    }
}

void TFrmPolyhedron::RestoreSchemeChoices()
{
    TIniFile ini = SettingsFile();
    FillSchemeSelectors();
    for (int g = 0; g < 3; ++g) {
        TColourGroupControls& group = ColourGroups[g];
        const int chosen = ini.ReadInteger(Color, "ComboSelected" + std::to_string(g + 1), 0);
        group.SchemeSelector->setCurrentIndex(chosen >= 0 && chosen < group.SchemeSelector->count() ? chosen : -1);
        group.MonoCheck->setChecked(ini.ReadString(Color, "MonoChecked" + std::to_string(g + 1), "") == "-1");
        connect(group.MonoCheck, &QCheckBox::toggled, this, [this, g] { MonoCheckClick(g); });
        ApplyScheme(group.SchemeSelector->currentIndex(), SchemeNameAt(group.SchemeSelector->currentIndex()), g);
    }
}

void TFrmPolyhedron::SchemeSelectorChange(int g)
{
    QComboBox* selector = ColourGroups[g].SchemeSelector;
    const int i = selector->currentIndex();
    if (i < 0)
        return;
    ApplyScheme(i, SchemeNameAt(i), g);
    TIniFile ini = SettingsFile();
    WarnIfUnwritable(ini.WriteInteger(Color, "ComboSelected" + std::to_string(g + 1), i));
    GraphmodeChange();
}

void TFrmPolyhedron::MonoCheckClick(int g)
{
    TIniFile ini = SettingsFile();
    WarnIfUnwritable(ini.WriteInteger(Color, "MonoChecked" + std::to_string(g + 1),
                                      ColourGroups[g].MonoCheck->isChecked() ? -1 : 0));
    GraphmodeChange();
}

void TFrmPolyhedron::EditGroupColors(int g)
{
    for (int i = 0; i < PaletteSize; ++i)
        FrmChColors->Swatches[i]->SetColour(ColourGroups[g].Palette[i]->Colour());
    if (FrmChColors->exec() != QDialog::Accepted)
        return;
    for (int i = 0; i < PaletteSize; ++i)
        ColourGroups[g].Palette[i]->SetColour(FrmChColors->Swatches[i]->Colour());
    GraphmodeChange();
}

void TFrmPolyhedron::SaveScheme(int g)
{
    if (FrmInputColorsSetName->exec() != QDialog::Accepted)
        return;
    TIniFile ini = SettingsFile();
    int k = 1;
    while (!ini.ReadString(SchemeSection(k), "ColorsSetName", "").empty())
        ++k;
    const auto taken = [&](const std::string& name) {
        for (int j = 1; j < k; ++j)
            if (ini.ReadString(SchemeSection(j), "ColorsSetName", "") == name)
                return true;
        return false;
    };
    const std::string entered = FrmInputColorsSetName->edtColorsSetName->text().toStdString();
    std::string name = entered;
    for (int m = 2; taken(name); ++m)
        name = entered + "[" + std::to_string(m) + "]";
    TPalette palette{};
    for (int i = 0; i < PaletteSize; ++i)
        palette[i] = ColourGroups[g].Palette[i]->Colour();
    std::vector<TIniValue> values;
    AddScheme(values, k, name, palette);
    values.push_back({Color, "ComboSelected" + std::to_string(g + 1), std::to_string(k - 1)});
    WarnIfUnwritable(ini.WriteValues(values));
    SchemeNames.push_back(name);
    FillSchemeSelectors();
    ColourGroups[g].SchemeSelector->setCurrentIndex(k - 1);
}

void TFrmPolyhedron::DeleteScheme(int g)
{
    QComboBox* selector = ColourGroups[g].SchemeSelector;
    const int a = selector->currentIndex();
    if (a < 0)
        return;
    // Set at each question, in the language in use.
    FrmComfirm->setWindowTitle(Tr(QT_TRANSLATE_NOOP("Zenkari", "削除の確認")));
    FrmComfirm->btnOK->setToolTip(Tr(QT_TRANSLATE_NOOP("Zenkari", "削除してもよいなら押してください")));
    FrmComfirm->btnCancel->setToolTip(Tr(QT_TRANSLATE_NOOP("Zenkari", "削除を中止します")));
    FrmComfirm->lblMess->setText(Tr(QT_TRANSLATE_NOOP("Zenkari", "配色「%1」を削除してもいいですか？"))
                                     .arg(QString::fromStdString(SchemeShortName(SchemeNameAt(a)))));
    if (FrmComfirm->exec() != QDialog::Accepted)
        return;
    TIniFile ini = SettingsFile();
    const int count = static_cast<int>(SchemeNames.size());
    // Later schemes move down one place; the last section goes; the choices follow.
    std::vector<TIniValue> values;
    for (int k = a + 1; k <= count - 1; ++k) {
        const std::string from = SchemeSection(k + 1);
        values.push_back({SchemeSection(k), "ColorsSetName", ini.ReadString(from, "ColorsSetName", "")});
        for (int n = 3; n <= 32; ++n)
            values.push_back({SchemeSection(k), ColourKey(n), ini.ReadString(from, ColourKey(n), "")});
    }
    for (int other = 1; other <= 3; ++other) {
        const std::string key = "ComboSelected" + std::to_string(other);
        int b = ini.ReadInteger(Color, key, 0);
        if (b == a)
            b = 0;
        else if (b > a)
            b = b - 1;
        values.push_back({Color, key, std::to_string(b)});
    }
    const TResult written = ini.WriteValues(values);
    const TResult erased = ini.EraseSection(SchemeSection(count));
    WarnIfUnwritable(written.Failed() ? written : erased);
    LoadSchemeNames();
    for (TColourGroupControls& group : ColourGroups)
        group.SchemeSelector->clear();
    FillSchemeSelectors();
    for (int other = 0; other < 3; ++other) {
        QComboBox* list = ColourGroups[other].SchemeSelector;
        const int chosen = ini.ReadInteger(Color, "ComboSelected" + std::to_string(other + 1), 0);
        list->setCurrentIndex(chosen >= 0 && chosen < list->count() ? chosen : -1);
        ApplyScheme(list->currentIndex(), SchemeNameAt(list->currentIndex()), other);
    }
    GraphmodeChange();
}
