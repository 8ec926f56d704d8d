// SPDX-License-Identifier: GPL-3.0-or-later
// The view's own controls as a user reaches for them: the wheel zooms, the arrow keys turn
// it once it has the focus, Ctrl+C copies its picture, the title names the solid on show,
// and F1 says what the controls do, in the language chosen.

#include "app/ElidingComboBox.h"
#include "app/WindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <cstdlib>

namespace {

// The text of the next message box shown, which is then closed.
QString NextMessage(const std::function<void()>& action)
{
    QString text;
    QTimer::singleShot(0, [&text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->accept();
        }
    });
    action();
    return text;
}

}  // namespace

TEST_F(Window, TheWheelZoomsTheViewAndTheArrowKeysTurnIt)
{
    SetPolygons({"4", "4", "4"});
    Form->BuildBtn->click();
    const int presented = Form->DXDraw1->Presented;
    const QPointF middle(Form->DXDraw1->width() / 2.0, Form->DXDraw1->height() / 2.0);
    QWheelEvent wheel(middle, Form->DXDraw1->mapToGlobal(middle), QPoint(), QPoint(0, 240), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Form->DXDraw1, &wheel);
    EXPECT_NEAR(Form->ZoomFactor, 1.21, 1e-12);
    EXPECT_GT(Form->DXDraw1->Presented, presented);
    EXPECT_NEAR(Form->ReadDisplaySettings().ZoomFactor, 1.21, 1e-12);

    Form->AutoChBx->setChecked(false);
    Form->DXDraw1->setFocus();
    const TMatrix3 before = Form->ViewMatrix;
    QTest::keyClick(Form->DXDraw1, Qt::Key_Left);
    EXPECT_NE(Form->ViewMatrix.M[0][0], before.M[0][0]);
    QTest::keyClick(Form->DXDraw1, Qt::Key_Right);
    EXPECT_NEAR(Form->ViewMatrix.M[0][0], before.M[0][0], 1e-12);

    QApplication::clipboard()->clear();
    QTest::keyClick(Form->DXDraw1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(QApplication::clipboard()->image().isNull());
}

TEST_F(Window, TheTitleNamesTheSolidOnShowAndF1Helps)
{
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Zenkari Ver0.02"));
    SetPolygons({"4", "4", "4"});
    Form->BuildBtn->click();
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Zenkari Ver0.02 - (4, 4, 4)"));
    Choose(Form->PolyhedronCbBx, Form->PolyhedronCbBx->itemText(2 * 4));
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Zenkari Ver0.02 - (3, 3, 3, 3, 3) 正２０面体"));

    const QString japanese = NextMessage([this] { QTest::keyClick(Form.get(), Qt::Key_F1); });
    EXPECT_TRUE(japanese.contains(QStringLiteral("マウスホイールで拡大・縮小"))) << japanese.toStdString();
    Form->LanguageCbBx->setCurrentIndex(1);
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Zenkari Ver0.02 - (3, 3, 3, 3, 3) Regular Icosahedron"));
    const QString english = NextMessage([this] { QTest::keyClick(Form.get(), Qt::Key_F1); });
    EXPECT_TRUE(english.contains(QStringLiteral("mouse wheel"))) << english.toStdString();
}

namespace {

// The width a combo box gives its text, as its style lays it out.
int TextFieldWidth(QComboBox* box)
{
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    return box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).width();
}

}  // namespace

TEST_F(Window, SmallControlsShowTheirWholeTextOrSayWhatIsCut)
{
    // Two digits of the polygon count fit its box.
    Choose(Form->CBatVertex, QStringLiteral("16"));
    if (const char* directory = std::getenv("ZENKARI_SCREENSHOTS"))
        Form->CBatVertex->grab().save(QDir(directory).filePath(QStringLiteral("polygon-count.png")));
    // The label is drawn a pixel in from each side of the text field.
    EXPECT_GE(TextFieldWidth(Form->CBatVertex) - 2,
              Form->CBatVertex->fontMetrics().horizontalAdvance(QStringLiteral("16")));

    // The found-solids list needs no sideways scroll bar and shows more than two rows.
    SetPolygons({"4", "4", "4"});
    Form->BuildBtn->click();
    QListWidget* list = Form->ViewPNumCbBx;
    list->addItem(QStringLiteral("100頂点以下はすべて"));  // as wide as its widest row gets
    QCoreApplication::processEvents();
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
    EXPECT_GE(list->viewport()->height(), 2 * list->sizeHintForRow(0));

    // A scheme name too long for its selector is cut with an ellipsis and shown whole as a tooltip.
    const QString name = QStringLiteral("とても長い名前の配色のためのテスト用の名前");
    QComboBox* selector = Form->ColourGroups[0].SchemeSelector;
    selector->addItem(name);
    selector->setCurrentIndex(selector->count() - 1);
    auto* eliding = dynamic_cast<TElidingComboBox*>(selector);
    ASSERT_NE(eliding, nullptr);
    const QString shown = eliding->ShownText();
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_LE(selector->fontMetrics().horizontalAdvance(shown), TextFieldWidth(selector));
    EXPECT_TRUE(eliding->ToolTipText().startsWith(name + QLatin1Char('\n')));
    EXPECT_TRUE(eliding->ToolTipText().endsWith(selector->toolTip()));
}
