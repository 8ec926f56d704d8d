// SPDX-License-Identifier: GPL-3.0-or-later
// The export button saves every format through its one dialog: the file type chosen gives
// the format and the extension of a bare name; a typed extension wins over the type.

#include "app/WindowFixture.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <cstring>

namespace {

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The triangle count and the lowest and highest z of a binary STL; -1 triangles when it is none.
struct TStlExtent {
    int Triangles = -1;
    float Low = 0.0f;
    float High = 0.0f;
};

TStlExtent StlExtent(const QByteArray& bytes)
{
    TStlExtent extent;
    std::uint32_t count = 0;
    if (bytes.size() < 84)
        return extent;
    std::memcpy(&count, bytes.constData() + 80, 4);
    if (bytes.size() != 84 + 50 * static_cast<qsizetype>(count))
        return extent;
    extent.Triangles = static_cast<int>(count);
    extent.Low = 1e30f;
    extent.High = -1e30f;
    for (std::uint32_t t = 0; t < count; ++t)
        for (int corner = 0; corner < 3; ++corner) {
            float z = 0.0f;
            std::memcpy(&z, bytes.constData() + 84 + 50 * t + 12 + 12 * corner + 8, 4);
            extent.Low = std::min(extent.Low, z);
            extent.High = std::max(extent.High, z);
        }
    return extent;
}

// Answers the window's questions as they show: the height asked with Height (or cancels
// it when Height is 0), and a message box with OK, each counted and the message kept.
class TAnswers : public QObject {
public:
    double Height = 0.0;
    int HeightsAsked = 0;
    QStringList Messages;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        if (auto* question = qobject_cast<QInputDialog*>(watched)) {
            ++HeightsAsked;
            QTimer::singleShot(0, question, [question, height = Height] {
                if (const char* directory = std::getenv("ZENKARI_SCREENSHOTS"))
                    question->grab().save(QDir(directory).filePath(QStringLiteral("print-height-question.png")));
                if (height > 0.0) {
                    question->setDoubleValue(height);
                    question->accept();
                } else {
                    question->reject();
                }
            });
        } else if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            Messages << box->text();
            QTimer::singleShot(0, box, [box] { box->accept(); });
        }
        return false;
    }
};

}  // namespace

class WindowExport : public Window {
protected:
    // Presses the export button and saves as name with the file type filter chosen.
    void SaveAs(const QString& filter, const QString& name)
    {
        QTimer::singleShot(0, Form->VRMLSaveDialog, [this, filter, name] {
            Form->VRMLSaveDialog->selectNameFilter(filter);
            emit Form->VRMLSaveDialog->filterSelected(filter);  // as choosing it in the list does
            Form->VRMLSaveDialog->selectFile(QDir(Directory).filePath(name));
            static_cast<QDialog*>(Form->VRMLSaveDialog)->accept();
        });
        Form->VRMLBtn->click();
    }
    [[nodiscard]] QString Saved(const QString& name) const { return QDir(Directory).filePath(name); }
    // Saves for a 3-D printer and waits for the worker to have written it.
    void PrintAs(const QString& filter, const QString& name)
    {
        SaveAs(filter, name);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !Form->Exporting(); }, 120000));
    }
    [[nodiscard]] std::string KeptHeight() const
    {
        return TIniFile(SettingsPath().toStdString()).ReadString("Setting", "PrintHeightMm", "none");
    }
    void SetUp() override
    {
        Window::SetUp();
        qApp->installEventFilter(&Answers);
    }

    TAnswers Answers;
    const QString PrintStl = QStringLiteral("3Dプリント用 STL (*.stl)");
    const QString Print3mf = QStringLiteral("3Dプリント用 3MF (*.3mf)");
};

TEST_F(WindowExport, EveryFileTypeOfTheDialogWritesItsFormat)
{
    SetPolygons({"3", "4", "3", "4"});
    Form->BuildBtn->click();
    const QStringList filters = Form->VRMLSaveDialog->nameFilters();
    ASSERT_EQ(filters.size(), 12);
    EXPECT_EQ(filters[6], PrintStl);
    EXPECT_EQ(filters[7], Print3mf);
    EXPECT_EQ(filters[0], QStringLiteral("VRMLファイル (*.wrl *.WRL)"));
    EXPECT_EQ(Form->VRMLSaveDialog->selectedNameFilter(), filters[0]);

    SaveAs(filters[0], QStringLiteral("solid"));
    EXPECT_TRUE(FileBytes(Saved(QStringLiteral("solid.wrl"))).startsWith("#VRML V2.0 utf8"));
    SaveAs(QStringLiteral("OFF (*.off)"), QStringLiteral("solid"));
    EXPECT_TRUE(FileBytes(Saved(QStringLiteral("solid.off"))).startsWith("OFF\n"));
    SaveAs(QStringLiteral("Wavefront OBJ (*.obj)"), QStringLiteral("solid"));
    EXPECT_TRUE(FileBytes(Saved(QStringLiteral("solid.obj"))).contains("mtllib solid.mtl"));
    EXPECT_TRUE(FileBytes(Saved(QStringLiteral("solid.mtl"))).contains("newmtl"));
    SaveAs(QStringLiteral("STL (*.stl)"), QStringLiteral("solid"));
    // Binary STL: an 80-byte header, the count, 50 bytes a triangle (8 + 6 * 2 for the cuboctahedron).
    EXPECT_EQ(FileBytes(Saved(QStringLiteral("solid.stl"))).size(), 84 + 50 * 20);
    SaveAs(QStringLiteral("glTF (*.glb)"), QStringLiteral("solid"));
    EXPECT_TRUE(FileBytes(Saved(QStringLiteral("solid.glb"))).startsWith("glTF"));
    SaveAs(QStringLiteral("PNG画像 (*.png)"), QStringLiteral("solid"));
    const QImage picture(Saved(QStringLiteral("solid.png")));
    EXPECT_EQ(picture.size(), Form->DXDraw1->size());
    // The corners show the background, white on a first start.
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::white));
}

TEST_F(WindowExport, ATypedExtensionWinsOverTheChosenType)
{
    SetPolygons({"4", "4", "4"});
    Form->BuildBtn->click();
    SaveAs(QStringLiteral("VRMLファイル (*.wrl *.WRL)"), QStringLiteral("cube.STL"));
    EXPECT_EQ(FileBytes(Saved(QStringLiteral("cube.STL"))).size(), 84 + 50 * 12);
    EXPECT_FALSE(QFile::exists(Saved(QStringLiteral("cube.STL.wrl"))));

    // Under a printing type a typed ".stl" still prints; another format's extension wins;
    // ".3mf" is written for printing only, whatever the type.
    Form->PrintHeightSpBx->setValue(30.0);
    PrintAs(PrintStl, QStringLiteral("printed.STL"));
    EXPECT_NEAR(StlExtent(FileBytes(Saved(QStringLiteral("printed.STL")))).High, 30.0f, 1e-4f);
    SaveAs(PrintStl, QStringLiteral("picture.png"));
    EXPECT_FALSE(Form->Exporting());
    EXPECT_FALSE(QImage(Saved(QStringLiteral("picture.png"))).isNull());
    PrintAs(QStringLiteral("VRMLファイル (*.wrl *.WRL)"), QStringLiteral("model.3mf"));
    EXPECT_TRUE(QFile::exists(Saved(QStringLiteral("model.3mf"))));
    EXPECT_TRUE(
        PaneLines().contains(Saved(QStringLiteral("model.3mf")) + QStringLiteral(" を3Dプリント用に書き出しました。")));
    EXPECT_EQ(Answers.HeightsAsked, 0);
}

TEST_F(WindowExport, PrintTypesWriteTheOuterSurfaceAtAHeightAskedOnce)
{
    SetPolygons({"4", "4", "4"});
    Form->BuildBtn->click();
    // A question cancelled writes nothing and keeps nothing: the next print asks again.
    SaveAs(PrintStl, QStringLiteral("cancelled"));
    EXPECT_EQ(Answers.HeightsAsked, 1);
    EXPECT_FALSE(Form->Exporting());
    EXPECT_FALSE(QFile::exists(Saved(QStringLiteral("cancelled.stl"))));
    EXPECT_EQ(KeptHeight(), "none");

    Answers.Height = 80.0;
    SaveAs(PrintStl, QStringLiteral("cube"));
    EXPECT_EQ(Answers.HeightsAsked, 2);
    // The surface is formed on the worker; the window says so and keeps the solid as it is.
    ASSERT_TRUE(Form->Exporting());
    EXPECT_TRUE(Form->ProgressPanel->isVisible());
    EXPECT_EQ(Form->ProgressLbl->text(), QStringLiteral("3Dプリント用に書き出し中：cube.stl"));
    EXPECT_FALSE(Form->StopBuildBtn->isVisible());
    EXPECT_FALSE(Form->BuildBtn->isEnabled());
    EXPECT_FALSE(Form->ViewPNumCbBx->isEnabled());
    if (const char* directory = std::getenv("ZENKARI_SCREENSHOTS"))
        Form->grab().save(QDir(directory).filePath(QStringLiteral("print-exporting.png")));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Form->Exporting(); }, 120000));
    EXPECT_FALSE(Form->ProgressPanel->isVisible());
    EXPECT_TRUE(Form->BuildBtn->isEnabled());
    TStlExtent extent = StlExtent(FileBytes(Saved(QStringLiteral("cube.stl"))));
    EXPECT_EQ(extent.Triangles, 12);
    EXPECT_NEAR(extent.Low, 0.0f, 1e-4f);
    EXPECT_NEAR(extent.High, 80.0f, 1e-4f);
    const QStringList lines = PaneLines();
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[lines.size() - 4],
              Saved(QStringLiteral("cube.stl")) + QStringLiteral(" を3Dプリント用に書き出しました。"));
    EXPECT_EQ(lines[lines.size() - 3], QStringLiteral("高さ 80 mm・三角形 12 個・体積 512 cm³"));
    EXPECT_EQ(lines[lines.size() - 2], QStringLiteral("6400 mm² の面で立ちます。"));
    EXPECT_EQ(lines.last(), QStringLiteral("-------------------------"));
    if (const char* directory = std::getenv("ZENKARI_SCREENSHOTS"))
        Form->grab().save(QDir(directory).filePath(QStringLiteral("print-exported.png")));
    EXPECT_EQ(KeptHeight(), "80");
    EXPECT_EQ(Form->PrintHeightSpBx->value(), 80.0);
    EXPECT_EQ(TIniFile(SettingsPath().toStdString()).ReadString("Setting", "DirName", ""), Directory.toStdString());

    // Asked no more, in this run or the next; the path goes through as it is.
    PrintAs(Print3mf, QStringLiteral("cube"));
    EXPECT_GT(FileBytes(Saved(QStringLiteral("cube.3mf"))).size(), 84);
    Start();
    EXPECT_EQ(Form->PrintHeightSpBx->value(), 80.0);
    SetPolygons({"4", "4", "4"});
    Form->BuildBtn->click();
    PrintAs(PrintStl, QStringLiteral("again"));
    EXPECT_NEAR(StlExtent(FileBytes(Saved(QStringLiteral("again.stl")))).High, 80.0f, 1e-4f);
    // The display-settings page changes it.
    Form->PrintHeightSpBx->setValue(40.0);
    EXPECT_EQ(KeptHeight(), "40");
    PrintAs(PrintStl, QStringLiteral("smaller"));
    EXPECT_NEAR(StlExtent(FileBytes(Saved(QStringLiteral("smaller.stl")))).High, 40.0f, 1e-4f);
    EXPECT_EQ(Answers.HeightsAsked, 2);
    EXPECT_TRUE(Answers.Messages.isEmpty()) << Answers.Messages.join(u'|').toStdString();
}

TEST_F(WindowExport, AFailedPrintExportIsSaidAndNothingIsWritten)
{
    Form->PrintHeightSpBx->setValue(50.0);                                 // known: no question
    Choose(Form->PolyhedronCbBx, Form->PolyhedronCbBx->itemText(2 * 96));  // the octagrammic prism
    const QString pane = Form->Memo1->toPlainText();
    // Into a folder that is not there: the surface forms, the file cannot be written.
    PrintAs(PrintStl, QStringLiteral("missing/prism"));
    EXPECT_EQ(Answers.HeightsAsked, 0);
    ASSERT_EQ(Answers.Messages.size(), 1);
    EXPECT_TRUE(Answers.Messages[0].startsWith(Saved(QStringLiteral("missing/prism.stl"))
                                               + QStringLiteral(" を書き込めませんでした。\n")))
        << Answers.Messages[0].toStdString();
    EXPECT_FALSE(QFile::exists(Saved(QStringLiteral("missing/prism.stl"))));
    EXPECT_EQ(Form->Memo1->toPlainText(), pane);
    EXPECT_TRUE(Form->BuildBtn->isEnabled());
}
