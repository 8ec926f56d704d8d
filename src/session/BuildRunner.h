// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How every front end runs a one-shot build: a first slice on the caller's thread, so
// that a short build costs no thread and shows at once, and the rest on a worker thread,
// watched (progress, Stop) from the caller's, and told back when it is done.
//
// While the rest runs, a second worker runs the same search at smaller limits (100, 200,
// 400, ...), each to its end. A search at limit L' finds exactly the solids of at most L'
// vertices that one at L > L' finds, in the same order: every branch of the smaller search
// is a branch of the larger one, cut no earlier. So each smaller search that ends gives at
// once a list complete up to its limit, long before the whole search ends.

#include "common/WorkerThread.h"
#include "session/BuildSession.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// How much of a build runs on the caller's thread before the worker takes it on. Steps
// (when >= 0) is a slice the same on every machine; else Wait (when >= 0) one of time;
// else the whole build runs on the caller's thread.
struct TBuildSlice {
    long long Steps = -1;
    std::chrono::milliseconds Wait{-1};
};

// The smaller limits a build at limit runs at too, smallest first.
[[nodiscard]] std::vector<int> StageLimits(int limit);

// The searches at smaller limits of one build, as the second worker leaves them.
struct TBuildStages {
    TVertexConfiguration Config;
    std::vector<int> Limits;
    std::size_t Next = 0;                   // the first limit whose search has not ended
    std::unique_ptr<TOneShotBuild> Paused;  // that search, when it was stopped on the way
    TSearchControl Control;
    std::mutex Mutex;                      // guards Ended and EndedLimit
    std::unique_ptr<TOneShotBuild> Ended;  // the last to end, not taken yet
    int EndedLimit = 0;
    std::atomic<int> CompleteUpTo{0};  // the largest limit whose search has ended
};

class TBuildRunner {
public:
    // Called on the worker thread once the build there has ended or paused; the front end
    // passes it on to its own thread and calls Take there.
    using TDone = std::function<void()>;

    TBuildRunner() = default;
    ~TBuildRunner();  // asks both workers to stop, then waits for them
    TBuildRunner(const TBuildRunner&) = delete;
    TBuildRunner& operator=(const TBuildRunner&) = delete;

    // Starts a one-shot build of config. True when it was over within the slice: Take it
    // at once. Otherwise it goes on on the worker, and done is called when it is over.
    // There must be no build under way.
    // While it goes on there, stageDone is called on the second worker each time a search at
    // a smaller limit ends: TakeStage it on the front end's thread.
    [[nodiscard]] bool Start(const TVertexConfiguration& config, const TBuildSlice& slice, TDone done = {},
                             TDone stageDone = {});
    // Carries a paused one-shot build (from TBuildSession::Release) on from where it
    // stopped, on the worker, with the searches at smaller limits that had not ended when
    // it was stopped. There must be no build under way.
    void Resume(std::unique_ptr<TOneShotBuild> build, TDone done = {}, TDone stageDone = {});
    // The search at a smaller limit that ended last and was not taken yet (null when none),
    // its limit to limit.
    [[nodiscard]] std::unique_ptr<TOneShotBuild> TakeStage(int& limit);
    // The largest smaller limit whose search has ended in this build; 0 when none has.
    [[nodiscard]] int CompleteUpTo() const { return Stages ? Stages->CompleteUpTo.load() : 0; }
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
    // The build once it is over (waiting for the worker to let go of it), to Adopt. The
    // searches at smaller limits are stopped and kept for Resume.
    [[nodiscard]] std::unique_ptr<TOneShotBuild> Take();

private:
    void RunOnWorker(TDone done, TDone stageDone);
    void RunStages(const TDone& stageDone);

    std::unique_ptr<TOneShotBuild> Build;
    std::unique_ptr<TSearchControl> Control = std::make_unique<TSearchControl>();
    std::unique_ptr<TBuildStages> Stages;
    std::unique_ptr<TWorkerThread> StageWorker;
    std::unique_ptr<TWorkerThread> Worker;  // made for the first build that needs it; joined last
    bool OnWorker = false;
    bool LastStopped = false;
};

// Hands the build over to session once the runner is done with it (Take). A paused build
// keeps on show what the last search at a smaller limit to end found. True when refused.
[[nodiscard]] bool AdoptFinished(TBuildRunner& runner, TBuildSession& session, TInfoPane& pane);
