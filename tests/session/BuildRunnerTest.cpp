// SPDX-License-Identifier: GPL-3.0-or-later
// The runner every front end starts a one-shot build with: a build over within its first
// slice never touches the worker; the rest of a longer one goes on there and comes back
// as the same build run on one thread would; a stop asked from the caller's thread pauses it.

#include "session/BuildRunner.h"
#include "support/SolidDump.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

struct TAdopted {
    TBuildSession Session;
    TLinePane Pane;
};

void AdoptInto(TOneShotBuild& build, TAdopted& adopted)
{
    ASSERT_FALSE(adopted.Session.Adopt(build, adopted.Pane));
}

// Take waits for the worker to let go of the build: no polling, no clock.
std::unique_ptr<TOneShotBuild> RunToTheEnd(TBuildRunner& runner)
{
    return runner.Take();
}

}  // namespace

TEST(BuildRunner, ABuildWithoutASliceIsOverOnTheCallersThread)
{
    TBuildRunner runner;
    ASSERT_TRUE(runner.Start(Config("(3, 4, 5, 4)"), TBuildSlice{}));
    EXPECT_FALSE(runner.Running());
    std::unique_ptr<TOneShotBuild> build = runner.Take();
    ASSERT_NE(build, nullptr);
    EXPECT_FALSE(runner.Stopped());
    TAdopted adopted;
    AdoptInto(*build, adopted);
    EXPECT_EQ(adopted.Session.FoundCount(), 1);
}

TEST(BuildRunner, TheRestOfABuildOnTheWorkerEndsAsOnOneThread)
{
    const TVertexConfiguration config = Config("(3/2, 6, 6, 6)");
    TOneShotBuild alone(config);
    alone.Run(nullptr);
    TAdopted expected;
    AdoptInto(alone, expected);

    TBuildRunner runner;
    std::atomic<int> doneCalls{0};
    // A slice of no steps: the build pauses at its first look and the worker takes it on.
    ASSERT_FALSE(runner.Start(config, TBuildSlice{0}, [&doneCalls] { ++doneCalls; }));
    EXPECT_TRUE(runner.Running());
    std::unique_ptr<TOneShotBuild> build = RunToTheEnd(runner);
    EXPECT_EQ(doneCalls.load(), 1);
    EXPECT_FALSE(runner.Running());
    EXPECT_FALSE(runner.Stopped());
    TAdopted adopted;
    AdoptInto(*build, adopted);
    EXPECT_EQ(adopted.Pane.Lines, expected.Pane.Lines);
    ASSERT_EQ(adopted.Session.FoundCount(), expected.Session.FoundCount());
    for (int pos = 1; pos <= expected.Session.FoundCount(); ++pos)
        EXPECT_EQ(DumpSolid(adopted.Session.SolidAt(pos)->Raw), DumpSolid(expected.Session.SolidAt(pos)->Raw)) << pos;

    // The runner takes the next build as it took the first, on the same worker.
    ASSERT_FALSE(runner.Start(config, TBuildSlice{0}));
    build = RunToTheEnd(runner);
    EXPECT_EQ(build->Search.FoundCount(), expected.Session.FoundCount());
}

TEST(BuildRunner, StopAskedFromTheCallersThreadPausesTheWorker)
{
    // (3, 3, 3, 3, 3, 5/2) at 1000 runs for minutes unless it is stopped.
    TBuildRunner runner;
    ASSERT_FALSE(runner.Start(Config("(3, 3, 3, 3, 3, 5/2)", 1000), TBuildSlice{0}));
    runner.RequestStop();
    std::unique_ptr<TOneShotBuild> build = RunToTheEnd(runner);
    EXPECT_TRUE(runner.Stopped());
    TAdopted adopted;
    AdoptInto(*build, adopted);
    EXPECT_EQ(adopted.Pane.Lines.back(), "中止しました。「構築続行」で続きを調べます。");
}
