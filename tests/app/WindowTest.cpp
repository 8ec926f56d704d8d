// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window, driven as a user drives it, under xvfb-run.

#include "app/WindowFixture.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

double NumberAfterSpaces(const QString& line)
{
    EXPECT_TRUE(line.startsWith(QStringLiteral("　　"))) << line.toStdString();
    return line.mid(2).toDouble();
}

}  // namespace

TEST_F(Window, OneShotBuildOfTheTetrahedron)
{
    SetPolygons({"3", "3", "3"});
    Form->BuildBtn->click();
    const QStringList lines = PaneLines();
    ASSERT_EQ(lines.size(), 10) << Form->Memo1->toPlainText().toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("1頂点に接する稜の端点の外接円半径:"));
    EXPECT_NEAR(NumberAfterSpaces(lines[1]), 1 / std::sqrt(3.0), 1e-12);
    EXPECT_NEAR(NumberAfterSpaces(lines[3]), std::sqrt(6.0) / 4, 1e-12);
    EXPECT_EQ(lines[7], QStringLiteral("1個この形の立体がありました。"));
    EXPECT_EQ(lines[8], QStringLiteral("全通り調べ終わりました。"));
    EXPECT_EQ(lines[9], QStringLiteral("-------------------------"));
    ASSERT_EQ(Form->ViewPNumCbBx->count(), 2);
    EXPECT_EQ(Form->ViewPNumCbBx->currentItem()->text(), QStringLiteral(" 1番目"));
    EXPECT_EQ(Form->LblFaceNum->text(), QStringLiteral("面の数：4"));
    EXPECT_EQ(Form->LblVertexNum->text(), QStringLiteral("頂点の数：4"));
    EXPECT_EQ(Form->LblEdgeNum->text(), QStringLiteral("辺の数：6"));
    EXPECT_EQ(Form->LblSufaceArea->text(), QStringLiteral("表面積："));
    EXPECT_EQ(Form->StringGrid1->item(1, 1)->text(), QStringLiteral("3"));
    EXPECT_EQ(Form->StringGrid1->item(1, 4), nullptr);
    EXPECT_EQ(Form->DXDraw1->Presented > 0, true);

    // A click on the row already chosen runs the list's click handler: the figures fill in.
    QListWidget* list = Form->ViewPNumCbBx;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->currentItem()).center());
    EXPECT_TRUE(Form->LblSufaceArea->text().startsWith(QStringLiteral("表面積：1.73205")))
        << Form->LblSufaceArea->text().toStdString();
    EXPECT_EQ(list->currentRow(), 1);
}

TEST_F(Window, StepBuildPressByPress)
{
    SetPolygons({"3", "3", "3"});
    Form->StepBuildBtn->click();  // at start-up a step build begins
    EXPECT_EQ(Form->LblFaceNum->text(), QStringLiteral("面の数：3"));
    EXPECT_EQ(Form->ViewPNumCbBx->currentRow(), 0);
    for (int press = 0; press < 3; ++press)
        Form->StepBuildBtn->click();
    EXPECT_EQ(Form->LblFaceNum->text(), QStringLiteral("面の数：4"));
    EXPECT_EQ(Form->ViewPNumCbBx->count(), 1);
    Form->StepBuildBtn->click();
    EXPECT_EQ(Form->ViewPNumCbBx->count(), 2);
    const QString pane = Form->Memo1->toPlainText();
    Form->StepBuildBtn->click();  // after the end: nothing changes
    EXPECT_EQ(Form->Memo1->toPlainText(), pane);
    EXPECT_EQ(Form->ViewPNumCbBx->currentRow(), 0);
}

TEST_F(Window, DualOfTheCubeWithItsFiguresAndReport)
{
    SetPolygons({"4", "4", "4"});
    Form->BuildBtn->click();
    Form->DualChBx->setChecked(true);
    EXPECT_EQ(Form->LblFaceNum->text(), QStringLiteral("面の数：8"));
    EXPECT_EQ(Form->LblVertexNum->text(), QStringLiteral("頂点の数：6"));
    EXPECT_EQ(Form->LblEdgeNum->text(), QStringLiteral("辺の数：12"));
    EXPECT_TRUE(Form->LblSphereRadius->text().startsWith(QStringLiteral("内接球半径：0.866025403784")));
    const QStringList lines = PaneLines();
    EXPECT_EQ(lines[10], QStringLiteral("双対立体の辺の長さ："));
    EXPECT_TRUE(lines[11].startsWith(QStringLiteral("辺 1 = 1.41421356237")));
    EXPECT_EQ(lines.back(), QStringLiteral("-------------------------"));
    Form->DualChBx->setChecked(false);
    Form->DualChBx->setChecked(true);
    EXPECT_EQ(PaneLines().size(), lines.size());  // the report comes once per build
}

TEST_F(Window, PolygonBoxesAndTheKindList)
{
    Choose(Form->CBatVertex, QStringLiteral("16"));
    for (QComboBox* box : Form->PolygonCbBx)
        EXPECT_TRUE(box->isVisible());
    Choose(Form->CBatVertex, QStringLiteral("3"));
    EXPECT_FALSE(Form->PolygonCbBx[3]->isVisible());
    EXPECT_EQ(Form->PolygonCbBx[0]->currentText(), QStringLiteral("20"));

    Choose(Form->MaxRegPolygonCbBx, QStringLiteral("5"));
    Form->SatellatedChBx->setChecked(true);
    QStringList items;
    for (int i = 0; i < Form->PolygonCbBx[0]->count(); ++i)
        items << Form->PolygonCbBx[0]->itemText(i);
    EXPECT_EQ(items, (QStringList{"3", "3/2", "4", "4/3", "5", "5/2", "5/3", "5/4"}));
    for (QComboBox* box : Form->PolygonCbBx)
        EXPECT_EQ(box->currentText(), QStringLiteral("3"));
    Form->SatellatedChBx->setChecked(false);
    EXPECT_EQ(Form->PolygonCbBx[15]->currentText(), QStringLiteral("5"));
    EXPECT_EQ(Form->PolygonCbBx[0]->count(), 3);
}

TEST_F(Window, ArrowTurnsThreePointSixDegreesWithoutAutoRotation)
{
    Form->AutoChBx->setChecked(false);
    Form->BtnRight->click();
    EXPECT_NEAR(std::atan2(Form->ViewMatrix.M[0][1], Form->ViewMatrix.M[0][0]) * 180 / M_PI, 3.6, 1e-12);
    Form->AutoChBx->setChecked(true);
    Form->BtnUp->click();
    Form->BtnRight->click();
    EXPECT_TRUE(Form->AutoTurnRight);
    EXPECT_FALSE(Form->AutoTiltUp);
    Form->AutoChBx->setChecked(false);
    EXPECT_FALSE(Form->AutoTurnRight);
}

TEST_F(Window, RefusedBuildsAndButtonsInAnyOrder)
{
    Form->StepBuildBtn->click();  // before any build, with the default (20, 20, 20)
    // Nothing on show: no save dialog, but a word saying why.
    QString said;
    QTimer::singleShot(0, Form.get(), [&said] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            said = box->text();
            box->accept();
        }
    });
    Form->VRMLBtn->click();
    EXPECT_TRUE(said.startsWith(QStringLiteral("表示している立体がないので、書き出すものがありません。")))
        << said.toStdString();
    SetPolygons({"6", "6", "6"});
    Form->BuildBtn->click();
    EXPECT_EQ(PaneLines(),
              (QStringList{"不可能な組み合わせです。構築不能です。", "一番角数の大きい多角形の角数を下げるか。",
                           "それ以外の正多角形の角数を上げてください。", "-------------------------"}));
    ASSERT_EQ(Form->ViewPNumCbBx->count(), 1);
    EXPECT_EQ(Form->ViewPNumCbBx->item(0)->text(), QStringLiteral("構築中"));
    Form->StepBuildBtn->click();  // after a failed preparation
    Form->ResetBuildBtn->click();
    Form->DualChBx->setChecked(true);
    Form->CompoundChBx->setChecked(true);
    Form->BtnStop->click();
    Form->TimerDownTimer();
    EXPECT_EQ(Form->ViewPNumCbBx->count(), 1);
}

TEST_F(Window, CatalogueChoiceSetsTheControlsAndShowsOnce)
{
    Choose(Form->MaxRegPolygonCbBx, QStringLiteral("4"));
    const int presented = Form->DXDraw1->Presented;
    Choose(Form->PolyhedronCbBx, Form->PolyhedronCbBx->itemText(16));  // (3, 10, 10)
    EXPECT_EQ(Form->DXDraw1->Presented, presented + 1);
    EXPECT_EQ(Form->MaxRegPolygonCbBx->currentText(), QStringLiteral("10"));
    EXPECT_EQ(Form->PolygonCbBx[1]->currentText(), QStringLiteral("10"));
    EXPECT_FALSE(Form->SatellatedChBx->isChecked());
    Choose(Form->PolyhedronCbBx, Form->PolyhedronCbBx->itemText(0));  // the tetrahedron: maximum stays
    EXPECT_EQ(Form->MaxRegPolygonCbBx->currentText(), QStringLiteral("10"));

    Choose(Form->PolyhedronCbBx, Form->PolyhedronCbBx->itemText(2 * 58));
    EXPECT_TRUE(Form->SatellatedChBx->isChecked());
    EXPECT_TRUE(Form->AddingChBx->isChecked());
    EXPECT_EQ(Form->CBCover->currentText(), QStringLiteral("0"));
    EXPECT_EQ(Form->PolygonCbBx[3]->currentText(), QStringLiteral("8/7"));
    EXPECT_TRUE(Form->PolygonCbBx[4]->isVisible());
    EXPECT_FALSE(Form->PolygonCbBx[5]->isVisible());

    Choose(Form->PolyhedronCbBx, Form->PolyhedronCbBx->itemText(2 * 14 + 1));  // a dual, second solid
    EXPECT_EQ(Form->ViewPNumCbBx->currentRow(), 2);
    EXPECT_TRUE(Form->DualChBx->isChecked());
    EXPECT_FALSE(Form->AddingChBx->isChecked());
    EXPECT_EQ(Form->SolidInfoRcEd->toPlainText(),
              QStringLiteral("アルキメデスの立体の双対図形です。カタロニアの立体といいます。"));
    EXPECT_EQ(Form->LblFaceNum->text(), QStringLiteral("面の数：24"));

    const QString pane = Form->Memo1->toPlainText();
    Form->EngCkBx->setChecked(true);  // another language, the same selection, no build
    EXPECT_EQ(Form->PolyhedronCbBx->currentIndex(), 29);
    EXPECT_EQ(Form->PolyhedronCbBx->currentText(), QStringLiteral("d(3, 4, 4, 4) Trapezoidal Icositetrahedron"));
    EXPECT_EQ(Form->Memo1->toPlainText(), pane);
}

TEST_F(Window, EveryCatalogueItemBuildsAndShowsItsSolid)
{
    for (int item = 0; item < Form->PolyhedronCbBx->count(); ++item) {
        const int presented = Form->DXDraw1->Presented;
        Choose(Form->PolyhedronCbBx, Form->PolyhedronCbBx->itemText(item));
        const int row = Form->ViewPNumCbBx->currentRow();
        EXPECT_GE(row, 1) << item;
        EXPECT_LT(row, Form->ViewPNumCbBx->count()) << item;
        EXPECT_EQ(Form->DualChBx->isChecked(), item % 2 == 1) << item;
        EXPECT_EQ(Form->DXDraw1->Presented, presented + 1) << item;
    }
}

TEST_F(Window, TypingIntoTheSelectorDoesNothing)
{
    const int limit = Form->VertexLimitCbBx->currentIndex();
    Form->PolyhedronCbBx->setEditText(QStringLiteral("立方体"));
    emit Form->PolyhedronCbBx->activated(-1);
    EXPECT_EQ(Form->VertexLimitCbBx->currentIndex(), limit);
    EXPECT_EQ(Form->Memo1->toPlainText(), QString());
    EXPECT_EQ(Form->SolidInfoRcEd->toPlainText(), QString());
}

TEST_F(Window, Screenshots)
{
    const char* directory = std::getenv("ZENKARI_SCREENSHOTS");
    if (directory == nullptr)
        GTEST_SKIP() << "set ZENKARI_SCREENSHOTS to a directory to save pictures of the window";
    Choose(Form->PolyhedronCbBx, Form->PolyhedronCbBx->itemText(2 * 17));  // the snub cube, by name
    Form->PgCtrlInfo->setCurrentIndex(1);
    Form->grab().save(QDir(directory).filePath(QStringLiteral("default-size.png")));
    // The help page, as F1 shows it, photographed and closed.
    QTimer::singleShot(0, [directory] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->grab().save(QDir(directory).filePath(QStringLiteral("help.png")));
            box->close();
        }
    });
    Form->ShowHelp();
    Form->PgCtrlInfo->setCurrentIndex(0);
    Form->resize(900, 620);
    SetPolygons({"3", "3", "3", "3", "4"});
    Form->BuildBtn->click();
    Form->TimerDownTimer();
    Form->grab().save(QDir(directory).filePath(QStringLiteral("snub-cube.png")));
    SetPolygons({"3", "3", "3", "3"});
    Form->SatellatedChBx->setChecked(true);
    SetPolygons({"3", "5/2", "3", "5/2"});
    Form->BuildBtn->click();
    Form->CompoundChBx->setChecked(true);
    Form->PgCtrlInfo->setCurrentIndex(1);
    Form->grab().save(QDir(directory).filePath(QStringLiteral("great-icosidodecahedron-compound.png")));
    Form->CompoundChBx->setChecked(false);
    Form->SkeltonRdGp->button(4)->click();
    Form->PgCtrlInfo->setCurrentIndex(4);
    Form->grab().save(QDir(directory).filePath(QStringLiteral("frame-mode.png")));
    Form->PgCtrlInfo->setCurrentIndex(2);
    Form->grab().save(QDir(directory).filePath(QStringLiteral("colour-page.png")));

    // A star solid's figures at the design size and larger, the smallest window asked
    // for, and the save dialog.
    Form->SkeltonRdGp->button(1)->click();
    Form->resize(712, 509);
    Choose(Form->PolyhedronCbBx, Form->PolyhedronCbBx->itemText(2 * 76));
    Form->PgCtrlInfo->setCurrentIndex(1);
    Form->grab().save(QDir(directory).filePath(QStringLiteral("star-default-size.png")));
    Form->resize(1100, 760);
    QCoreApplication::processEvents();
    Form->TimerDownTimer();  // notices the new size and redraws
    Form->grab().save(QDir(directory).filePath(QStringLiteral("star-larger.png")));
    Form->resize(500, 400);
    Form->grab().save(QDir(directory).filePath(QStringLiteral("asked-500x400.png")));
    QTimer::singleShot(0, Form.get(), [this, directory] {
        Form->VRMLSaveDialog->grab().save(QDir(directory).filePath(QStringLiteral("save-dialog.png")));
        Form->VRMLSaveDialog->reject();
    });
    Form->VRMLBtn->click();
}

TEST_F(Window, TheInformationPageNamesTheSymmetryAndWhetherEveryVertexIsAlike)
{
    // (3, 4, 4, 4) builds the rhombicuboctahedron and the pseudo-rhombicuboctahedron, whose
    // vertices look alike but are not all carried onto each other by a symmetry.
    SetPolygons({"3", "4", "4", "4"});
    Form->BuildBtn->click();
    ASSERT_GE(Form->Session.FoundCount(), 2);
    QStringList shown;
    for (int row = 1; row <= Form->Session.FoundCount(); ++row) {
        Form->ViewPNumCbBx->setCurrentRow(row);
        shown << Form->LblSymmetry->text() + " / " + Form->LblVertexOrbits->text() + " / " + Form->LblEuler->text();
    }
    shown.removeDuplicates();
    shown.sort();
    EXPECT_EQ(shown, QStringList({QStringLiteral("対称性：D4d（位数16） / 頂点の軌道：2（一様でない） / "
                                                 "オイラー標数：2・向き付け可能"),
                                  QStringLiteral("対称性：Oh（位数48） / 頂点の軌道：1（どの頂点も同じ：一様） / "
                                                 "オイラー標数：2・向き付け可能")}));

    // The dual has the solid's group; its vertex orbits are not the solid's.
    Form->DualChBx->setChecked(true);
    EXPECT_TRUE(Form->LblSymmetry->text().startsWith(QStringLiteral("対称性：")));
    EXPECT_GT(Form->LblSymmetry->text().size(), 4);
    EXPECT_EQ(Form->LblVertexOrbits->text(), QStringLiteral("頂点の軌道："));
    Form->DualChBx->setChecked(false);

    // A chiral solid, in English; the tetrahemihexahedron cannot be oriented.
    Form->LanguageCbBx->setCurrentIndex(1);
    Form->SatellatedChBx->setChecked(true);  // star and backward polygons offered
    SetPolygons({"3", "3", "3", "3", "4"});
    Form->BuildBtn->click();
    EXPECT_EQ(Form->LblSymmetry->text(), QStringLiteral("Symmetry: O (order 24, chiral)"));
    EXPECT_EQ(Form->LblVertexOrbits->text(), QStringLiteral("Vertex orbits: 1 (every vertex alike: uniform)"));
    SetPolygons({"3/2", "4", "3", "4"});
    Form->BuildBtn->click();
    EXPECT_EQ(Form->LblEuler->text(), QStringLiteral("Euler characteristic: 1, not orientable"));
    EXPECT_EQ(Form->LblSymmetry->text(), QStringLiteral("Symmetry: Td (order 24)"));

    // The solid under construction is not classified.
    Form->ViewPNumCbBx->setCurrentRow(0);
    EXPECT_EQ(Form->LblSymmetry->text(), QStringLiteral("Symmetry: "));
}
