// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/BuildRunner.h"

#include <cassert>
#include <limits>
#include <utility>

bool TBuildRunner::Start(const TVertexConfiguration& config, const TBuildSlice& slice, TDone done)
{
    assert(Build == nullptr && "a build is under way");
    Build = std::make_unique<TOneShotBuild>(config);
    Control = std::make_unique<TSearchControl>();
    if (slice.Steps >= 0)
        Control->StepDeadline = slice.Steps;
    else if (slice.Wait.count() >= 0)
        Control->Deadline = std::chrono::steady_clock::now() + slice.Wait;
    Build->Run(Control.get());
    OnWorker = Control->TimedOut;
    if (!OnWorker)
        return true;
    if (!Worker)
        Worker = std::make_unique<TWorkerThread>();
    // The rest has no slice: it runs to its end, its pause at 100 solids, or a stop.
    Control->Deadline = std::chrono::steady_clock::time_point::max();
    Control->StepDeadline = std::numeric_limits<long long>::max();
    Worker->Run([build = Build.get(), control = Control.get(), done = std::move(done)] {
        build->Resume(*control);
        if (done)
            done();
    });
    return false;
}

void TBuildRunner::RequestStop()
{
    if (Running())
        Control->StopRequested = true;
}

bool TBuildRunner::WaitFor(std::chrono::milliseconds timeout)
{
    return !OnWorker || Worker->WaitFor(timeout);
}

std::unique_ptr<TOneShotBuild> TBuildRunner::Take()
{
    if (OnWorker)
        Worker->Wait();
    OnWorker = false;
    LastStopped = Control->Stopped;
    return std::move(Build);
}
