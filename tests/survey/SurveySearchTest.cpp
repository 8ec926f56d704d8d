// SPDX-License-Identifier: GPL-3.0-or-later
// One configuration searched as a survey searches it: to the end past every 100-solid
// pause, or until its budget of steps is used up; and the threads that share the
// configurations out.

#include "survey/SurveySearch.h"
#include "construction/ConfigurationText.h"
#include "session/BuildSession.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TVertexConfiguration Read(const std::string& text)
{
    TVertexConfiguration config;
    EXPECT_FALSE(ParseConfigurationText(text, config).Failed()) << text;
    return config;
}

struct TTaken {
    TSearchTally Tally;
    std::vector<int> Vertices;  // of each solid handed over, in order
};

TTaken SearchWithin(const std::string& text, long long budget, bool stop = false)
{
    TTaken taken;
    TSearchControl control;
    control.StopRequested = stop;
    taken.Tally = SearchConfiguration(Read(text), budget, control, [&](const TBuiltSolid& solid) {
        taken.Vertices.push_back(solid.Raw.VertexCount);
    });
    return taken;
}

// The solids a step build finds, pressing on until it ends: step builds never pause at 100.
int StepBuildCount(const std::string& text)
{
    TBuildSession session;
    TLinePane pane;
    const TVertexConfiguration config = Read(text);
    EXPECT_FALSE(session.Press(TBuildMode::Start, config, TDisplaySettings{}, pane));
    for (int press = 0; press < 1000000 && !session.SearchEnded(); ++press)
        EXPECT_FALSE(session.Press(TBuildMode::Continue, config, TDisplaySettings{}, pane));
    return session.FoundCount();
}

}  // namespace

TEST(SurveySearch, GoesOnPastEveryHundredSolidPause)
{
    // Four squares and a backward one fold back into the cube, 432 times over.
    const TTaken folded = SearchWithin("(4, 4, 4, 4, 4/3)", 1000000);
    EXPECT_EQ(folded.Tally.End, TSearchEnd::Ended);
    EXPECT_GT(folded.Tally.Found, 4 * FoundSolidCap);
    EXPECT_EQ(folded.Tally.Found, StepBuildCount("(4, 4, 4, 4, 4/3)"));
    EXPECT_EQ(folded.Vertices, std::vector<int>(static_cast<std::size_t>(folded.Tally.Found), 8));
    EXPECT_EQ(folded.Tally.Steps, 1273);
    // The budget counts every step across the pauses: 1000 of the 1273 are the first
    // check past 1000, after three pauses.
    const TTaken cut = SearchWithin("(4, 4, 4, 4, 4/3)", 1000);
    EXPECT_EQ(cut.Tally.End, TSearchEnd::OutOfBudget);
    EXPECT_EQ(cut.Tally.Steps, 1024);
    EXPECT_GT(cut.Tally.Found, 3 * FoundSolidCap);
    EXPECT_LT(cut.Tally.Found, folded.Tally.Found);
}

TEST(SurveySearch, RefusedUsedUpOrStoppedSaySo)
{
    const TTaken refused = SearchWithin("(6, 6, 6)", 1000);
    EXPECT_EQ(refused.Tally.End, TSearchEnd::Refused);
    EXPECT_TRUE(refused.Vertices.empty());

    // (5, 5, 5, 5/4) takes 202 steps to find its 81 flat pentagons; 64 are not enough,
    // and what was found by then is handed over all the same.
    const TTaken whole = SearchWithin("(5, 5, 5, 5/4)", 1000000);
    EXPECT_EQ(whole.Tally.End, TSearchEnd::Ended);
    EXPECT_EQ(whole.Tally.Found, 81);
    const TTaken cut = SearchWithin("(5, 5, 5, 5/4)", 64);
    EXPECT_EQ(cut.Tally.End, TSearchEnd::OutOfBudget);
    EXPECT_EQ(cut.Tally.Steps, 64);
    EXPECT_LT(cut.Tally.Found, 81);
    EXPECT_EQ(static_cast<int>(cut.Vertices.size()), cut.Tally.Found);
    // The same budget gives the same cut on every run.
    EXPECT_EQ(SearchWithin("(5, 5, 5, 5/4)", 64).Vertices, cut.Vertices);

    // A search that wanders without closing, asked to stop before it starts.
    const TTaken stopped = SearchWithin("(3/2, 6, 6, 6)", 1000000, true);
    EXPECT_EQ(stopped.Tally.End, TSearchEnd::Stopped);
}

// How often the calling thread looks up while the threads work; nothing here watches
// (the watch does nothing), so what the test sees does not depend on it.
constexpr std::chrono::milliseconds WatchInterval{1};

TEST(SurveySearch, ThreadsDoEveryIndexOnceAndStopTakingAfterStop)
{
    for (const int jobs : {1, 2, 3}) {
        TIndexDispenser dispenser({4, 0, 7, 2, 9, 5});
        TSurveyThreads threads;
        std::mutex mutex;
        std::multiset<int> done;
        threads.Run(
            dispenser, jobs,
            [&](int index, TSearchControl&) {
                const std::lock_guard lock(mutex);
                done.insert(index);
            },
            WatchInterval, [] {});
        EXPECT_EQ(done, (std::multiset<int>{0, 2, 4, 5, 7, 9})) << jobs;
        EXPECT_EQ(dispenser.Next(), -1);
    }
    TIndexDispenser dispenser({0, 1, 2, 3, 4, 5, 6, 7});
    TSurveyThreads threads;
    std::set<int> done;
    threads.Run(
        dispenser, 1,
        [&](int index, TSearchControl& control) {
            done.insert(index);
            if (index == 2)
                threads.Stop(dispenser);
            EXPECT_EQ(control.StopRequested.load(), index >= 2);
        },
        WatchInterval, [] {});
    EXPECT_EQ(done, (std::set<int>{0, 1, 2}));
}
