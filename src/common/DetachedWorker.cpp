// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DetachedWorker.h"

#include <condition_variable>
#include <mutex>
#include <thread>

struct TDetachedWorker::TState {
    std::mutex Mutex;
    TJob Waiting;
    bool ThreadRunning = false;
    bool OwnerGone = false;
};

namespace {

// The count of threads still running. Never destroyed: a thread may outlive main.
struct TThreadCount {
    std::mutex Mutex;
    std::condition_variable Ended;
    int Running = 0;
};

TThreadCount& ThreadCount()
{
    static TThreadCount* const count = new TThreadCount;
    return *count;
}

}  // namespace

bool TDetachedWorker::THandOver::operator()(const std::function<void()>& handOver) const
{
    // Under the lock the owner's destructor takes: it cannot pass while handOver runs.
    const std::lock_guard lock(State->Mutex);
    if (State->OwnerGone)
        return false;
    handOver();
    return true;
}

TDetachedWorker::TDetachedWorker() : State(std::make_shared<TState>()) {}

TDetachedWorker::~TDetachedWorker()
{
    TJob dropped;
    {
        const std::lock_guard lock(State->Mutex);
        State->OwnerGone = true;
        dropped = std::move(State->Waiting);
        State->Waiting = nullptr;
    }
    // What the dropped job copied goes here, outside the lock.
}

void TDetachedWorker::Post(TJob job)
{
    TJob replaced;
    bool start = false;
    {
        const std::lock_guard lock(State->Mutex);
        replaced = std::move(State->Waiting);
        State->Waiting = std::move(job);
        start = !State->ThreadRunning;
        State->ThreadRunning = true;
    }
    if (!start)
        return;
    {
        const std::lock_guard lock(ThreadCount().Mutex);
        ++ThreadCount().Running;
    }
    std::thread([state = State]() mutable {
        for (;;) {
            TJob job;
            {
                const std::lock_guard lock(state->Mutex);
                if (!state->Waiting || state->OwnerGone) {
                    state->ThreadRunning = false;
                    break;
                }
                job = std::move(state->Waiting);
                state->Waiting = nullptr;
            }
            job(THandOver(state));
        }
        // Nothing of the owner's is held past this point: the count says so last.
        state.reset();
        TThreadCount& count = ThreadCount();
        const std::lock_guard lock(count.Mutex);
        --count.Running;
        count.Ended.notify_all();
    }).detach();
}

int TDetachedWorker::RunningThreads()
{
    const std::lock_guard lock(ThreadCount().Mutex);
    return ThreadCount().Running;
}

void TDetachedWorker::WaitUntilNoThreadRuns()
{
    TThreadCount& count = ThreadCount();
    std::unique_lock lock(count.Mutex);
    count.Ended.wait(lock, [&] { return count.Running == 0; });
}
