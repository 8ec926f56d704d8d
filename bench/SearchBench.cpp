// SPDX-License-Identifier: GPL-3.0-or-later
// Times one-shot builds: the searches that wander without closing, and every catalogue
// configuration. Prints a table with the time of each build and the peak resident memory.
//   build/release/zenkari-bench [--quick]

#include "catalogue/PolyhedronInfo.h"
#include "common/WorkerThread.h"
#include "construction/ConfigurationText.h"
#include "session/BuildRunner.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

struct TTiming {
    double Milliseconds = 0.0;
    int Found = 0;
    bool Finished = true;
    long long Completions = 0;  // as published to the progress display, every 64 steps
    long long Checks = 0;
    long long Cuts = 0;
};

// A search that passes this is reported as unfinished rather than waited for.
constexpr auto SearchBudget = std::chrono::seconds(60);

// watched: as the window runs it: with the progress counters and the stop request read
// every 64 steps, in a time slice of 150 ms on this thread, the rest on the worker.
TTiming TimeBuild(const TVertexConfiguration& config, int repeats, bool watched = false)
{
    TTiming best{1e300, 0};
    for (int r = 0; r < repeats; ++r) {
        std::unique_ptr<TOneShotBuild> build;
        TSearchControl budget;
        const TSearchControl* control = &budget;
        TBuildRunner runner;
        const auto start = std::chrono::steady_clock::now();
        if (!watched) {
            build = std::make_unique<TOneShotBuild>(config);
            budget.Deadline = start + SearchBudget;
            build->Run(&budget);
        } else {
            if (!runner.Start(config, TBuildSlice{.Wait = std::chrono::milliseconds(150)}))
                (void)runner.WaitFor(std::chrono::hours(1));
            control = &runner.Progress();
            build = runner.Take();
        }
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        best.Milliseconds = std::min(best.Milliseconds, elapsed.count());
        best.Found = build->Search.FoundCount();
        best.Finished = !control->TimedOut;
        best.Completions = control->Completions.load();
        best.Checks = build->Search.Stats().Checks;
        best.Cuts = build->Search.Stats().Cuts;
    }
    return best;
}

long PeakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

void WanderingSearches(bool quick)
{
    const struct {
        const char* Text;
        int Limit;
        double TargetMs;
    } rows[] = {
        {"(3/2, 6, 6, 6)", 200, 30.0},      {"(4/3, 5, 5, 5)", 200, 30.0},      {"(3, 3, 3, 3, 3, 5/2)", 100, 0.0},
        {"(3, 3, 3, 3, 3, 5/2)", 120, 0.0}, {"(3, 3, 3, 3, 3, 5/2)", 150, 0.0}, {"(3, 3, 3, 3, 3, 5/2)", 200, 1000.0},
        {"(3/2, 6, 6, 6)", 1000, 10000.0},  {"(4/3, 5, 5, 5)", 1000, 5000.0},
    };
    std::printf("%-26s %6s %12s %8s %10s %12s %8s %8s\n", "configuration", "limit", "ms", "found", "target ms",
                "completions", "checks", "cuts");
    for (const auto& row : rows) {
        if (quick && row.Limit > 200)
            continue;
        TVertexConfiguration config;
        if (ParseConfigurationText(row.Text, config).Failed())
            continue;
        config.VertexLimit = row.Limit;
        // The short searches: the best of three, as the catalogue's.
        const TTiming t = TimeBuild(config, row.Limit <= 200 ? 3 : 1);
        char target[32] = "-";
        if (row.TargetMs > 0)
            std::snprintf(target, sizeof target, "%.0f", row.TargetMs);
        std::printf("%-26s %6d %12.1f %8d %10s %12lld %8lld %8lld%s\n", row.Text, row.Limit, t.Milliseconds, t.Found,
                    target, t.Completions, t.Checks, t.Cuts, t.Finished ? "" : "  (stopped at the 60 s budget)");
    }
}

void CatalogueAtLimit1000()
{
    double slowest = 0.0;
    int slowestEntry = -1;
    int over = 0;
    for (int e = 0; e < CatalogueEntryCount; ++e) {
        TVertexConfiguration config;
        int pick = 0;
        if (ParseCodeString(PolyhedronCatalogue()[e].Code, config, pick).Failed())
            continue;
        const std::string text = ConfigurationText(config);
        if (text == "(3, 3, 3, 3, 3, 5/2)" || text == "(3, 3, 3, 3, 3, 5/3)/2")
            continue;  // the two rows of the snub family (one written with the retrograde 5/3) wander far longer here
        config.VertexLimit = 1000;
        const TTiming t = TimeBuild(config, 1);
        over += t.Milliseconds > 1000.0 ? 1 : 0;
        if (t.Milliseconds > slowest) {
            slowest = t.Milliseconds;
            slowestEntry = e;
        }
        if (t.Milliseconds > 1000.0 || !t.Finished)
            std::printf("  entry %d %s at 1000: %.0f ms%s\n", e, ConfigurationText(config).c_str(), t.Milliseconds,
                        t.Finished ? "" : " (stopped at the budget)");
    }
    std::printf(
        "catalogue at limit 1000 (but the snub rows): slowest entry %d at %.1f ms, %d over 1 s (target: none)\n",
        slowestEntry, slowest, over);
}

void CatalogueConfigurations(bool watched)
{
    double total = 0.0;
    double slowest = 0.0;
    int slowestEntry = -1;
    if (!watched)
        std::printf("\n%-6s %-44s %10s %6s\n", "entry", "configuration", "ms", "found");
    for (int e = 0; e < CatalogueEntryCount; ++e) {
        TVertexConfiguration config;
        int pick = 0;
        if (ParseCodeString(PolyhedronCatalogue()[e].Code, config, pick).Failed())
            continue;
        const TTiming t = TimeBuild(config, 3, watched);
        total += t.Milliseconds;
        if (t.Milliseconds > slowest) {
            slowest = t.Milliseconds;
            slowestEntry = e;
        }
        if (!watched)
            std::printf("%-6d %-44s %10.3f %6d\n", e, ConfigurationText(config).c_str(), t.Milliseconds, t.Found);
    }
    std::printf("\ncatalogue%s: %d configurations, %.1f ms in all, slowest entry %d at %.3f ms (target < 2 ms each)\n",
                watched ? " as the window runs it (watched, time-sliced)" : "", CatalogueEntryCount, total,
                slowestEntry, slowest);
}

}  // namespace

int main(int argc, char** argv)
{
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    WanderingSearches(quick);
    CatalogueConfigurations(false);
    CatalogueConfigurations(true);
    if (!quick)
        CatalogueAtLimit1000();
    std::printf("peak resident memory: %ld MB (target < 100 MB)\n", PeakResidentMegabytes());
    return 0;
}
