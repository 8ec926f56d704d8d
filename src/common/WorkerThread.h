// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One thread kept for long jobs (one-shot builds), so that a job pays for no thread start: it waits
// for a job, runs it, and says when it is done. Plain C++; the job must touch nothing that
// another thread uses until Ready() says it is done.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class TWorkerThread {
public:
    TWorkerThread();
    ~TWorkerThread();  // waits for a running job, then ends the thread
    TWorkerThread(const TWorkerThread&) = delete;
    TWorkerThread& operator=(const TWorkerThread&) = delete;

    // Hands job over to the thread; the worker must be idle.
    void Run(std::function<void()> job);
    // True once the last job is done; waits at most timeout for it.
    [[nodiscard]] bool WaitFor(std::chrono::milliseconds timeout);
    void Wait();
    [[nodiscard]] bool Ready() { return WaitFor(std::chrono::milliseconds(0)); }

private:
    void Loop();

    std::mutex Mutex;
    std::condition_variable Changed;
    std::function<void()> Job;
    bool Busy = false;
    bool Quit = false;
    std::thread Thread;  // last: started once the rest is in place
};
