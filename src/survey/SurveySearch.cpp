// SPDX-License-Identifier: GPL-3.0-or-later
#include "survey/SurveySearch.h"

#include "construction/Search.h"
#include "session/BuildSession.h"

#include <cassert>
#include <condition_variable>
#include <thread>

namespace {

void ResetControl(TSearchControl& control, long long budget)
{
    control.Completions.store(0);
    control.Vertices.store(0);
    control.Found.store(0);
    control.Stopped = false;
    control.TimedOut = false;
    control.ResumeVertex = 0;
    control.Deadline = std::chrono::steady_clock::time_point::max();
    control.StepDeadline = budget;
}

}  // namespace

TSearchTally SearchConfiguration(const TVertexConfiguration& config, long long budget, TSearchControl& control,
                                 const std::function<void(const TBuiltSolid&)>& take)
{
    assert(budget >= 1);
    ResetControl(control, budget);
    TOneShotBuild build(config);
    build.Run(&control);
    if (build.Refused)
        return {};
    int taken = 0;
    for (;;) {
        for (int k = 1; k <= build.Search.FoundCount(); ++k)
            take(*build.Search.SolidAt(k));
        taken += build.Search.FoundCount();
        // What was taken is let go, and so are the pane's lines: a search may find the
        // same flat polygon a million times over.
        build.Search.DropFoundSolids();
        build.Pane.Clear();
        const long long steps = control.Completions.load();
        if (build.Search.Ended(build.Step))
            return {TSearchEnd::Ended, steps, taken};
        if (control.Stopped)
            return {TSearchEnd::Stopped, steps, taken};
        if (control.TimedOut)
            return {TSearchEnd::OutOfBudget, steps, taken};
        // The pause after 100 solids: carried on from the vertex it paused at, exactly as
        // if it had never paused, on the same budget.
        control.ResumeVertex = build.Step;
        build.Resume(control);
    }
}

int TIndexDispenser::Next()
{
    if (Stopping.load())
        return -1;
    const int taken = Taken.fetch_add(1);
    return taken < Count() ? Pending[static_cast<std::size_t>(taken)] : -1;
}

void TSurveyThreads::Run(TIndexDispenser& dispenser, int jobs, const TWork& work, std::chrono::milliseconds interval,
                         const std::function<void()>& watch)
{
    assert(jobs >= 1);
    std::mutex finishedMutex;
    std::condition_variable finishedChanged;
    int finished = 0;
    std::vector<std::thread> threads;
    threads.reserve(static_cast<std::size_t>(jobs));
    for (int j = 0; j < jobs; ++j)
        threads.emplace_back([&] {
            TSearchControl control;
            {
                const std::lock_guard lock(Mutex);
                Controls.push_back(&control);
                control.StopRequested.store(Stopping);
            }
            for (int index = dispenser.Next(); index >= 0; index = dispenser.Next())
                work(index, control);
            {
                const std::lock_guard lock(Mutex);
                std::erase(Controls, &control);
            }
            const std::lock_guard lock(finishedMutex);
            ++finished;
            finishedChanged.notify_all();
        });
    for (;;) {
        std::unique_lock lock(finishedMutex);
        if (finishedChanged.wait_for(lock, interval, [&] { return finished == jobs; }))
            break;
        lock.unlock();
        watch();
    }
    for (std::thread& thread : threads)
        thread.join();
}

void TSurveyThreads::Stop(TIndexDispenser& dispenser)
{
    dispenser.Stop();
    const std::lock_guard lock(Mutex);
    Stopping = true;
    for (TSearchControl* control : Controls)
        control->StopRequested.store(true);
}
