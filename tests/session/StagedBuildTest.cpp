// SPDX-License-Identifier: GPL-3.0-or-later
// A long one-shot build shows at once what the same search at smaller limits finds: every
// solid of at most that many vertices. Checked against the plain search at those limits on
// the hyperbolic configurations, whose searches at high limits run for minutes, with the
// build paused at several places, carried on, and stepped on.

#include "session/BuildRunner.h"
#include "support/SolidDump.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <set>

namespace {

std::vector<std::string> Dumps(const TBuildSession& session)
{
    std::vector<std::string> dumps;
    for (int pos = 1; pos <= session.FoundCount(); ++pos)
        dumps.push_back(DumpSolid(session.SolidAt(pos)->Raw));
    return dumps;
}

// The plain search at limit, to its end.
std::vector<std::string> PlainSearch(const std::string& text, int limit)
{
    TOneShotBuild build(Config(text, limit));
    build.Run();
    EXPECT_TRUE(build.Search.Ended(build.Step)) << text << " at " << limit;
    TBuildSession session;
    TLinePane pane;
    EXPECT_FALSE(session.Adopt(build, pane));
    return Dumps(session);
}

struct TStagedCase {
    const char* Text;
    int Stage;  // the smaller limit
    int Limit;
};

// (3, 3, 3, 3, 3, 5/2) finds its snub solid of 60 vertices at every limit; the other two
// find nothing, and say so completely at the smaller limit.
const TStagedCase Cases[] = {
    {"(3, 3, 3, 3, 3, 5/2)", 60, 200},
    {"(3/2, 6, 6, 6)", 100, 300},
    {"(4/3, 5, 5, 5)", 100, 300},
};

}  // namespace

TEST(StagedBuild, ASmallerLimitsListStaysCompleteBesideThePausedBuildAndTheEndReplacesIt)
{
    int paused = 0;
    for (const TStagedCase& c : Cases) {
        const std::vector<std::string> smaller = PlainSearch(c.Text, c.Stage);
        const std::vector<std::string> whole = PlainSearch(c.Text, c.Limit);
        for (const long long pause : {64LL, 4096LL, 65536LL}) {
            SCOPED_TRACE(std::string(c.Text) + " paused after " + std::to_string(pause) + " steps");

            TBuildSession session;
            TLinePane pane;
            TOneShotBuild stage(Config(c.Text, c.Stage));
            stage.Run();
            session.AdoptStage(stage, c.Stage, pane);
            EXPECT_TRUE(session.Provisional());
            EXPECT_EQ(Dumps(session), smaller);

            auto build = std::make_unique<TOneShotBuild>(Config(c.Text, c.Limit));
            TSearchControl slice;
            slice.StepDeadline = pause;
            build->Run(&slice);
            if (build->Search.Ended(build->Step))
                continue;  // over before the pause: nothing provisional to check
            ++paused;
            ASSERT_FALSE(session.Adopt(*build, pane));
            EXPECT_TRUE(session.Provisional());
            EXPECT_TRUE(session.CanResume());
            EXPECT_EQ(session.CompleteUpTo(), c.Stage);
            EXPECT_EQ(pane.Lines.back(), std::to_string(c.Stage) + "頂点以下の立体はこの一覧ですべてです。");
            // Every solid of the smaller search is listed, each solid once.
            const std::vector<std::string> listed = Dumps(session);
            const std::set<std::string> distinct(listed.begin(), listed.end());
            EXPECT_EQ(distinct.size(), listed.size());
            for (const std::string& solid : smaller)
                EXPECT_EQ(distinct.count(solid), 1u);

            // Carried on from where it paused, it ends as the plain search does.
            ASSERT_FALSE(session.Release(*build));
            EXPECT_EQ(Dumps(session), listed);  // still on show meanwhile
            EXPECT_FALSE(session.CanResume());
            TSearchControl rest;
            rest.ResumeVertex = build->Step;
            build->Resume(rest);
            ASSERT_FALSE(session.Adopt(*build, pane));
            EXPECT_EQ(Dumps(session), whole);
            EXPECT_FALSE(session.Provisional());
            EXPECT_EQ(session.CompleteUpTo(), c.Limit);
        }
    }
    EXPECT_GE(paused, 5);
}

TEST(StagedBuild, SteppingAPausedBuildOnKeepsItsListUntilANewBuild)
{
    const char* text = "(3, 3, 3, 3, 3, 5/2)";
    TBuildSession session;
    TLinePane pane;
    TOneShotBuild stage(Config(text, 60));
    stage.Run();
    session.AdoptStage(stage, 60, pane);
    TOneShotBuild build(Config(text, 200));
    TSearchControl slice;
    slice.StepDeadline = 64;
    build.Run(&slice);
    ASSERT_FALSE(session.Adopt(build, pane));
    ASSERT_EQ(session.FoundCount(), 1);  // the snub solid, kept from the smaller search
    const std::string snub = DumpSolid(session.SolidAt(1)->Raw);
    // "構築続行" steps the paused search on; the kept solid stays listed, once, and the
    // search can still be resumed in one go.
    TNullPane quiet;
    for (int press = 0; press < 300; ++press)
        ASSERT_FALSE(session.Press(TBuildMode::Continue, Config(text, 200), TDisplaySettings{}, quiet));
    EXPECT_EQ(session.FoundCount(), 1);
    EXPECT_EQ(DumpSolid(session.SolidAt(1)->Raw), snub);
    EXPECT_TRUE(session.Provisional());
    EXPECT_TRUE(session.CanResume());
    // A new step build forgets it all.
    ASSERT_FALSE(session.Press(TBuildMode::Start, Config(text, 200), TDisplaySettings{}, pane));
    EXPECT_FALSE(session.Provisional());
    EXPECT_EQ(session.FoundCount(), 0);
}

TEST(StagedBuild, TheSmallerLimitsAreDoublingsFromAHundredBelowTheLimit)
{
    EXPECT_EQ(StageLimits(1000), (std::vector<int>{100, 200, 400, 800}));
    EXPECT_EQ(StageLimits(200), (std::vector<int>{100}));
    EXPECT_EQ(StageLimits(110), (std::vector<int>{100}));
    EXPECT_TRUE(StageLimits(100).empty());
    EXPECT_TRUE(StageLimits(10).empty());
}

namespace {

// Waits, without a clock, until the runner has said that a smaller search has ended.
class TStageSignal {
public:
    TBuildRunner::TDone Callback()
    {
        return [this] {
            const std::lock_guard lock(Mutex);
            ++Count;
            Changed.notify_all();
        };
    }
    void WaitFor(int count)
    {
        std::unique_lock lock(Mutex);
        Changed.wait(lock, [&] { return Count >= count; });
    }

private:
    std::mutex Mutex;
    std::condition_variable Changed;
    int Count = 0;
};

}  // namespace

TEST(StagedBuild, TheRunnersSmallerSearchesEndWhileTheBuildRunsAndGoOnWhenItIsResumed)
{
    // (3, 3, 3, 3, 3, 5/2) at 1000 runs for many minutes; at 100 and 200 it ends in moments.
    const TVertexConfiguration config = Config("(3, 3, 3, 3, 3, 5/2)", 1000);
    const std::vector<std::string> at100 = PlainSearch("(3, 3, 3, 3, 3, 5/2)", 100);
    TBuildRunner runner;
    TStageSignal stages;
    ASSERT_FALSE(runner.Start(config, TBuildSlice{0}, {}, stages.Callback()));
    stages.WaitFor(1);
    EXPECT_GE(runner.CompleteUpTo(), 100);
    TBuildSession session;
    TLinePane pane;
    int limit = 0;
    std::unique_ptr<TOneShotBuild> stage = runner.TakeStage(limit);
    ASSERT_NE(stage, nullptr);
    EXPECT_GE(limit, 100);
    session.AdoptStage(*stage, limit, pane);
    EXPECT_EQ(session.CompleteUpTo(), limit);
    EXPECT_TRUE(runner.Running());

    runner.RequestStop();
    ASSERT_FALSE(AdoptFinished(runner, session, pane));
    EXPECT_TRUE(runner.Stopped());
    EXPECT_TRUE(session.Provisional());
    EXPECT_TRUE(session.CanResume());
    EXPECT_GE(session.CompleteUpTo(), 100);
    const std::vector<std::string> listed = Dumps(session);
    for (const std::string& solid : at100)
        EXPECT_NE(std::find(listed.begin(), listed.end(), solid), listed.end());

    // "再開": the build and its smaller searches go on; the next to end is at 200 or above.
    const int before = session.CompleteUpTo();
    auto build = std::make_unique<TOneShotBuild>(TVertexConfiguration{});
    ASSERT_FALSE(session.Release(*build));
    runner.Resume(std::move(build), {}, stages.Callback());
    EXPECT_TRUE(runner.Running());
    if (before < 800) {
        stages.WaitFor(2);
        EXPECT_GT(runner.CompleteUpTo(), before);
    }
    runner.RequestStop();
    ASSERT_FALSE(AdoptFinished(runner, session, pane));
    EXPECT_GE(session.CompleteUpTo(), std::min(200, before * 2));
    EXPECT_TRUE(session.CanResume());
    EXPECT_GE(session.FoundCount(), 1);
    EXPECT_EQ(session.SolidAt(1)->Raw.VertexCount, 60);
}
