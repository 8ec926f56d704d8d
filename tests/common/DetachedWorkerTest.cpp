// SPDX-License-Identifier: GPL-3.0-or-later
// The worker whose owner never waits: a job under way outlives its owner without handing
// anything over, a job waiting gives way to a newer one, and no thread is left behind.
// Every wait is on a gate the test opens, never on the clock.

#include "common/DetachedWorker.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

namespace {

// A gate a thread waits at until another opens it.
class TGate {
public:
    void Open()
    {
        const std::lock_guard lock(Mutex);
        IsOpen = true;
        Changed.notify_all();
    }
    void Wait()
    {
        std::unique_lock lock(Mutex);
        Changed.wait(lock, [this] { return IsOpen; });
    }

private:
    std::mutex Mutex;
    std::condition_variable Changed;
    bool IsOpen = false;
};

// The answers handed over, in order, shared with the jobs (which may outlive the test's frame).
struct TAnswers {
    std::mutex Mutex;
    std::condition_variable Came;
    std::vector<int> Values;

    void Add(int value)
    {
        const std::lock_guard lock(Mutex);
        Values.push_back(value);
        Came.notify_all();
    }
    std::vector<int> WaitFor(std::size_t count)
    {
        std::unique_lock lock(Mutex);
        Came.wait(lock, [&] { return Values.size() >= count; });
        return Values;
    }
};

TDetachedWorker::TJob Job(int value, std::shared_ptr<TAnswers> answers, std::shared_ptr<TGate> started = nullptr,
                          std::shared_ptr<TGate> go = nullptr, std::shared_ptr<bool> handedOver = nullptr)
{
    return [=](const TDetachedWorker::THandOver& handOver) {
        if (started)
            started->Open();
        if (go)
            go->Wait();
        const bool ran = handOver([&] { answers->Add(value); });
        if (handedOver)
            *handedOver = ran;
    };
}

}  // namespace

TEST(DetachedWorker, AJobPostedWhileOneRunsTakesThePlaceOfTheOneWaiting)
{
    auto answers = std::make_shared<TAnswers>();
    auto started = std::make_shared<TGate>();
    auto go = std::make_shared<TGate>();
    {
        TDetachedWorker worker;
        worker.Post(Job(1, answers, started, go));
        started->Wait();
        worker.Post(Job(2, answers));  // never runs: 3 comes before the worker is free
        worker.Post(Job(3, answers));
        EXPECT_EQ(TDetachedWorker::RunningThreads(), 1);  // one thread, however many jobs
        go->Open();
        EXPECT_EQ(answers->WaitFor(2), (std::vector<int>{1, 3}));

        // Idle, the thread ends; a later job starts another.
        TDetachedWorker::WaitUntilNoThreadRuns();
        EXPECT_EQ(TDetachedWorker::RunningThreads(), 0);
        worker.Post(Job(4, answers));
        EXPECT_EQ(answers->WaitFor(3), (std::vector<int>{1, 3, 4}));
    }
    TDetachedWorker::WaitUntilNoThreadRuns();
}

TEST(DetachedWorker, TheOwnerGoesWithoutWaitingAndNothingIsHandedOverAfter)
{
    auto answers = std::make_shared<TAnswers>();
    auto started = std::make_shared<TGate>();
    auto go = std::make_shared<TGate>();
    auto handedOver = std::make_shared<bool>(true);
    {
        auto worker = std::make_unique<TDetachedWorker>();
        worker->Post(Job(1, answers, started, go, handedOver));
        started->Wait();
        worker->Post(Job(2, answers));
        worker.reset();  // the job under way still waits at its gate: this must not wait for it
    }
    go->Open();
    TDetachedWorker::WaitUntilNoThreadRuns();
    EXPECT_FALSE(*handedOver);
    EXPECT_TRUE(answers->Values.empty());  // neither the job under way nor the one waiting
}
