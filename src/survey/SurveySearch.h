// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One configuration of a survey searched as a one-shot build, carried on past every
// 100-solid pause until the search has nothing left to try or has used up its budget of
// steps; and the threads that share a survey's configurations out among themselves.

#include "construction/BuiltSolid.h"
#include "construction/SearchControl.h"
#include "construction/VertexConfiguration.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <vector>

enum class TSearchEnd {
    Refused,      // preparation refused the configuration: it cannot close round a vertex
    Ended,        // everything was tried
    OutOfBudget,  // the budget of steps was used up first
    Stopped,      // asked to stop (Ctrl-C): its results are not kept
};

struct TSearchTally {
    TSearchEnd End = TSearchEnd::Refused;
    long long Steps = 0;  // steps the search took, counted as it counts them (every 64)
    int Found = 0;        // solids it recorded
};

// Prepares config and searches it within budget steps (budget >= 1), each solid handed
// to take as soon as the search has recorded it. control is the caller's, fresh or used
// before: its StopRequested may be set from any thread to stop the search.
[[nodiscard]] TSearchTally SearchConfiguration(const TVertexConfiguration& config, long long budget,
                                               TSearchControl& control,
                                               const std::function<void(const TBuiltSolid&)>& take);

// The configuration indices of a survey still to do, handed out one at a time to
// whoever asks (local threads, and under MPI the other processes), in order.
class TIndexDispenser {
public:
    explicit TIndexDispenser(std::vector<int> pending) : Pending(std::move(pending)) {}
    // The next index to do, or -1 once all are handed out or the survey is stopping.
    [[nodiscard]] int Next();
    void Stop() { Stopping.store(true); }
    [[nodiscard]] bool Stopped() const { return Stopping.load(); }
    [[nodiscard]] int Count() const { return static_cast<int>(Pending.size()); }

private:
    const std::vector<int> Pending;
    std::atomic<int> Taken{0};
    std::atomic<bool> Stopping{false};
};

// Runs work for every index the dispenser hands out, on jobs threads, each taking the
// next index as soon as it is free (searches differ by orders of magnitude). The calling
// thread calls watch every interval meanwhile (a progress line, Ctrl-C, messages of other
// processes). work runs on the threads, each with a control of its own that Stop reaches:
// after Stop no new index is taken and the searches under way stop at their next step.
class TSurveyThreads {
public:
    using TWork = std::function<void(int index, TSearchControl& control)>;

    void Run(TIndexDispenser& dispenser, int jobs, const TWork& work, std::chrono::milliseconds interval,
             const std::function<void()>& watch);
    // Any thread.
    void Stop(TIndexDispenser& dispenser);

private:
    std::mutex Mutex;
    std::vector<TSearchControl*> Controls;  // of the threads running
    bool Stopping = false;
};
