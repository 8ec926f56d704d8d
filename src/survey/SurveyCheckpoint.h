// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The checkpoint of a survey: a header naming the options its results depend on, then one
// row (SurveyOutcome.h) for each configuration finished, appended as they finish and
// synced to disk every so often, so that a stopped survey goes on where it stopped.

#include "common/Result.h"
#include "survey/SurveyConfigurations.h"
#include "survey/SurveyOutcome.h"

#include <chrono>
#include <mutex>
#include <string>
#include <vector>

// The header of a checkpoint of a survey of count configurations under options.
[[nodiscard]] std::string CheckpointHeader(const TSurveyOptions& options, int count);

// What a checkpoint file holds: the rows of the finished configurations, and how many of
// its bytes are whole lines (a row cut short by a kill is dropped, to be done again).
struct TCheckpointContents {
    bool Exists = false;
    std::vector<TConfigurationOutcome> Outcomes;
    long long WholeBytes = 0;
};

// Reads path, refusing a file whose header is not header (another survey's) or whose
// rows do not read, name a configuration outside 0 ... count - 1 or one twice. A missing
// file is an empty checkpoint.
[[nodiscard]] TResult ReadCheckpoint(const std::string& path, const std::string& header, int count,
                                     TCheckpointContents& contents);

// Appends rows to a checkpoint file; any thread may add.
class TCheckpointWriter {
public:
    TCheckpointWriter() = default;
    ~TCheckpointWriter();
    TCheckpointWriter(const TCheckpointWriter&) = delete;
    TCheckpointWriter& operator=(const TCheckpointWriter&) = delete;

    // A file that does not exist yet is written with header alone (carefully: whole or
    // not at all); one that does is cut after its first wholeBytes bytes and appended to.
    [[nodiscard]] TResult Open(const std::string& path, const std::string& header, const TCheckpointContents& contents);
    void Add(const TConfigurationOutcome& outcome);
    // Writes and syncs the rows added since the last flush once interval has passed since
    // it (at once for zero); the first failure is kept and said again.
    [[nodiscard]] TResult Flush(std::chrono::milliseconds interval = std::chrono::milliseconds(0));

private:
    std::mutex Mutex;
    int Descriptor = -1;
    std::string Pending;
    std::string Path;
    TResult Failure;
    std::chrono::steady_clock::time_point LastFlush = std::chrono::steady_clock::now();
};
