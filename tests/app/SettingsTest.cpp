// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file and the colour schemes, through the real window.

#include "app/ChangeColors.h"
#include "app/ComfirmForm.h"
#include "app/InputColorsSetName.h"
#include "app/SettingsText.h"
#include "app/WindowFixture.h"

#include <QButtonGroup>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <sys/stat.h>

#include <fstream>

namespace {

QStringList SelectorItems(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

void WriteFile(const QString& path, const std::string& text)
{
    std::ofstream(path.toStdString(), std::ios::binary) << text;
}

// Answers the next modal dialog with a name, or cancels it.
void AnswerName(TFrmInputColorsSetName* dialog, const QString& name)
{
    QTimer::singleShot(0, dialog, [dialog, name] {
        dialog->edtColorsSetName->setText(name);
        dialog->BitBtn1->click();
    });
}

void Confirm(TFrmComfirm* dialog, QString* question = nullptr)
{
    QTimer::singleShot(0, dialog, [dialog, question] {
        if (question != nullptr)
            *question = dialog->lblMess->text();
        dialog->btnOK->click();
    });
}

}  // namespace

TEST_F(Window, FirstStartWritesTheFileAndTheBuiltInSchemes)
{
    TIniFile ini(SettingsPath().toStdString());
    for (const char* key : {"LineWeight1", "LineWeight2", "LightMode", "TransparencyMode", "PersMode", "AlphaMode1",
                            "AlphaMode2", "ZoomMode", "English", "FloatingLineOnVRML"})
        EXPECT_NE(ini.ReadString("Setting", key, "missing"), "missing") << key;
    for (const char* key : {"BGColor", "MonoColor1", "FLineColor1", "BLineColor1", "MonoColor2", "FLineColor2",
                            "BLineColor2", "MonoColor3"})
        EXPECT_NE(ini.ReadString("Color", key, "missing"), "missing") << key;
    EXPECT_EQ(ini.ReadString("Color", "MonoColor1", ""), "00FFFF00");
    EXPECT_EQ(ini.ReadString("Setting", "FloatingLineOnVRML", ""), "-1");
    EXPECT_EQ(ini.ReadString("PolygonColor4", "ColorsSetName", ""), "ダーク");
    EXPECT_EQ(ini.ReadString("PolygonColor5", "ColorsSetName", ""), "");
    EXPECT_EQ(ini.ReadInteger("Color", "ComboSelected3", -1), 3);
    const QStringList names = {"レインボー", "パステル", "グレー", "ダーク"};
    for (const TColourGroupControls& group : Form->ColourGroups)
        EXPECT_EQ(SelectorItems(group.SchemeSelector), names);
    EXPECT_EQ(Form->ColourGroups[0].SchemeSelector->currentText(), QStringLiteral("レインボー"));
    EXPECT_EQ(Form->ColourGroups[1].SchemeSelector->currentText(), QStringLiteral("パステル"));
    EXPECT_EQ(Form->ColourGroups[2].SchemeSelector->currentText(), QStringLiteral("ダーク"));
    EXPECT_EQ(Form->ColourGroups[0].Palette[0]->Colour(), MakeColour(255, 85, 85));
    EXPECT_EQ(Form->ColourGroups[2].Palette[0]->Colour(), MakeColour(204, 0, 0));
    EXPECT_EQ(Form->PolyhedronCbBx->currentText(), QStringLiteral("多面体を選んでね"));
}

TEST_F(Window, ARestartRestoresEverySetting)
{
    Form->SkeltonRdGp->button(3)->click();
    Form->ZoomRdBx->button(0)->click();
    Form->PersModeRdbx->button(2)->click();
    Form->LightModeRdBx->button(1)->click();
    Form->AlphaRdBx2->button(3)->click();
    Choose(Form->FWidthCbBx2, QStringLiteral("7"));
    Form->EngCkBx->setChecked(true);
    Form->VRMLLineCkBx->setChecked(false);
    Form->ShapeBG->SetColour(MakeColour(10, 20, 30));
    Form->SaveSettings();
    Choose(Form->ColourGroups[1].SchemeSelector, QStringLiteral("グレー"));
    Form->ColourGroups[2].MonoCheck->setChecked(true);

    Start();
    EXPECT_EQ(Form->SkeltonRdGp->checkedId(), 3);
    EXPECT_EQ(Form->ZoomRdBx->checkedId(), 0);
    EXPECT_EQ(Form->PersModeRdbx->checkedId(), 2);
    EXPECT_EQ(Form->LightModeRdBx->checkedId(), 1);
    EXPECT_EQ(Form->AlphaRdBx2->checkedId(), 3);
    EXPECT_EQ(Form->FWidthCbBx2->currentIndex(), 7);
    EXPECT_TRUE(Form->EngCkBx->isChecked());
    EXPECT_EQ(Form->PolyhedronCbBx->itemText(0), QStringLiteral("(3, 3, 3) Regular Tetrahedron"));
    EXPECT_FALSE(Form->VRMLLineCkBx->isChecked());
    EXPECT_EQ(Form->ShapeBG->Colour(), MakeColour(10, 20, 30));
    EXPECT_EQ(Form->ColourGroups[1].SchemeSelector->currentText(), QStringLiteral("グレー"));
    EXPECT_EQ(Form->ColourGroups[1].Palette[0]->Colour(), MakeColour(255, 221, 221));
    EXPECT_TRUE(Form->ColourGroups[2].MonoCheck->isChecked());
    EXPECT_FALSE(Form->ColourGroups[0].MonoCheck->isChecked());
}

TEST_F(Window, SavingAndDeletingSchemes)
{
    AnswerName(Form->FrmInputColorsSetName, QStringLiteral("レインボー"));
    Form->ColourGroups[0].SaveButton->click();
    AnswerName(Form->FrmInputColorsSetName, QStringLiteral("レインボー"));
    Form->ColourGroups[0].SaveButton->click();
    const QStringList grown = {"レインボー", "パステル", "グレー", "ダーク", "レインボー[2]", "レインボー[3]"};
    EXPECT_EQ(SelectorItems(Form->ColourGroups[2].SchemeSelector), grown);
    EXPECT_EQ(Form->ColourGroups[0].SchemeSelector->currentIndex(), 5);
    EXPECT_EQ(Form->ColourGroups[2].SchemeSelector->currentIndex(), 3);  // the others keep theirs

    // Back to the choices 0, 1, 3, then delete item 1.
    Choose(Form->ColourGroups[0].SchemeSelector, QStringLiteral("レインボー"));
    Confirm(Form->FrmComfirm);
    Choose(Form->ColourGroups[1].SchemeSelector, QStringLiteral("パステル"));
    Form->ColourGroups[1].DeleteButton->click();
    TIniFile ini(SettingsPath().toStdString());
    EXPECT_EQ(ini.ReadInteger("Color", "ComboSelected1", -1), 0);
    EXPECT_EQ(ini.ReadInteger("Color", "ComboSelected2", -1), 0);
    EXPECT_EQ(ini.ReadInteger("Color", "ComboSelected3", -1), 2);
    EXPECT_EQ(ini.ReadString("PolygonColor2", "ColorsSetName", ""), "グレー");
    EXPECT_EQ(ini.ReadString("PolygonColor5", "ColorsSetName", ""), "レインボー[3]");
    EXPECT_EQ(ini.ReadString("PolygonColor6", "ColorsSetName", ""), "");
    EXPECT_EQ(Form->ColourGroups[2].SchemeSelector->currentText(), QStringLiteral("ダーク"));

    // Every scheme deleted: the four come back with the choices 0, 1, 3.
    for (int left = Form->ColourGroups[0].SchemeSelector->count(); left > 0; --left) {
        Confirm(Form->FrmComfirm);
        Form->ColourGroups[0].SchemeSelector->setCurrentIndex(0);
        Form->ColourGroups[0].DeleteButton->click();
    }
    EXPECT_EQ(SelectorItems(Form->ColourGroups[0].SchemeSelector),
              (QStringList{"レインボー", "パステル", "グレー", "ダーク"}));
    EXPECT_EQ(ini.ReadInteger("Color", "ComboSelected2", -1), 1);
    EXPECT_EQ(ini.ReadInteger("Color", "ComboSelected3", -1), 3);
}

TEST_F(Window, PaletteDialogChangesOnlyWhenConfirmed)
{
    TFrmChColors* dialog = Form->FrmChColors;
    const TColour before = Form->ColourGroups[0].Palette[0]->Colour();
    QTimer::singleShot(0, dialog, [dialog] {
        dialog->Swatches[0]->SetColour(MakeColour(1, 2, 3));
        dialog->CancelButton->click();
    });
    Form->ColourGroups[0].PaletteButton->click();
    EXPECT_EQ(Form->ColourGroups[0].Palette[0]->Colour(), before);
    QTimer::singleShot(0, dialog, [dialog] {
        dialog->Swatches[1]->SetColour(MakeColour(1, 2, 3));
        dialog->OkButton->click();
    });
    Form->ColourGroups[0].PaletteButton->click();
    EXPECT_EQ(Form->ColourGroups[0].Palette[1]->Colour(), MakeColour(1, 2, 3));
    EXPECT_EQ(Form->ColourGroups[0].Palette[0]->Colour(), before);
    // An edited palette is not written until it is saved as a scheme: a restart brings the scheme back.
    Start();
    EXPECT_EQ(Form->ColourGroups[0].Palette[1]->Colour(), MakeColour(255, 170, 85));
}

TEST_F(Window, DeleteQuestionShowsAShortName)
{
    AnswerName(Form->FrmInputColorsSetName, QStringLiteral("あいうえお"));
    Form->ColourGroups[1].SaveButton->click();
    QString question;
    Confirm(Form->FrmComfirm, &question);
    Form->ColourGroups[1].DeleteButton->click();
    EXPECT_EQ(question, QStringLiteral("配色「あいうえ..」を削除してもいいですか？"));
    EXPECT_EQ(Form->FrmComfirm->windowTitle(), QStringLiteral("削除の確認"));
}

TEST_F(Window, DamagedValuesFallBackToTheirDefaults)
{
    Form.reset();
    WriteFile(SettingsPath(), "[Color]\r\nBGColor=xyz\r\nMonoColor1=\r\nFLineColor1=00C0C0C0\r\n"
                              "[Setting]\r\nEnglish=1\r\nFloatingLineOnVRML=0\r\nTransparencyMode=-1\r\nZoomMode=9\r\n"
                              "LineWeight1=300\r\n");
    Start();
    EXPECT_EQ(Form->ShapeBG->Colour(), White);
    EXPECT_EQ(Form->ColourGroups[0].SingleSwatch->Colour(), Cyan);
    EXPECT_EQ(Form->ShapeFF1->Colour(), MakeColour(192, 192, 192));
    EXPECT_FALSE(Form->EngCkBx->isChecked());
    EXPECT_FALSE(Form->VRMLLineCkBx->isChecked());
    EXPECT_EQ(Form->SkeltonRdGp->checkedId(), 1);
    EXPECT_EQ(Form->ZoomRdBx->checkedId(), 1);
    EXPECT_EQ(Form->FWidthCbBx->currentIndex(), 2);

    Form.reset();
    WriteFile(SettingsPath(), "[Setting]\r\nFloatingLineOnVRML=5\r\n");
    Start();
    EXPECT_TRUE(Form->VRMLLineCkBx->isChecked());
}

TEST_F(Window, MegabytesOfJunkStartWithDefaultsAndAreKept)
{
    Form.reset();
    std::string junk = "\xef\xbb\xbf[Setting\r\n=\r\nZoomMode\r\n[Color]\r\nBGColor=\x82\xa0\r\n";
    for (int i = 0; i < 100000; ++i)
        junk += "line " + std::to_string(i) + " = \x93\xfa\x96\x7b junk [not a section\r\n";
    WriteFile(SettingsPath(), junk);
    Start();
    EXPECT_EQ(Form->SkeltonRdGp->checkedId(), 1);
    EXPECT_EQ(Form->ZoomRdBx->checkedId(), 1);
    EXPECT_EQ(Form->ShapeBG->Colour(), White);
    EXPECT_EQ(Form->ColourGroups[0].SchemeSelector->count(), 4);
    EXPECT_FALSE(Form->SettingsUnwritableShown);
    QFile file(SettingsPath());
    EXPECT_GT(file.size(), static_cast<qint64>(junk.size()));  // nothing of it is lost
}

TEST_F(Window, ASettingsFileThatIsAFifoIsReportedOnceAndLeftAlone)
{
    // Opening a FIFO to write it would wait for a reader for ever: the window must start.
    Form.reset();
    QFile::remove(SettingsPath());
    ASSERT_EQ(mkfifo(SettingsPath().toLocal8Bit().constData(), 0600), 0);
    Start();
    EXPECT_TRUE(Form->SettingsUnwritableShown);
    const QList<QMessageBox*> boxes = Form->findChildren<QMessageBox*>();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0]->text().contains(QStringLiteral("通常のファイルではない"))) << boxes[0]->text().toStdString();
    Form->SkeltonRdGp->button(2)->click();  // a change would be written: it is not, and nothing more is said
    EXPECT_EQ(Form->findChildren<QMessageBox*>().size(), 1);
    EXPECT_EQ(Form->SkeltonRdGp->checkedId(), 2);
    struct stat info {};
    ASSERT_EQ(stat(SettingsPath().toLocal8Bit().constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(Window, UnwritableSettingsWarnOnceAndKeepRunning)
{
    Form.reset();
    QFile::remove(SettingsPath());
    ASSERT_TRUE(QDir(Directory).mkpath(QStringLiteral("Polyhedron.ini")));  // a directory where the file should be
    Start();
    EXPECT_TRUE(Form->SettingsUnwritableShown);
    const int warnings = Form->findChildren<QMessageBox*>().size();
    Form->SkeltonRdGp->button(2)->click();
    Form->EngCkBx->setChecked(true);
    EXPECT_EQ(Form->findChildren<QMessageBox*>().size(), warnings);
    EXPECT_EQ(Form->SkeltonRdGp->checkedId(), 2);  // the running settings are kept
    EXPECT_EQ(Form->ColourGroups[0].SchemeSelector->count(), 4);
}

TEST_F(Window, VrmlButtonRemembersTheDirectory)
{
    SetPolygons({"4", "4", "4"});
    Form->BuildBtn->click();
    const QString out = QDir(Directory).filePath(QStringLiteral("out"));
    QDir().mkpath(out);
    QTimer::singleShot(0, Form->VRMLSaveDialog, [this, out] {
        Form->VRMLSaveDialog->selectFile(QDir(out).filePath(QStringLiteral("cube.wrl")));
        static_cast<QDialog*>(Form->VRMLSaveDialog)->accept();
    });
    Form->VRMLBtn->click();
    EXPECT_TRUE(QFile::exists(QDir(out).filePath(QStringLiteral("cube.wrl"))));
    TIniFile ini(SettingsPath().toStdString());
    EXPECT_EQ(ini.ReadString("Setting", "DirName", ""), out.toStdString());

    QTimer::singleShot(0, Form->VRMLSaveDialog, [this] { Form->VRMLSaveDialog->reject(); });
    Form->VRMLBtn->click();  // cancelled: the directory is written back unchanged
    EXPECT_EQ(ini.ReadString("Setting", "DirName", ""), out.toStdString());
}

TEST_F(Window, SchemeNamedInAnotherEncodingKeepsItsColours)
{
    Form.reset();
    // "テスト" in Shift-JIS: not UTF-8, as a settings file from elsewhere may hold it.
    std::string file = "[Color]\r\nComboSelected1=0\r\nComboSelected2=0\r\nComboSelected3=0\r\n"
                       "[PolygonColor1]\r\nColorsSetName=\x83\x65\x83\x58\x83\x67\r\n";
    for (int n = 3; n <= 32; ++n)
        file += std::to_string(n) + "CorneredShapeColor=000000" + (n % 2 == 0 ? "80" : "40") + "\r\n";
    WriteFile(SettingsPath(), file);
    Start();
    const TColourGroupControls& group = Form->ColourGroups[0];
    EXPECT_EQ(group.Palette[0]->Colour(), MakeColour(0x40, 0, 0));
    EXPECT_EQ(group.Palette[1]->Colour(), MakeColour(0x80, 0, 0));
    EXPECT_TRUE(group.SchemeSelector->currentText().contains(QChar::ReplacementCharacter));
    // Choosing it again from the list keeps the colours too.
    group.Palette[0]->SetColour(White);
    emit group.SchemeSelector->activated(0);
    EXPECT_EQ(group.Palette[0]->Colour(), MakeColour(0x40, 0, 0));
}
