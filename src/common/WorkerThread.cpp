// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/WorkerThread.h"

TWorkerThread::TWorkerThread() : Thread([this] { Loop(); }) {}

TWorkerThread::~TWorkerThread()
{
    {
        std::unique_lock lock(Mutex);
        Changed.wait(lock, [this] { return !Busy; });
        Quit = true;
    }
    Changed.notify_all();
    Thread.join();
}

void TWorkerThread::Run(std::function<void()> job)
{
    {
        std::lock_guard lock(Mutex);
        Job = std::move(job);
        Busy = true;
    }
    Changed.notify_all();
}

bool TWorkerThread::WaitFor(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(Mutex);
    return Changed.wait_for(lock, timeout, [this] { return !Busy; });
}

void TWorkerThread::Wait()
{
    std::unique_lock lock(Mutex);
    Changed.wait(lock, [this] { return !Busy; });
}

void TWorkerThread::Loop()
{
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(Mutex);
            Changed.wait(lock, [this] { return Busy || Quit; });
            if (Quit && !Busy)
                return;
            job = std::move(Job);
        }
        job();
        {
            std::lock_guard lock(Mutex);
            Busy = false;
            Job = nullptr;
        }
        Changed.notify_all();
    }
}
