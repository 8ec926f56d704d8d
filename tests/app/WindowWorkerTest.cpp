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
    // Paused: the line stays, with "再開" in place of "中止".
    EXPECT_TRUE(Form->ProgressPanel->isVisible());
    EXPECT_TRUE(Form->ResumeBuildBtn->isVisible());
    EXPECT_FALSE(Form->StopBuildBtn->isVisible());
    EXPECT_TRUE(Form->BuildBtn->isEnabled());
    EXPECT_TRUE(Form->ViewPNumCbBx->isEnabled());
    // A search at a smaller limit may have ended before the stop: then a mark follows the solids.
    const int marks = Form->Session.CompleteUpTo() > 0 ? 1 : 0;
    EXPECT_EQ(Form->ViewPNumCbBx->count(), Form->Session.FoundCount() + 1 + marks);
    QStringList lines = PaneLines();
    EXPECT_EQ(lines.first(), QStringLiteral("1頂点に接する稜の端点の外接円半径:"));
    EXPECT_EQ(lines.at(lines.size() - 1 - marks), QStringLiteral("中止しました。「構築続行」で続きを調べます。"));
    const int step = Form->Session.BuildStep();
    EXPECT_GE(step, 1);

    // "構築続行" carries the same search on, a step at a time.
    Form->StepBuildBtn->click();
    EXPECT_FALSE(Form->Building());
    EXPECT_NE(Form->Session.BuildStep(), step);
    lines = PaneLines();
    EXPECT_EQ(lines.first(), QStringLiteral("1頂点に接する稜の端点の外接円半径:"));  // not a new build
}

TEST_F(WindowWorker, ALongBuildListsWhatSmallerLimitsFindAndResumesWhereItStopped)
{
    StartLongBuild();
    ASSERT_TRUE(Form->Building());
    // The search at 100 vertices ends in moments: its solid (the snub of 60 vertices) is
    // listed while the search at 1000 goes on, marked as complete up to 100 or more.
    QListWidget* list = Form->ViewPNumCbBx;
    const auto marked = [&] {
        return list->count() >= 3 && list->item(list->count() - 1)->text().endsWith(QStringLiteral("頂点以下はすべて"));
    };
    ASSERT_TRUE(QTest::qWaitFor(marked, 120000));
    EXPECT_TRUE(Form->Building());
    QListWidgetItem* mark = list->item(list->count() - 1);
    EXPECT_EQ(mark->flags(), Qt::NoItemFlags);  // a note, not a solid to choose
    EXPECT_TRUE(list->isEnabled());
    EXPECT_FALSE(Form->BuildBtn->isEnabled());
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(Form->Session.SolidAt(1)->Raw.VertexCount, 60);
    const QString complete = mark->text().chopped(QStringLiteral("頂点以下はすべて").size());
    EXPECT_TRUE(complete == QStringLiteral("100") || complete == QStringLiteral("200")) << complete.toStdString();
    EXPECT_EQ(PaneLines().last(), complete + QStringLiteral("頂点以下の立体はこの一覧ですべてです。"));
    EXPECT_TRUE(RunEventsUntil([&] { return Form->ProgressLbl->text().contains(QStringLiteral("頂点以下はすべて")); }));
    if (const char* directory = std::getenv("ZENKARI_SCREENSHOTS"))
        Form->grab().save(QDir(directory).filePath(QStringLiteral("growing-list.png")));

    // Stopped, it keeps the solids and says how far the list is complete.
    Form->StopBuildBtn->click();
    ASSERT_TRUE(RunEventsUntil([&] { return !Form->Building(); }));
    EXPECT_TRUE(Form->ResumeBuildBtn->isVisible());
    EXPECT_TRUE(Form->ProgressLbl->text().startsWith(QStringLiteral("一括構築を中止しています・")))
        << Form->ProgressLbl->text().toStdString();
    EXPECT_GE(Form->Session.CompleteUpTo(), complete.toInt());
    EXPECT_TRUE(list->item(list->count() - 1)->text().endsWith(QStringLiteral("頂点以下はすべて")));
    EXPECT_EQ(Form->Session.SolidAt(1)->Raw.VertexCount, 60);
    const long long stepsBefore = Form->Session.BuildStep();
    EXPECT_GE(stepsBefore, 1);

    // "再開" carries the same one-shot search on in the background, with its progress line.
    Form->ResumeBuildBtn->click();
    EXPECT_TRUE(Form->Building());
    EXPECT_TRUE(Form->StopBuildBtn->isVisible());
    EXPECT_FALSE(Form->ResumeBuildBtn->isVisible());
    EXPECT_TRUE(Form->ProgressLbl->text().startsWith(QStringLiteral("構築中")));
    EXPECT_EQ(list->count() >= 2 ? Form->Session.SolidAt(1)->Raw.VertexCount : 0, 60);  // still listed
    const QString progress = Form->ProgressLbl->text();
    EXPECT_TRUE(RunEventsUntil([&] { return Form->ProgressLbl->text() != progress; }));
    Form->StopBuildBtn->click();
    ASSERT_TRUE(RunEventsUntil([&] { return !Form->Building(); }));
    EXPECT_TRUE(Form->ResumeBuildBtn->isVisible());
    const QStringList lines = PaneLines();
    EXPECT_EQ(lines.first(), QStringLiteral("1頂点に接する稜の端点の外接円半径:"));  // the same build, carried on
    EXPECT_EQ(lines.count(QStringLiteral("中止しました。「構築続行」で続きを調べます。")), 1);

    // A new build of something else leaves nothing of it behind.
    SetPolygons({"4", "4", "4"});
    Form->BuildBtn->click();
    EXPECT_FALSE(Form->ProgressPanel->isVisible());
    EXPECT_EQ(list->count(), 2);
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
