// SPDX-License-Identifier: GPL-3.0-or-later
#include "survey/SurveyCheckpoint.h"

#include "common/CarefulWrite.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

TResult SystemFailure(const std::string& what)
{
    return TResult::Failure(what + ": " + std::strerror(errno != 0 ? errno : EIO));
}

// The rows after the header, each checked; sets contents.WholeBytes to the end of the
// last whole line.
TResult ReadRows(const std::string& text, std::size_t start, int count, TCheckpointContents& contents)
{
    std::vector<bool> seen(static_cast<std::size_t>(count), false);
    int line = 4;
    for (std::size_t at = start;; ++line) {
        const std::size_t end = text.find('\n', at);
        contents.WholeBytes = static_cast<long long>(at);
        if (end == std::string::npos)
            return TResult::Success();  // nothing, or a row its write did not finish
        std::optional<TConfigurationOutcome> outcome = ReadOutcomeRow(text.substr(at, end - at));
        if (!outcome || outcome->Index >= count)
            return TResult::Failure("line " + std::to_string(line) + " is not a row of this survey");
        if (seen[static_cast<std::size_t>(outcome->Index)])
            return TResult::Failure("line " + std::to_string(line) + " names configuration "
                                    + std::to_string(outcome->Index) + " a second time");
        seen[static_cast<std::size_t>(outcome->Index)] = true;
        contents.Outcomes.push_back(std::move(*outcome));
        at = end + 1;
    }
}

}  // namespace

std::string CheckpointHeader(const TSurveyOptions& options, int count)
{
    return "zenkari survey checkpoint\noptions: " + OptionsText(options) + "\nconfigurations: " + std::to_string(count)
           + "\n";
}

TResult ReadCheckpoint(const std::string& path, const std::string& header, int count, TCheckpointContents& contents)
{
    contents = TCheckpointContents{};
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (access(path.c_str(), F_OK) != 0 && errno == ENOENT)
            return TResult::Success();
        return SystemFailure("cannot read it");
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return SystemFailure("cannot read it");
    contents.Exists = true;
    if (text.compare(0, header.size(), header) != 0)
        return TResult::Failure(text.rfind("zenkari survey checkpoint\n", 0) == 0
                                    ? "it is the checkpoint of a survey with other options"
                                    : "it is not a survey's checkpoint");
    return ReadRows(text, header.size(), count, contents);
}

TCheckpointWriter::~TCheckpointWriter()
{
    if (Descriptor >= 0)
        close(Descriptor);
}

TResult TCheckpointWriter::Open(const std::string& path, const std::string& header, const TCheckpointContents& contents)
{
    if (!contents.Exists)
        if (TResult written = WriteFileCarefully(path, header); written.Failed())
            return written;
    Path = path;
    Descriptor = open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (Descriptor < 0)
        return SystemFailure("cannot open it");
    const off_t keep = contents.Exists ? static_cast<off_t>(contents.WholeBytes) : static_cast<off_t>(header.size());
    // A row cut short by a kill goes; its configuration is done again.
    if (ftruncate(Descriptor, keep) != 0 || lseek(Descriptor, keep, SEEK_SET) != keep)
        return SystemFailure("cannot append to it");
    return TResult::Success();
}

void TCheckpointWriter::Add(const TConfigurationOutcome& outcome)
{
    const std::lock_guard lock(Mutex);
    Pending += OutcomeRow(outcome);
    Pending += '\n';
}

TResult TCheckpointWriter::Flush(std::chrono::milliseconds interval)
{
    const std::lock_guard lock(Mutex);
    const auto now = std::chrono::steady_clock::now();
    if (Failure.Failed() || Descriptor < 0 || Pending.empty() || now - LastFlush < interval)
        return Failure;
    LastFlush = now;
    const int error = WriteAll(Descriptor, Pending);
    if (error != 0 || fdatasync(Descriptor) != 0) {
        errno = error != 0 ? error : errno;
        Failure = SystemFailure("cannot write " + Path);
        return Failure;
    }
    Pending.clear();
    return TResult::Success();
}
