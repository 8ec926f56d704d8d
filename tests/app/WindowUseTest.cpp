// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a new user meets it: Qt's own dialogs in Japanese, a found-solids list
// that the view follows however its row changes, readable boxes and figures, a window
// that opens centred and never shrinks below its design size.

#include "app/WindowFixture.h"
#include "export/PolyhedronVRML.h"

#include <QAbstractItemView>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QOpenGLFunctions>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QStringList ButtonTexts(const QWidget* dialog)
{
    QStringList texts;
    for (const QPushButton* button : dialog->findChildren<QPushButton*>())
        texts << button->text();
    return texts;
}

QStringList LabelTexts(const QWidget* dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

// The rectangle a combo box draws its current text in.
QRect TextField(QComboBox* box)
{
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    option.frame = box->hasFrame();
    option.subControls = QStyle::SC_All;
    return box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
}

}  // namespace

TEST_F(Window, QtDialogsSpeakJapanese)
{
    SetPolygons({"4", "4", "4"});
    Form->BuildBtn->click();
    QStringList saveButtons;
    QStringList saveLabels;
    QTimer::singleShot(0, Form.get(), [&] {
        saveButtons = ButtonTexts(Form->VRMLSaveDialog);
        saveLabels = LabelTexts(Form->VRMLSaveDialog);
        Form->VRMLSaveDialog->reject();
    });
    Form->VRMLBtn->click();
    EXPECT_TRUE(saveButtons.contains(QStringLiteral("保存(&S)"))) << saveButtons.join(u'|').toStdString();
    EXPECT_TRUE(saveButtons.contains(QStringLiteral("キャンセル"))) << saveButtons.join(u'|').toStdString();
    EXPECT_TRUE(saveLabels.contains(QStringLiteral("ファイル名(&N):"))) << saveLabels.join(u'|').toStdString();

    QColorDialog colours(Form.get());
    colours.setOption(QColorDialog::DontUseNativeDialog);
    const QStringList labels = LabelTexts(&colours);
    EXPECT_TRUE(labels.contains(QStringLiteral("基本カラー(&B)"))) << labels.join(u'|').toStdString();
    EXPECT_TRUE(labels.contains(QStringLiteral("カスタムカラー(&C)"))) << labels.join(u'|').toStdString();
    EXPECT_FALSE(ButtonTexts(&colours).contains(QStringLiteral("&Pick Screen Color")));
}

TEST_F(Window, ViewFollowsTheListRowHoweverItChanges)
{
    SetPolygons({"3", "4", "4", "4"});
    Form->BuildBtn->click();
    QListWidget* list = Form->ViewPNumCbBx;
    ASSERT_EQ(list->count(), 5);
    list->setFocus();

    // A click on the third solid, then the Up key: each change is drawn once, and what is
    // drawn is the row the list now shows.
    int presented = Form->DXDraw1->Presented;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(3)).center());
    EXPECT_EQ(list->currentRow(), 3);
    EXPECT_EQ(Form->DXDraw1->Presented, presented + 1);
    const std::string third = Form->DXDraw1->Dump();
    QTest::keyClick(list, Qt::Key_Up);
    ASSERT_EQ(list->currentRow(), 2);
    EXPECT_EQ(Form->DXDraw1->Presented, presented + 2);
    const std::string afterKey = Form->DXDraw1->Dump();
    EXPECT_NE(afterKey, third);
    Form->RedrawView();  // what row 2 looks like, drawn on purpose
    EXPECT_EQ(Form->DXDraw1->Dump(), afterKey);

    // A change made by code is followed too, and the export writes what is on screen.
    presented = Form->DXDraw1->Presented;
    list->setCurrentRow(4);
    EXPECT_EQ(Form->DXDraw1->Presented, presented + 1);
    EXPECT_EQ(Form->Selection(), 4);
    EXPECT_EQ(Form->Session.ExportShown(Form->Selection(), Form->ReadDisplaySettings()),
              WriteVRML(*Form->Session.SolidAt(4), Form->Session.Dual(), Form->ReadDisplaySettings()));

    // The build buttons choose their row and draw it once.
    presented = Form->DXDraw1->Presented;
    Form->BuildBtn->click();
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(Form->DXDraw1->Presented, presented + 1);
}

TEST_F(Window, RemarkIsEmptyWhenNoCatalogueItemIsChosen)
{
    Choose(Form->PolyhedronCbBx, Form->PolyhedronCbBx->itemText(2));  // the cube
    ASSERT_FALSE(Form->SolidInfoRcEd->toPlainText().isEmpty());
    QLineEdit* typed = Form->PolyhedronCbBx->lineEdit();
    typed->selectAll();
    QTest::keyClicks(typed, QStringLiteral("cube?"));
    QTest::keyClick(typed, Qt::Key_Return);
    QListWidget* list = Form->ViewPNumCbBx;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(Form->SolidInfoRcEd->toPlainText(), QString());
}

TEST_F(Window, PolygonBoxesShowEveryKindWhole)
{
    Choose(Form->MaxRegPolygonCbBx, QStringLiteral("32"));
    Form->SatellatedChBx->setChecked(true);
    QComboBox* box = Form->PolygonCbBx[0];
    const QRect field = TextField(box);
    int widest = 0;
    for (int i = 0; i < box->count(); ++i) {
        const int width = box->fontMetrics().horizontalAdvance(box->itemText(i));
        widest = std::max(widest, width);
        EXPECT_LE(width, field.width()) << box->itemText(i).toStdString();
    }
    EXPECT_EQ(box->geometry(), QRect(116, 25, 53, 20));  // the boxes keep their places
    EXPECT_GE(box->view()->minimumWidth(), widest);
}

TEST_F(Window, OpensCentredOnTheScreen)
{
    const QPoint screenCentre = Form->screen()->availableGeometry().center();
    const QPoint windowCentre = Form->frameGeometry().center();
    EXPECT_LE((screenCentre - windowCentre).manhattanLength(), 40)
        << windowCentre.x() << "," << windowCentre.y() << " vs " << screenCentre.x() << "," << screenCentre.y();
}

TEST_F(Window, PolygonTableShowsEveryDigit)
{
    Form->SatellatedChBx->setChecked(true);
    SetPolygons({"3", "5/2", "3", "5/2"});  // the great icosidodecahedron
    Form->BuildBtn->click();
    QTableWidget* grid = Form->StringGrid1;
    EXPECT_EQ(grid->textElideMode(), Qt::ElideNone);
    for (int r = 0; r < grid->rowCount(); ++r) {
        for (int c = 0; c < grid->columnCount(); ++c) {
            const QTableWidgetItem* cell = grid->item(r, c);
            if (cell == nullptr)
                continue;
            EXPECT_LE(grid->fontMetrics().horizontalAdvance(cell->text()) + 6, grid->columnWidth(c))
                << r << "," << c << " " << cell->text().toStdString();
        }
    }
    ASSERT_NE(grid->item(3, 1), nullptr);
    EXPECT_GE(grid->item(3, 1)->text().size(), 12);  // a circumradius with its digits
    const int lastRowEnd = grid->rowViewportPosition(4) + grid->rowHeight(4);
    EXPECT_LE(lastRowEnd, grid->viewport()->height());
}

TEST_F(Window, NeverSmallerThanTheDesignSize)
{
    Form->resize(500, 400);
    QCoreApplication::processEvents();
    EXPECT_GE(Form->width(), 712);
    EXPECT_GE(Form->height(), 509);
    // Room beyond the design size goes to the view.
    const int view = Form->DXDraw1->width();
    Form->resize(1000, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(Form->DXDraw1->width(), view + 1000 - Form->minimumWidth());
}

TEST_F(Window, ViewIsMultisampled)
{
    Form->DXDraw1->makeCurrent();
    GLint samples = 0;
    Form->DXDraw1->context()->functions()->glGetIntegerv(GL_SAMPLES, &samples);
    Form->DXDraw1->doneCurrent();
    EXPECT_EQ(samples, 4);
}

TEST_F(Window, LimitCutIsSaidBeforeTheEndLines)
{
    SetPolygons({"3", "4", "5", "4"});
    Choose(Form->VertexLimitCbBx, QStringLiteral("  10"));
    Form->BuildBtn->click();
    const QStringList lines = PaneLines();
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(
        lines[lines.size() - 3],
        QStringLiteral("頂点数の上限（10）で打ち切った枝があります。上限を上げると見つかる立体があるかもしれません。"));
    EXPECT_EQ(lines[lines.size() - 2], QStringLiteral("全通り調べ終わりました。"));
}
