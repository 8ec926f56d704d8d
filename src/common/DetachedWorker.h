// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A thread for jobs that cannot be interrupted (an exact union of faces runs for seconds)
// and whose answers may no longer be wanted when they come. Its owner goes at once and
// never waits: a job not begun is dropped, the one under way runs to its end on a
// detached thread that holds nothing but what the job copied, and its answer is dropped.
// One job runs at a time; a job posted meanwhile takes the place of any still waiting, so
// that someone flicking through solids starts at most one job behind the one under way.
// The thread ends once it has nothing to do. Plain C++.

#include <functional>
#include <memory>

class TDetachedWorker {
    struct TState;

public:
    // What a job calls to hand its answer over: handOver runs, on the job's thread, unless
    // the owner has gone, and the owner cannot go while it runs. False when it did not run.
    class THandOver {
    public:
        bool operator()(const std::function<void()>& handOver) const;

    private:
        friend class TDetachedWorker;
        explicit THandOver(std::shared_ptr<TState> state) : State(std::move(state)) {}
        std::shared_ptr<TState> State;
    };
    using TJob = std::function<void(const THandOver&)>;

    TDetachedWorker();
    ~TDetachedWorker();  // drops the job waiting, and the answer of the one under way; never waits
    TDetachedWorker(const TDetachedWorker&) = delete;
    TDetachedWorker& operator=(const TDetachedWorker&) = delete;

    // Runs job once the job under way (if any) is over, in place of any job still waiting.
    void Post(TJob job);

    // Threads of every such worker still running, whether their owners have gone or not.
    [[nodiscard]] static int RunningThreads();
    // Waits until none runs. For tests: the program itself never waits for them.
    static void WaitUntilNoThreadRuns();

private:
    std::shared_ptr<TState> State;
};
