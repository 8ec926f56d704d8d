// SPDX-License-Identifier: GPL-3.0-or-later
// One-shot builds on the worker: the window stays live while a long search runs, "中止"
// pauses it as the 100-solid pause does, and closing the window mid-build is clean.

#include "app/WindowFixture.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Lets the event loop run until done() holds, at most ten seconds.
template <class TDone>
bool RunEventsUntil(TDone done)
{
    return QTest::qWaitFor(done, 10000);
}

bool SameMatrix(const TMatrix3& a, const TMatrix3& b)
{
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            if (a.M[i][j] != b.M[i][j])
                return false;
    return true;
}

}  // namespace

class WindowWorker : public Window {
protected:
    // (3, 3, 3, 3, 3, 5/2) at limit 1000 wanders for hundreds of millions of steps, far
    // longer than any test runs; its slice on the window's thread ends after 64 steps, so
    // the hand-over to the worker comes at the same place on every machine.
    void StartLongBuild()
    {
        Form->SyncBuildSteps = 64;
        Form->SatellatedChBx->setChecked(true);
        SetPolygons({"3", "3", "3", "3", "3", "5/2"});
        Choose(Form->VertexLimitCbBx, QStringLiteral("1000"));
        Form->BuildBtn->click();
    }
};

TEST_F(WindowWorker, LongBuildKeepsTheWindowLiveAndStopsOnRequest)
{
    Form->AutoChBx->setChecked(true);
    Form->BtnRight->click();  // auto-rotation to the right
    StartLongBuild();
    // The click returns after its slice, the search still running behind it.
    ASSERT_TRUE(Form->Building());
    EXPECT_TRUE(Form->ProgressPanel->isVisible());
    EXPECT_TRUE(Form->ProgressLbl->text().startsWith(QStringLiteral("構築中")))
        << Form->ProgressLbl->text().toStdString();
    EXPECT_FALSE(Form->BuildBtn->isEnabled());
    EXPECT_FALSE(Form->ViewPNumCbBx->isEnabled());
    EXPECT_FALSE(Form->PolyhedronCbBx->isEnabled());
    EXPECT_TRUE(Form->BtnUp->isEnabled());

    // The view keeps turning while the search runs.
    const TMatrix3 start = Form->ViewMatrix;
    EXPECT_TRUE(RunEventsUntil([&] { return !SameMatrix(Form->ViewMatrix, start); }));
    const QString progress = Form->ProgressLbl->text();
    EXPECT_TRUE(RunEventsUntil([&] { return Form->ProgressLbl->text() != progress; }));
    EXPECT_TRUE(Form->Building());
    if (const char* directory = std::getenv("ZENKARI_SCREENSHOTS"))
        Form->grab().save(QDir(directory).filePath(QStringLiteral("building.png")));

    Form->StopBuildBtn->click();
    ASSERT_TRUE(RunEventsUntil([&] { return !Form->Building(); }));
    EXPECT_FALSE(Form->ProgressPanel->isVisible());
    EXPECT_TRUE(Form->BuildBtn->isEnabled());
    EXPECT_TRUE(Form->ViewPNumCbBx->isEnabled());
    EXPECT_EQ(Form->ViewPNumCbBx->count(), Form->Session.FoundCount() + 1);
    QStringList lines = PaneLines();
    EXPECT_EQ(lines.first(), QStringLiteral("1頂点に接する稜の端点の外接円半径:"));
    EXPECT_EQ(lines.last(), QStringLiteral("中止しました。「構築続行」で続きを調べます。"));
    const int step = Form->Session.BuildStep();
    EXPECT_GE(step, 1);

    // "構築続行" carries the same search on, a step at a time.
    Form->StepBuildBtn->click();
    EXPECT_FALSE(Form->Building());
    EXPECT_NE(Form->Session.BuildStep(), step);
    lines = PaneLines();
    EXPECT_EQ(lines.first(), QStringLiteral("1頂点に接する稜の端点の外接円半径:"));  // not a new build
}

TEST_F(WindowWorker, ClosingTheWindowMidBuildIsClean)
{
    StartLongBuild();
    ASSERT_TRUE(Form->Building());
    QCoreApplication::processEvents();
    Form.reset();  // stops the worker and waits for it
    SUCCEED();
}

TEST_F(WindowWorker, ShortBuildsShowNoProgress)
{
    Form->SyncBuildSteps = 1LL << 40;  // a slice no catalogue search outlasts
    Choose(Form->PolyhedronCbBx, Form->PolyhedronCbBx->itemText(2 * 14));
    EXPECT_FALSE(Form->Building());
    EXPECT_FALSE(Form->ProgressPanel->isVisible());
    EXPECT_EQ(Form->ViewPNumCbBx->currentRow(), 2);
}
