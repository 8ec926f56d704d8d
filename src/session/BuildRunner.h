// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How every front end runs a one-shot build: a first slice on the caller's thread, so
// that a short build costs no thread and shows at once, and the rest on a worker thread,
// watched (progress, Stop) from the caller's, and told back when it is done.

#include "common/WorkerThread.h"
#include "session/BuildSession.h"

#include <chrono>
#include <functional>
#include <memory>

// How much of a build runs on the caller's thread before the worker takes it on. Steps
// (when >= 0) is a slice the same on every machine; else Wait (when >= 0) one of time;
// else the whole build runs on the caller's thread.
struct TBuildSlice {
    long long Steps = -1;
    std::chrono::milliseconds Wait{-1};
};

class TBuildRunner {
public:
    // Called on the worker thread once the build there has ended or paused; the front end
    // passes it on to its own thread and calls Take there.
    using TDone = std::function<void()>;

    // Starts a one-shot build of config. True when it was over within the slice: Take it
    // at once. Otherwise it goes on on the worker, and done is called when it is over.
    // There must be no build under way.
    [[nodiscard]] bool Start(const TVertexConfiguration& config, const TBuildSlice& slice, TDone done = {});
    // A build is under way on the worker (and not taken yet).
    [[nodiscard]] bool Running() const { return Build != nullptr && OnWorker; }
    // Asks the build under way to pause at its next step ("中止", Ctrl-C, a time limit).
    void RequestStop();
    // What the build under way has got to, for a progress line.
    [[nodiscard]] const TSearchControl& Progress() const { return *Control; }
    // Waits at most timeout for the worker; true once the build is over.
    [[nodiscard]] bool WaitFor(std::chrono::milliseconds timeout);
    // Whether the build taken last paused because it was asked to.
    [[nodiscard]] bool Stopped() const { return LastStopped; }
    // The build once it is over (waiting for the worker to let go of it), to Adopt.
    [[nodiscard]] std::unique_ptr<TOneShotBuild> Take();

private:
    std::unique_ptr<TOneShotBuild> Build;
    std::unique_ptr<TSearchControl> Control = std::make_unique<TSearchControl>();
    std::unique_ptr<TWorkerThread> Worker;  // made for the first build that needs it; joined last
    bool OnWorker = false;
    bool LastStopped = false;
};
