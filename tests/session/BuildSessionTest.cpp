// SPDX-License-Identifier: GPL-3.0-or-later
// The session as every caller drives it: when the dual is formed and tried again, when its
// report is written, and a one-shot build run on the kept worker thread and stopped from
// another one.

#include "session/BuildSession.h"
#include "common/WorkerThread.h"
#include "support/SolidDump.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// (4, 4, 3, 3/2): two squares through the centre stand side by side, so its dual has
// points at infinity that nothing can stand in for and is abandoned.
constexpr const char* AbandonsItsDual = "(4, 4, 3, 3/2)";
const std::string Abandoned = "無限遠点を含むため双対図形処理を中断しました";

TDisplaySettings DualShown()
{
    TDisplaySettings settings;
    settings.DualShown = true;
    return settings;
}

int Count(const std::vector<std::string>& lines, const std::string& line)
{
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

int ReportHeadings(const std::vector<std::string>& lines)
{
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.rfind("双対", 0) == 0 && line.find("辺の長さ") != std::string::npos;
    }));
}

// A session with the dual shown, as the window has it when "双対" is checked.
class BuildSessionDual : public ::testing::Test {
protected:
    // One press, then the redraw's forming of what is shown at list position sel.
    void PressAndShow(TBuildMode mode, const char* text, int sel, TLinePane& lines)
    {
        ASSERT_FALSE(session.Press(mode, Config(text), settings, lines)) << text;
        session.Show(sel, settings, lines);
    }

    TBuildSession session;
    TLinePane pane;
    const TDisplaySettings settings = DualShown();
};

}  // namespace

TEST_F(BuildSessionDual, AnAbandonedDualIsNotTriedAgainForItsSolidButANewBuildFormsItsOwn)
{
    PressAndShow(TBuildMode::OneShot, AbandonsItsDual, 0, pane);
    ASSERT_TRUE(session.Marks().DualAborted);
    ASSERT_EQ(Count(pane.Lines, Abandoned), 1);

    // Clicks on the list and on the boxes do not try the same solid's dual again.
    for (int click = 0; click < 3; ++click) {
        session.SelectionChanged(settings);
        session.Show(click % 2, settings, pane);
    }
    EXPECT_EQ(Count(pane.Lines, Abandoned), 1);
    EXPECT_TRUE(session.Marks().DualAborted);

    // A new build, one-shot or step, forms the dual of what it builds.
    for (const TBuildMode mode : {TBuildMode::OneShot, TBuildMode::Start}) {
        PressAndShow(TBuildMode::OneShot, AbandonsItsDual, 0, pane);
        ASSERT_TRUE(session.Marks().DualAborted);
        TLinePane fresh;
        PressAndShow(mode, "(3, 4, 5, 4)", mode == TBuildMode::OneShot ? 1 : 0, fresh);
        EXPECT_FALSE(session.Marks().DualAborted);
        EXPECT_GT(session.Dual().Faces.FaceCount, 0);
        EXPECT_EQ(Count(fresh.Lines, Abandoned), 0);
    }
}

TEST_F(BuildSessionDual, AStepAfterAnAbandonedDualKeepsItAbandoned)
{
    PressAndShow(TBuildMode::Start, AbandonsItsDual, 0, pane);
    ASSERT_TRUE(session.Marks().DualAborted);
    for (int press = 0; press < 4 && !session.SearchEnded(); ++press)
        PressAndShow(TBuildMode::Continue, AbandonsItsDual, 0, pane);
    EXPECT_EQ(Count(pane.Lines, Abandoned), 1);
}

TEST_F(BuildSessionDual, TheDualsReportIsWrittenOncePerBuildNotPerStep)
{
    PressAndShow(TBuildMode::Start, "(3, 4, 5, 4)", 0, pane);
    ASSERT_EQ(ReportHeadings(pane.Lines), 1);
    for (int press = 0; press < 5; ++press) {
        PressAndShow(TBuildMode::Continue, "(3, 4, 5, 4)", 0, pane);
        session.SelectionChanged(settings);
        session.Show(0, settings, pane);
    }
    EXPECT_EQ(ReportHeadings(pane.Lines), 1);

    // A new build clears the pane and writes the report once more.
    TLinePane next;
    PressAndShow(TBuildMode::OneShot, "(3, 4, 5, 4)", 1, next);
    EXPECT_EQ(ReportHeadings(next.Lines), 1);
}

TEST(BuildSession, OneShotOnTheWorkerStoppedFromAnotherThreadIsAdoptedWhole)
{
    // (3, 3, 3, 3, 3, 5/2) at 1000 runs for minutes: Stop, asked from this thread while the
    // worker runs (or before it has begun), pauses it at its next look, every 64 steps.
    TVertexConfiguration config = Config("(3, 3, 3, 3, 3, 5/2)", 1000);
    TOneShotBuild build(config);
    TSearchControl control;
    TWorkerThread worker;
    worker.Run([&build, &control] { build.Run(&control); });
    control.StopRequested = true;
    worker.Wait();
    ASSERT_TRUE(control.Stopped);

    TBuildSession session;
    TLinePane pane;
    ASSERT_FALSE(session.Adopt(build, pane));
    EXPECT_EQ(pane.Lines.back(), "中止しました。「構築続行」で続きを調べます。");
    EXPECT_GE(session.BuildStep(), 1);
    EXPECT_EQ(session.FoundCount(), control.Found.load());
    // The search goes on, a step at a time, on this thread.
    const int step = session.BuildStep();
    ASSERT_FALSE(session.Press(TBuildMode::Continue, config, TDisplaySettings{}, pane));
    EXPECT_NE(session.BuildStep(), step);
}
