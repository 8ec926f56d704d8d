// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DetachedWorker.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

struct TDetachedWorker::TState {
    std::mutex Mutex;
    TJob Waiting;
    bool ThreadRunning = false;
    bool OwnerGone = false;
};

namespace {

// The count of threads still running, and the threads themselves. Never destroyed: a thread
// may outlive main. The threads are kept rather than detached so that one whose work is
// over can be joined: a thread still tearing itself down as the program ends trips up
// tools that stop every thread at exit (the leak checker among them).
struct TThreadCount {
    std::mutex Mutex;
    std::condition_variable Ended;
    int Running = 0;
    std::vector<std::thread> Threads;
    std::vector<std::thread::id> Finished;  // threads whose work is over, not yet joined
};

// Joins the threads whose work is over; under count's lock.
std::vector<std::thread> TakeFinished(TThreadCount& count)
{
    std::vector<std::thread> finished;
    for (auto it = count.Threads.begin(); it != count.Threads.end();) {
        if (std::find(count.Finished.begin(), count.Finished.end(), it->get_id()) != count.Finished.end()) {
            finished.push_back(std::move(*it));
            it = count.Threads.erase(it);
        } else
            ++it;
    }
    count.Finished.clear();
    return finished;
}

void JoinAll(std::vector<std::thread>& threads)
{
    for (std::thread& thread : threads)
        thread.join();
}

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
    std::vector<std::thread> finished;
    TThreadCount& count = ThreadCount();
    std::unique_lock countLock(count.Mutex);
    ++count.Running;
    finished = TakeFinished(count);
    count.Threads.emplace_back([state = State]() mutable {
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
        count.Finished.push_back(std::this_thread::get_id());
        count.Ended.notify_all();
    });
    countLock.unlock();
    // The finished ones have only their last few instructions left: joined at once.
    JoinAll(finished);
}

int TDetachedWorker::RunningThreads()
{
    const std::lock_guard lock(ThreadCount().Mutex);
    return ThreadCount().Running;
}

void TDetachedWorker::WaitUntilNoThreadRuns()
{
    TThreadCount& count = ThreadCount();
    std::vector<std::thread> finished;
    {
        std::unique_lock lock(count.Mutex);
        count.Ended.wait(lock, [&] { return count.Running == 0; });
        finished = TakeFinished(count);
    }
    JoinAll(finished);
}
