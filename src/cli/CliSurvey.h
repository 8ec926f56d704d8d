// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// zenkari-cli survey: every vertex configuration within a bound searched, on threads (or
// under mpirun on processes), kept in a checkpoint as it goes, and its report written.

#include "common/Result.h"
#include "survey/SurveyConfigurations.h"
#include "survey/SurveyResults.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

struct TSurveyRequest {
    TSurveyOptions Options;
    int Jobs = 0;            // threads; 0 for one for every core
    std::string ResumeFile;  // the checkpoint to go on from (and keep); empty for FILE.checkpoint
    bool Json = false;
    std::string OutputFile;  // the report
};

// The default budget of steps for each configuration: a search that wanders without
// closing takes a few seconds of it.
inline constexpr long long DefaultSurveyBudget = 1000000;

// Reads the arguments after "survey"; on failure, one line saying what is wrong.
[[nodiscard]] TResult ParseSurveyCommandLine(int argc, const char* const* argv, TSurveyRequest& request);

// The checkpoint a survey keeps: the one named by --resume, else one beside the report.
[[nodiscard]] std::string CheckpointPath(const TSurveyRequest& request);

// Runs the survey on this machine's threads; the exit status.
[[nodiscard]] int RunSurvey(const TSurveyRequest& request);

// The part of a survey done by the process that writes its report: the configurations,
// the checkpoint, the threads and the report. Under mpirun that is rank 0, which also
// hands the other processes their work.
class TSurveyHost {
public:
    explicit TSurveyHost(const TSurveyRequest& request);
    ~TSurveyHost();
    TSurveyHost(const TSurveyHost&) = delete;
    TSurveyHost& operator=(const TSurveyHost&) = delete;

    // Reads the checkpoint (refusing another survey's) and opens it to append to.
    [[nodiscard]] TResult Open();
    // Searches what is still to do on jobs threads (none: only watch), calling watch every
    // interval, and after them as long as more() says so (other processes at work); a
    // progress line on a terminal, and Ctrl-C stops the survey when asked to.
    void Run(int jobs, std::chrono::milliseconds interval, const std::function<void()>& watch,
             const std::function<bool()>& more, bool catchInterrupt);
    // Whoever hands out the work: the threads and, under mpirun, the other processes.
    [[nodiscard]] TIndexDispenser& Dispenser() { return *Work; }
    [[nodiscard]] const TConfigurationList& List() const { return Configurations; }
    void Record(TConfigurationOutcome outcome) { Results.Record(std::move(outcome)); }
    // The checkpoint synced, then the report written once everything is done, or a word
    // on how to go on; the exit status.
    [[nodiscard]] int Finish();

private:
    void ShowProgress(bool terminal);

    const TSurveyRequest& Request;
    TConfigurationList Configurations;
    TSurveyResults Results;
    TCheckpointWriter Checkpoint;
    std::unique_ptr<TIndexDispenser> Work;
    TSurveyThreads Threads;
    std::chrono::steady_clock::time_point Start = std::chrono::steady_clock::now();
    bool Stopped = false;
    bool LineShown = false;
};
