// SPDX-License-Identifier: GPL-3.0-or-later
// The search keeps saved states on an undo trail and hashes its lookups; a plain search
// that copies and scans must reach exactly the same solids, lines and step states.

#include "catalogue/PolyhedronInfo.h"
#include "support/ReferenceSearch.h"
#include "support/SolidDump.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct TOutcome {
    std::vector<std::string> Lines;
    std::vector<std::string> Solids;  // found raw and display forms, then Current
    int Step = 0;
};

template <class TEngine>
TOutcome OneShot(const TVertexConfiguration& config, int continues)
{
    auto engine = std::make_unique<TEngine>();
    TLinePane pane;
    TOutcome outcome;
    if (engine->Prepare(config, pane)) {
        outcome.Lines = pane.Lines;
        return outcome;
    }
    int step = OneShotStep;
    engine->Search(step, pane);
    for (int i = 0; i < continues && step >= 1; ++i)
        engine->Search(step, pane);
    for (int i = 1; i <= engine->FoundCount(); ++i) {
        outcome.Solids.push_back(DumpSolid(engine->SolidAt(i)->Raw));
        outcome.Solids.push_back(DumpSolid(engine->SolidAt(i)->Display));
    }
    outcome.Solids.push_back(DumpSolid(engine->SolidAt(0)->Raw));
    outcome.Lines = pane.Lines;
    outcome.Step = step;
    return outcome;
}

// The state after every press of a step build.
template <class TEngine>
std::vector<std::string> Steps(const TVertexConfiguration& config, int presses)
{
    auto engine = std::make_unique<TEngine>();
    TLinePane pane;
    std::vector<std::string> states;
    if (engine->Prepare(config, pane))
        return pane.Lines;
    int step = 0;
    for (int i = 0; i < presses; ++i) {
        engine->Search(step, pane);
        states.push_back(std::to_string(step) + " found " + std::to_string(engine->FoundCount()) + "\n"
                         + DumpSolid(engine->SolidAt(0)->Raw) + DumpSolid(engine->SolidAt(0)->Display));
    }
    states.insert(states.end(), pane.Lines.begin(), pane.Lines.end());
    return states;
}

// Returns how many solids the search found.
int ExpectSameSearch(const TVertexConfiguration& config, int continues = 0)
{
    const TOutcome fast = OneShot<TBuild>(config, continues);
    const TOutcome plain = OneShot<TReferenceBuild>(config, continues);
    const std::string name = ConfigurationText(config) + " limit " + std::to_string(config.VertexLimit);
    EXPECT_EQ(fast.Lines, plain.Lines) << name;
    EXPECT_EQ(fast.Step, plain.Step) << name;
    EXPECT_EQ(fast.Solids.size(), plain.Solids.size()) << name;
    for (std::size_t i = 0; i < fast.Solids.size() && i < plain.Solids.size(); ++i)
        EXPECT_EQ(fast.Solids[i], plain.Solids[i]) << name << " solid " << i;
    return static_cast<int>(fast.Solids.size() / 2);
}

// A fixed pseudo-random sweep of configurations that pass preparation, so that failures
// reproduce. Half of them follow the patterns uniform solids favour: (a, b, a, b),
// (a, b, c, b), (3, 3, 3, 3, a).
class TSweep {
public:
    TVertexConfiguration Next(int k)
    {
        for (;;) {
            const TVertexConfiguration config = Candidate(k);
            TPreparation probe;
            TNullPane pane;
            if (!probe.Prepare(config, pane))
                return config;
        }
    }

private:
    TVertexConfiguration Candidate(int k)
    {
        static const int kinds[][2] = {{3, 1}, {4, 1}, {5, 1}, {6, 1}, {8, 1},  {10, 1}, {5, 2},
                                       {5, 3}, {3, 2}, {4, 3}, {8, 3}, {10, 3}, {5, 4},  {6, 5}};
        static const int windings[] = {1, 1, 1, 2, 0};
        static const int limits[] = {40, 60, 100};
        TVertexConfiguration config;
        config.PolygonCount = k;
        int chosen[5];
        for (int i = 0; i < k; ++i)
            chosen[i] = Pick(14);
        if (Pick(2) == 0) {
            if (k == 4)
                chosen[3] = chosen[1];
            if (k == 4 && Pick(2) == 0)
                chosen[2] = chosen[0];
            if (k == 5)
                chosen[0] = chosen[1] = chosen[2] = chosen[3] = 0;
        }
        for (int i = 0; i < k; ++i) {
            config.N[i] = kinds[chosen[i]][0];
            config.D[i] = kinds[chosen[i]][1];
        }
        config.Winding = windings[Pick(5)];
        config.AddLast = k >= 4 && Pick(6) == 0;
        config.VertexLimit = limits[Pick(3)];
        return config;
    }

    int Pick(int range)
    {
        State = State * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<int>((State >> 33) % static_cast<unsigned>(range));
    }
    unsigned long long State = 12345;
};

}  // namespace

TEST(SearchEquivalence, EveryCatalogueConfiguration)
{
    for (const TCatalogueEntry& entry : PolyhedronCatalogue()) {
        TVertexConfiguration config;
        int pick = 0;
        ASSERT_EQ(ParseCodeString(entry.Code, config, pick).Error, "") << entry.Code;
        ExpectSameSearch(config);
    }
}

TEST(SearchEquivalence, SweepOfSmallConfigurations)
{
    TSweep sweep;
    int withSolids = 0;
    for (int k = 3; k <= 5; ++k)
        for (int i = 0; i < (k == 5 ? 60 : 100); ++i)
            withSolids += ExpectSameSearch(sweep.Next(k)) > 0 ? 1 : 0;
    EXPECT_GE(withSolids, 20);  // the sweep must reach closed solids, not only dead ends
}

TEST(SearchEquivalence, CapThenContinueOneVertexAPress)
{
    ExpectSameSearch(Config("(5/2, 5/2, 5/2, 5/2, 5/3)"), 40);
}

TEST(SearchEquivalence, StepStatesAfterEveryPress)
{
    const char* texts[] = {"(3, 4, 4, 4)",   "(3, 3, 3, 3, 4)",         "(3/2, 4, 4, 4)",
                           "(3, 4, 3/2, 4)", "(4, 6, 4/3, 6/5 [,5])/0", "(5/2, 10/3, 5/3, 10/3)"};
    for (const char* text : texts) {
        const TVertexConfiguration config = Config(text, 60);
        EXPECT_EQ(Steps<TBuild>(config, 400), Steps<TReferenceBuild>(config, 400)) << text;
    }
}
