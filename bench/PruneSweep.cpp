// SPDX-License-Identifier: GPL-3.0-or-later
// A long differential sweep of the pruned one-shot search against the plain one, outside
// the test suite (scripts/prune-sweep.sh): random configurations, every one where the
// bound cuts compared line for line, solid for solid, bit for bit.
//   build/release/zenkari-prune-sweep [configurations] [seed]

#include "construction/ConfigurationText.h"
#include "session/BuildSession.h"
#include "support/RandomConfiguration.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

struct TOutcome {
    bool Finished = true;
    std::vector<std::string> Lines;
    std::vector<TPolyFace> Solids;
    int Step = 0;
    long long Cuts = 0;
    long long CacheMismatches = 0;
    double Milliseconds = 0;
};

bool SameSolid(const TPolyFace& a, const TPolyFace& b)
{
    if (a.VertexCount != b.VertexCount || a.FaceCount != b.FaceCount || a.EdgeCount != b.EdgeCount
        || a.NextChoice != b.NextChoice)
        return false;
    for (int v = 0; v < a.VertexCount; ++v)
        if (a.Vertices[v].X != b.Vertices[v].X || a.Vertices[v].Y != b.Vertices[v].Y
            || a.Vertices[v].Z != b.Vertices[v].Z)
            return false;
    for (int f = 0; f < a.FaceCount; ++f)
        if (a.Faces[f] != b.Faces[f] || a.FaceN[f] != b.FaceN[f] || a.FaceD[f] != b.FaceD[f])
            return false;
    return true;
}

TOutcome Build(const TVertexConfiguration& config, bool prune)
{
    TPruningOptions options;
    options.Enabled = prune;
    options.FromStep = 0;
    options.SecondLayerFrom = 0.0;  // the second layer at every check: its soundness under test too
    options.CacheCheck = prune;     // and every vertex the bound keeps worked out again
    TOneShotBuild build(config, options);
    TSearchControl budget;
    if (!prune)
        budget.Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    TOutcome outcome;
    const auto start = std::chrono::steady_clock::now();
    build.Run(&budget);
    outcome.Milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    outcome.Finished = !budget.TimedOut;
    outcome.Lines = build.Pane.Lines;
    for (int i = 1; i <= build.Search.FoundCount(); ++i)
        outcome.Solids.push_back(build.Search.SolidAt(i)->Raw);
    outcome.Solids.push_back(build.Search.SolidAt(0)->Raw);
    outcome.Step = build.Step;
    outcome.Cuts = build.Search.Stats().Cuts;
    outcome.CacheMismatches = build.Search.Stats().CacheMismatches;
    return outcome;
}

}  // namespace

int main(int argc, char** argv)
{
    const int wanted = argc > 1 ? std::atoi(argv[1]) : 1000;
    std::mt19937 random(argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 20261208u);
    int compared = 0, differing = 0, unfinished = 0;
    long long tried = 0;
    double plainTime = 0, prunedTime = 0;
    while (compared < wanted) {
        ++tried;
        const TVertexConfiguration config = RandomConfiguration(random);
        const TOutcome pruned = Build(config, true);
        if (pruned.Cuts == 0)
            continue;
        const TOutcome plain = Build(config, false);
        if (!plain.Finished) {
            ++unfinished;
            continue;
        }
        ++compared;
        plainTime += plain.Milliseconds;
        prunedTime += pruned.Milliseconds;
        bool same = pruned.CacheMismatches == 0 && pruned.Lines == plain.Lines && pruned.Step == plain.Step
                    && pruned.Solids.size() == plain.Solids.size();
        for (std::size_t i = 0; same && i < plain.Solids.size(); ++i)
            same = SameSolid(pruned.Solids[i], plain.Solids[i]);
        if (!same) {
            ++differing;
            std::printf("DIFFERS: %s at %d\n", ConfigurationText(config).c_str(), config.VertexLimit);
        }
        if (compared % 100 == 0) {
            std::printf("  %d compared, %d differ\n", compared, differing);
            std::fflush(stdout);
        }
    }
    std::printf("%d configurations with cuts compared (%lld tried, %d plain runs over 20 s skipped): %d differ; "
                "plain %.0f ms, pruned %.0f ms in all\n",
                compared, tried, unfinished, differing, plainTime, prunedTime);
    return differing == 0 ? 0 : 1;
}
