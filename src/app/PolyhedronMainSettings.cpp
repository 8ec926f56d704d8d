// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: display settings, colours and the colour dialog's custom colours,
// written key by key at every change.

#include "app/PolyhedronMain.h"

#include "app/Captions.h"

#include "app/SettingsText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QMessageBox>

namespace {

const char* const Setting = "Setting";
const char* const Color = "Color";
const char* const ColorDialog = "ColorDialog";
const char* const PrintHeightKey = "PrintHeightMm";

void SelectRadio(QButtonGroup* group, int item)
{
    if (QAbstractButton* button = group->button(item))
        button->setChecked(true);
}

}  // namespace

std::array<std::pair<const char*, TColourSwatch*>, 8> TFrmPolyhedron::ColourKeys() const
{
    // In the order they are read and written.
    return {{{"BGColor", ShapeBG},
             {"MonoColor1", ColourGroups[0].SingleSwatch},
             {"FLineColor1", ShapeFF1},
             {"BLineColor1", ShapeFB1},
             {"MonoColor2", ColourGroups[1].SingleSwatch},
             {"FLineColor2", ShapeFF2},
             {"BLineColor2", ShapeFB2},
             {"MonoColor3", ColourGroups[2].SingleSwatch}}};
}

TIniFile TFrmPolyhedron::SettingsFile() const
{
    return TIniFile(ProgramDirectory + "/Polyhedron.ini");
}

void TFrmPolyhedron::WarnIfUnwritable(const TResult& written)
{
    if (!written.Failed())
        return;
    ShowSettingsWarning(
        QT_TRANSLATE_NOOP("Zenkari", "設定ファイル %1 に書き込めません。\n設定はこの実行中だけ有効です。"));
}

void TFrmPolyhedron::ShowSettingsWarning(const char* text)
{
    if (SettingsUnwritableShown)
        return;
    SettingsUnwritableShown = true;  // once, not at every click
    auto* box = new QMessageBox(QMessageBox::Warning, Tr(QT_TRANSLATE_NOOP("Zenkari", "設定の保存")),
                                Tr(text).arg(QString::fromStdString(SettingsFile().FileName())), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

void TFrmPolyhedron::CheckSettingsFile()
{
    // A FIFO, a device or a directory in the file's place is left alone: it reads as an
    // empty file and is never written (a FIFO opened to write waits for a reader for ever).
    if (!SettingsFile().IsUsable())
        ShowSettingsWarning(QT_TRANSLATE_NOOP(
            "Zenkari",
            "設定ファイル %1 は通常のファイルではないので、読み書きしません。\n設定はこの実行中だけ有効です。"));
}

void TFrmPolyhedron::LoadSettings()
{
    TIniFile ini = SettingsFile();
    // Every slot from our own file: the dialog would otherwise bring back what Qt itself
    // remembered from some other program.
    for (int slot = 0; slot < 16; ++slot) {
        const std::string key = std::string("Color") + static_cast<char>('A' + slot);
        const TColour colour = ParseIniColour(ini.ReadString(ColorDialog, key, "")).value_or(White);
        QColorDialog::setCustomColor(slot, ToQColor(colour));
    }
    for (const auto& [key, swatch] : ColourKeys()) {
        if (const std::optional<TColour> colour = ParseIniColour(ini.ReadString(Color, key, "")))
            swatch->SetColour(*colour);
    }
    const auto width = [&](QComboBox* box, const char* key) {
        const int item = ini.ReadInteger(Setting, key, 2);
        box->setCurrentIndex(item >= 0 && item < box->count() ? item : 2);
    };
    width(FWidthCbBx, "LineWeight1");
    width(FWidthCbBx2, "LineWeight2");
    const std::pair<const char*, QButtonGroup*> groups[] = {
        {"LightMode", LightModeRdBx}, {"TransparencyMode", SkeltonRdGp}, {"PersMode", PersModeRdbx},
        {"AlphaMode1", AlphaRdBx},    {"AlphaMode2", AlphaRdBx2},        {"ZoomMode", ZoomRdBx}};
    for (const auto& [key, group] : groups) {
        const int item = ini.ReadInteger(Setting, key, -1);
        if (item != -1)
            SelectRadio(group, item);  // an item the group does not have changes nothing
        connect(group, &QButtonGroup::idClicked, this, [this] { SaveAndGraphModeChange(); });
    }
    EngCkBx->setChecked(ParseIniFlag(ini.ReadInteger(Setting, "English", 0), false));
    connect(EngCkBx, &QCheckBox::toggled, this, [this] { EngCkBxClick(); });
    VRMLLineCkBx->setChecked(ParseIniFlag(ini.ReadInteger(Setting, "FloatingLineOnVRML", -1), true));
    connect(VRMLLineCkBx, &QCheckBox::toggled, this, [this] { VRMLLineCkBxClick(); });
    // The print height is kept once it has been asked or set; until then the first print asks.
    if (const std::optional<double> height = ParsePrintHeight(ini.ReadString(Setting, PrintHeightKey, ""))) {
        PrintHeightSpBx->setValue(*height);
        PrintHeightKnown = true;
    }
    connect(PrintHeightSpBx, &QDoubleSpinBox::valueChanged, this, [this] { PrintHeightSpBxChange(); });
    const std::string code = ini.ReadString(Setting, "Language", "ja");
    ApplyLanguage(LanguageFromCode(code).value_or(TLanguage::Japanese));  // anything else is Japanese
    connect(LanguageCbBx, &QComboBox::currentIndexChanged, this, [this] { LanguageCbBxChange(); });
    EngCkBxClick();  // the selector in the loaded language, and the file written (made on a first start)
}

void TFrmPolyhedron::SaveSettings()
{
    std::vector<TIniValue> values;
    for (const auto& [key, swatch] : ColourKeys())
        values.push_back({Color, key, ColourIniText(swatch->Colour())});
    const std::pair<const char*, int> items[] = {
        {"LineWeight1", FWidthCbBx->currentIndex()}, {"LineWeight2", FWidthCbBx2->currentIndex()},
        {"LightMode", LightModeRdBx->checkedId()},   {"TransparencyMode", SkeltonRdGp->checkedId()},
        {"PersMode", PersModeRdbx->checkedId()},     {"AlphaMode1", AlphaRdBx->checkedId()},
        {"AlphaMode2", AlphaRdBx2->checkedId()},     {"ZoomMode", ZoomRdBx->checkedId()},
        {"English", EngCkBx->isChecked() ? -1 : 0},  {"FloatingLineOnVRML", VRMLLineCkBx->isChecked() ? -1 : 0}};
    for (const auto& [key, value] : items)
        values.push_back({Setting, key, std::to_string(value)});
    values.push_back({Setting, "Language", LanguageCode(InterfaceLanguage())});
    if (PrintHeightKnown)
        values.push_back({Setting, PrintHeightKey, PrintHeightIniText(PrintHeightSpBx->value())});
    TIniFile ini = SettingsFile();
    WarnIfUnwritable(ini.WriteValues(values));
}

void TFrmPolyhedron::SaveCustomColors()
{
    std::vector<TIniValue> values;
    for (int slot = 0; slot < 16; ++slot) {
        char value[8];
        std::snprintf(value, sizeof value, "%06X", static_cast<unsigned>(FromQColor(QColorDialog::customColor(slot))));
        values.push_back({ColorDialog, std::string("Color") + static_cast<char>('A' + slot), value});
    }
    TIniFile ini = SettingsFile();
    WarnIfUnwritable(ini.WriteValues(values));
}

void TFrmPolyhedron::SaveAndGraphModeChange()
{
    SaveSettings();
    GraphmodeChange();
}

void TFrmPolyhedron::VRMLLineCkBxClick()
{
    SaveSettings();
}
