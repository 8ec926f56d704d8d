// SPDX-License-Identifier: GPL-3.0-or-later
// Paper models from the window: the export dialog's net and parts types write PDF and SVG
// on the worker and say what they hold; the view's right-click menu prints the net on the
// printer's paper and copies the picture.

#include "app/WindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdlib>

namespace {

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class WindowNet : public Window {
protected:
    // Presses the export button, saves as name with the type chosen, waits for the worker.
    void SaveAs(const QString& filter, const QString& name)
    {
        QTimer::singleShot(0, Form->VRMLSaveDialog, [this, filter, name] {
            Form->VRMLSaveDialog->selectNameFilter(filter);
            emit Form->VRMLSaveDialog->filterSelected(filter);
            Form->VRMLSaveDialog->selectFile(QDir(Directory).filePath(name));
            static_cast<QDialog*>(Form->VRMLSaveDialog)->accept();
        });
        Form->VRMLBtn->click();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !Form->Exporting(); }, 120000));
    }
    [[nodiscard]] QString Saved(const QString& name) const { return QDir(Directory).filePath(name); }
    // Opens the view's menu and chooses the item with this text once it shows.
    void ChooseFromViewMenu(const QString& text)
    {
        QTimer::singleShot(0, [text] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            if (const char* directory = std::getenv("ZENKARI_SCREENSHOTS"))
                menu->grab().save(QDir(directory).filePath(QStringLiteral("view-menu.png")));
            for (QAction* action : menu->actions())
                if (action->text() == text)
                    action->trigger();
            menu->close();
        });
        Form->ShowViewMenu(QPoint(10, 10));
        QCoreApplication::processEvents();  // what was chosen runs once the menu has closed
    }
};

TEST_F(WindowNet, NetAndPartsTypesWritePdfAndSvgAndSayWhatTheyHold)
{
    SetPolygons({"4", "4", "4"});
    Form->BuildBtn->click();
    const QStringList filters = Form->VRMLSaveDialog->nameFilters();
    EXPECT_TRUE(filters.contains(QStringLiteral("展開図 PDF (*.pdf)")));
    EXPECT_TRUE(filters.contains(QStringLiteral("展開図 SVG (*.svg)")));

    SaveAs(QStringLiteral("展開図 PDF (*.pdf)"), QStringLiteral("cube"));
    EXPECT_TRUE(FileBytes(Saved(QStringLiteral("cube.pdf"))).startsWith("%PDF"));
    const QStringList lines = PaneLines();
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[lines.size() - 3], Saved(QStringLiteral("cube.pdf")) + QStringLiteral(" に展開図を出しました。"));
    EXPECT_TRUE(lines[lines.size() - 2].startsWith(QStringLiteral("1 ページ・1 片（切り出す数 1）・のりしろ 7 個")))
        << lines[lines.size() - 2].toStdString();

    // The parts' type with a typed ".svg": six squares, drawn once each kind.
    SaveAs(QStringLiteral("部品図 PDF (*.pdf)"), QStringLiteral("parts.svg"));
    const QByteArray svg = FileBytes(Saved(QStringLiteral("parts.svg")));
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_TRUE(svg.contains("id=\"tabs\""));
    EXPECT_TRUE(PaneLines()[PaneLines().size() - 2].contains(QStringLiteral("（切り出す数 6）")));
}

TEST_F(WindowNet, PrintingPutsTheNetOnThePrintersPaper)
{
    SetPolygons({"3", "3", "3", "3", "3"});
    Form->BuildBtn->click();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Saved(QStringLiteral("printed.pdf")));
    printer.setPageSize(QPageSize(QPageSize::Letter));
    const TNetSummary summary = Form->PrintNet(printer, TNetMode::Net);
    ASSERT_FALSE(summary.Failed()) << summary.Error;
    EXPECT_EQ(summary.Pages, 1);
    ASSERT_EQ(summary.Pieces.size(), 1u);
    EXPECT_EQ(summary.Pieces[0].Faces, 20);
    EXPECT_TRUE(FileBytes(Saved(QStringLiteral("printed.pdf"))).startsWith("%PDF"));
}

TEST_F(WindowNet, TheViewsMenuCopiesThePictureAndOffersPrintingOnlyWithASolid)
{
    QApplication::clipboard()->clear();
    bool printOffered = true;
    QTimer::singleShot(0, [&printOffered] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        printOffered = menu->actions().constFirst()->isEnabled();
        menu->close();
    });
    Form->ShowViewMenu(QPoint(10, 10));
    EXPECT_FALSE(printOffered) << "nothing is shown yet";

    SetPolygons({"4", "4", "4"});
    Form->BuildBtn->click();
    ChooseFromViewMenu(QStringLiteral("画像をコピー"));
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.size(), Form->DXDraw1->size() * Form->DXDraw1->devicePixelRatio());
}
