// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What another thread may see of a running one-shot search, and how it asks the search to
// stop. The search writes the figures every 64 steps (relaxed: they are for a progress
// line, not for synchronisation) and reads the request then; it writes the count of steps
// once more where the call pauses or ends.

#include <atomic>
#include <chrono>
#include <limits>

struct TSearchControl {
    std::atomic<bool> StopRequested{false};  // set by anyone; the search pauses at its next step
    std::atomic<long long> Completions{0};   // steps of the search so far (vertices completed or tried)
    std::atomic<int> Vertices{0};            // vertices of the partial solid now
    std::atomic<int> Found{0};               // solids found so far
    bool Stopped = false;                    // set by the search when it paused on request

    // A one-shot search may be given a slice: when Deadline passes, or once it has taken
    // StepDeadline steps (a slice the same on every machine, for tests and budgets), it
    // pauses without a word (TimedOut), and is carried on in one-shot mode from
    // ResumeVertex, on this thread or another, exactly as if it had never paused. Both are
    // set before the search runs; both are looked at every 64 steps.
    std::chrono::steady_clock::time_point Deadline = std::chrono::steady_clock::time_point::max();
    long long StepDeadline = std::numeric_limits<long long>::max();
    bool TimedOut = false;
    int ResumeVertex = 0;  // >= 1: where a one-shot search paused by its deadline goes on
};
