// SPDX-License-Identifier: GPL-3.0-or-later
// Times a survey of every vertex configuration within a bound (by default K <= 5
// polygons, n <= 10, stars and backward polygons, winding 1, 10000 steps each) on 1 and on 2
// threads, and prints what it tried and found. Under mpirun the same survey is timed by
// running zenkari-cli survey with the same options.
//   build/release/zenkari-bench-survey [K N WINDINGS BUDGET]
#include "survey/SurveyReport.h"
#include "survey/SurveyResults.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

struct TSurveyRun {
    double Seconds = 0.0;
    TSurveyReport Report;
};

TSurveyRun RunSurvey(const TSurveyOptions& options, const TConfigurationList& list, int jobs)
{
    const auto start = std::chrono::steady_clock::now();
    TSurveyResults results(list.Count());
    TIndexDispenser dispenser(results.Pending());
    TSurveyThreads threads;
    threads.Run(
        dispenser, jobs,
        [&](int index, TSearchControl& control) {
            results.Record(SurveyConfiguration(index, list.At(index), options.Budget, control));
        },
        std::chrono::milliseconds(100), [] {});
    TSurveyRun run;
    run.Report = AssembleReport(options, list, results.All(), {});
    run.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return run;
}

}  // namespace

int main(int argc, char** argv)
{
    TSurveyOptions options;
    options.MaxPolygons = argc > 1 ? std::atoi(argv[1]) : 5;
    options.MaxSides = argc > 2 ? std::atoi(argv[2]) : 10;
    options.Stars = true;
    options.MaxWinding = argc > 3 ? std::atoi(argv[3]) : 1;
    options.Budget = argc > 4 ? std::atoll(argv[4]) : 10000;
    const auto start = std::chrono::steady_clock::now();
    const TConfigurationList list(options);
    const std::chrono::duration<double> listed = std::chrono::steady_clock::now() - start;
    std::printf("survey: %s\nconfigurations listed in %.2f s\n", OptionsText(options).c_str(), listed.count());
    std::fflush(stdout);
    std::printf("%4s %9s %9s %9s %9s %8s %9s %7s %9s\n", "jobs", "tried", "prepared", "searched", "budget", "found",
                "distinct", "uniform", "seconds");
    for (const int jobs : {1, 2}) {
        const TSurveyRun run = RunSurvey(options, list, jobs);
        const TSurveyReport& r = run.Report;
        std::printf("%4d %9d %9d %9d %9d %8d %9zu %7d %9.1f\n", jobs, r.Tried, r.Prepared, r.Ended, r.OutOfBudget,
                    r.Found, r.Solids.size(), r.Uniform, run.Seconds);
        std::fflush(stdout);
    }
    return 0;
}
