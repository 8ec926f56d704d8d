// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliSurvey.h"

#include "cli/CliOptions.h"
#include "cli/CliSurveyReport.h"
#include "common/CarefulWrite.h"
#include "common/TextNumbers.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <thread>
#include <vector>

namespace {

constexpr auto FlushInterval = std::chrono::seconds(1);     // the checkpoint loses at most this much work
constexpr auto QuietTime = std::chrono::milliseconds(150);  // shorter surveys show no progress

volatile std::sig_atomic_t Interrupts = 0;

extern "C" void OnSurveyInterrupt(int)
{
    Interrupts = Interrupts + 1;
}

// Options with (true) or without a value.
const std::vector<std::pair<std::string, bool>>& SurveyOptions()
{
    static const std::vector<std::pair<std::string, bool>> options = {
        {"--max-polygons", true}, {"--max-sides", true}, {"--stars", false}, {"--windings", true},
        {"--added-last", false},  {"--limit", true},     {"--budget", true}, {"--jobs", true},
        {"--resume", true},       {"--json", false},     {"-o", true}};
    return options;
}

bool ReadSteps(const std::string& text, long long& steps)
{
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, steps);
    return error == std::errc{} && at == end && steps >= 1 && steps <= 1000000000000LL;
}

TResult RangeError(const std::string& option, const std::string& range, const std::string& value)
{
    return TResult::Failure(option + " must be " + range + ", not " + QuotedInput(value));
}

TResult TakeSurveyValue(const std::string& option, const std::string& value, TSurveyRequest& request)
{
    TSurveyOptions& o = request.Options;
    int limit = 0;
    if (option == "--max-polygons" && !ReadInteger(value, MinPolygonCount, MaxPolygonCount, o.MaxPolygons))
        return RangeError(option, "3 ... 16", value);
    if (option == "--max-sides" && !ReadInteger(value, 3, MaxPolygonCorners, o.MaxSides))
        return RangeError(option, "3 ... 32", value);
    if (option == "--windings" && !ReadInteger(value, 1, 7, o.MaxWinding))
        return RangeError(option, "1 ... 7", value);
    if (option == "--limit") {
        if (!ReadInteger(value, 10, MaxVertexLimit, limit) || limit % 10 != 0)
            return RangeError(option, "10 ... 1000 in steps of 10", value);
        o.VertexLimit = limit;
    }
    if (option == "--budget" && !ReadSteps(value, o.Budget))
        return RangeError(option, "1 ... 1000000000000 steps", value);
    if (option == "--jobs" && !ReadInteger(value, 1, 1024, request.Jobs))
        return RangeError(option, "1 ... 1024", value);
    if ((option == "--resume" || option == "-o") && value.empty())
        return TResult::Failure(option + " needs a file name");
    if (option == "--resume")
        request.ResumeFile = value;
    if (option == "-o")
        request.OutputFile = value;
    return TResult::Success();
}

}  // namespace

TResult ParseSurveyCommandLine(int argc, const char* const* argv, TSurveyRequest& request)
{
    request.Options.Budget = DefaultSurveyBudget;
    std::vector<std::string> seen;
    for (int i = 0; i < argc; ++i) {
        const std::string option = argv[i];
        const auto& options = SurveyOptions();
        const auto known =
            std::find_if(options.begin(), options.end(), [&](const auto& o) { return o.first == option; });
        if (known == options.end())
            return TResult::Failure("survey takes no option " + QuotedInput(option) + " (see --help)");
        if (std::find(seen.begin(), seen.end(), option) != seen.end())
            return TResult::Failure(option + " is given twice");
        seen.push_back(option);
        if (option == "--stars" || option == "--added-last" || option == "--json") {
            (option == "--stars"  ? request.Options.Stars
             : option == "--json" ? request.Json
                                  : request.Options.AddedLast) = true;
            continue;
        }
        if (i + 1 >= argc)
            return TResult::Failure(option + " needs a value");
        if (TResult taken = TakeSurveyValue(option, argv[++i], request); taken.Failed())
            return taken;
    }
    const auto given = [&](const char* option) { return std::find(seen.begin(), seen.end(), option) != seen.end(); };
    if (!given("--max-polygons") || !given("--max-sides"))
        return TResult::Failure("survey needs --max-polygons K and --max-sides N");
    if (request.OutputFile.empty() || request.OutputFile == "-")
        return TResult::Failure("survey needs -o FILE for its report");
    if (request.Options.AddedLast && request.Options.MaxPolygons >= MaxPolygonCount)
        return TResult::Failure("--added-last takes --max-polygons at most 15: the added polygon is the 16th");
    return TResult::Success();
}

std::string CheckpointPath(const TSurveyRequest& request)
{
    return request.ResumeFile.empty() ? request.OutputFile + ".checkpoint" : request.ResumeFile;
}

TSurveyHost::TSurveyHost(const TSurveyRequest& request)
    : Request(request), Configurations(request.Options), Results(Configurations.Count()),
      Work(std::make_unique<TIndexDispenser>(std::vector<int>{}))
{}

TSurveyHost::~TSurveyHost()
{
    if (LineShown)
        std::fputs("\r\033[K", stderr);
}

TResult TSurveyHost::Open()
{
    const std::string path = CheckpointPath(Request);
    const std::string header = CheckpointHeader(Request.Options, Configurations.Count());
    TCheckpointContents contents;
    // Without --resume a survey starts afresh, over whatever an earlier one left beside its report.
    if (!Request.ResumeFile.empty())
        if (TResult read = ReadCheckpoint(path, header, Configurations.Count(), contents); read.Failed())
            return TResult::Failure("cannot go on from " + QuotedInput(path) + ": " + read.Error);
    for (TConfigurationOutcome& outcome : contents.Outcomes)
        Results.Record(std::move(outcome), false);
    if (TResult opened = Checkpoint.Open(path, header, contents); opened.Failed())
        return TResult::Failure("cannot keep the checkpoint " + QuotedInput(path) + ": " + opened.Error);
    Results.Attach(&Checkpoint);
    Work = std::make_unique<TIndexDispenser>(Results.Pending());
    return TResult::Success();
}

void TSurveyHost::ShowProgress(bool terminal)
{
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - Start;
    if (!terminal || elapsed < QuietTime)
        return;
    const TSurveyResults::TFigures figures = Results.Figures();
    std::fprintf(stderr, "\r\033[Ksurvey: %d of %d configurations, %d solids found, %d out of budget, %.1f s",
                 figures.Done, Results.Count(), figures.Found, figures.OutOfBudget, elapsed.count());
    std::fflush(stderr);
    LineShown = true;
}

void TSurveyHost::Run(int jobs, std::chrono::milliseconds interval, const std::function<void()>& watch,
                      const std::function<bool()>& more, bool catchInterrupt)
{
    Interrupts = 0;
    const auto previous = catchInterrupt ? std::signal(SIGINT, OnSurveyInterrupt) : SIG_DFL;
    const bool terminal = isatty(STDERR_FILENO) == 1;
    const auto watchAll = [&] {
        if (Interrupts > 0 && !Stopped) {
            Stopped = true;
            Threads.Stop(*Work);
        }
        (void)Checkpoint.Flush(FlushInterval);  // a failure is kept and said at the end
        ShowProgress(terminal);
        if (watch)
            watch();
    };
    const long long budget = Request.Options.Budget;
    if (jobs > 0)
        Threads.Run(
            *Work, jobs,
            [&](int index, TSearchControl& control) {
                TConfigurationOutcome outcome = SurveyConfiguration(index, Configurations.At(index), budget, control);
                if (outcome.End != TSearchEnd::Stopped)
                    Results.Record(std::move(outcome));
            },
            interval, watchAll);
    watchAll();
    while (more && more()) {
        std::this_thread::sleep_for(interval);
        watchAll();
    }
    if (catchInterrupt)
        std::signal(SIGINT, previous);
}

int TSurveyHost::Finish()
{
    if (LineShown)
        std::fputs("\r\033[K", stderr);
    LineShown = false;
    const std::string path = CheckpointPath(Request);
    if (const TResult flushed = Checkpoint.Flush(); flushed.Failed()) {
        std::cerr << "zenkari-cli: the checkpoint " << QuotedInput(path) << " is incomplete: " << flushed.Error << '\n';
        return 1;
    }
    const TSurveyResults::TFigures figures = Results.Figures();
    if (figures.Done < Results.Count()) {
        std::cerr << "zenkari-cli: survey stopped after " << figures.Done << " of " << Results.Count()
                  << " configurations; go on with --resume " << path << '\n';
        return Stopped ? 130 : 1;
    }
    const TSurveyReport report = AssembleReport(Request.Options, Configurations, Results.All(), CatalogueShapes());
    std::ostringstream text;
    if (Request.Json)
        WriteSurveyJson(report, text);
    else
        WriteSurveyText(report, text);
    if (const TResult written = WriteFileCarefully(Request.OutputFile, text.str()); written.Failed()) {
        std::cerr << "zenkari-cli: cannot write " << QuotedInput(Request.OutputFile) << ": " << written.Error << '\n';
        return 1;
    }
    if (Request.ResumeFile.empty())
        std::remove(path.c_str());  // the report holds it all now
    std::cout << "wrote " << Request.OutputFile << ": " << report.Tried << " configurations, " << report.Solids.size()
              << " solids (" << report.Uniform << " uniform, " << report.Degenerate << " degenerate), "
              << report.OutOfBudget << " out of budget\n";
    return 0;
}

int RunSurvey(const TSurveyRequest& request)
{
    TSurveyHost host(request);
    if (const TResult opened = host.Open(); opened.Failed()) {
        std::cerr << "zenkari-cli: " << opened.Error << '\n';
        return 1;
    }
    const int jobs =
        request.Jobs > 0 ? request.Jobs : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    host.Run(jobs, std::chrono::milliseconds(100), {}, {}, true);
    return host.Finish();
}
