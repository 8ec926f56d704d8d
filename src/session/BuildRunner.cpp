// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/BuildRunner.h"

#include "construction/ConfigurationText.h"

#include <cassert>
#include <limits>
#include <utility>

namespace {

constexpr int FirstStageLimit = 100;

// Lets a control that paused on request go on: a fresh request, the pause forgotten.
void ClearStop(TSearchControl& control)
{
    control.StopRequested = false;
    control.Stopped = false;
}

}  // namespace

std::vector<int> StageLimits(int limit)
{
    std::vector<int> limits;
    for (int stage = FirstStageLimit; stage < limit; stage *= 2)
        limits.push_back(stage);
    return limits;
}

TBuildRunner::~TBuildRunner()
{
    // Neither worker may outlive what it works on, and neither should be waited for long.
    if (OnWorker)
        Control->StopRequested = true;
    if (Stages)
        Stages->Control.StopRequested = true;
}

bool TBuildRunner::Start(const TVertexConfiguration& config, const TBuildSlice& slice, TDone done, TDone stageDone)
{
    assert(Build == nullptr && "a build is under way");
    Build = std::make_unique<TOneShotBuild>(config);
    Control = std::make_unique<TSearchControl>();
    Stages.reset();
    if (slice.Steps >= 0)
        Control->StepDeadline = slice.Steps;
    else if (slice.Wait.count() >= 0)
        Control->Deadline = std::chrono::steady_clock::now() + slice.Wait;
    Build->Run(Control.get());
    OnWorker = Control->TimedOut;
    if (!OnWorker)
        return true;
    // The rest has no slice: it runs to its end, its pause at 100 solids, or a stop.
    Control->Deadline = std::chrono::steady_clock::time_point::max();
    Control->StepDeadline = std::numeric_limits<long long>::max();
    Stages = std::make_unique<TBuildStages>();
    Stages->Config = config;
    Stages->Limits = StageLimits(config.VertexLimit);
    RunOnWorker(std::move(done), std::move(stageDone));
    return false;
}

void TBuildRunner::Resume(std::unique_ptr<TOneShotBuild> build, TDone done, TDone stageDone)
{
    assert(Build == nullptr && "a build is under way");
    Build = std::move(build);
    Control = std::make_unique<TSearchControl>();
    Control->ResumeVertex = Build->Step;
    // Stages of another build (or of none) have nothing to add to this one.
    if (Stages && ConfigurationText(Stages->Config) != ConfigurationText(Build->Config))
        Stages.reset();
    OnWorker = true;
    RunOnWorker(std::move(done), std::move(stageDone));
}

void TBuildRunner::RunOnWorker(TDone done, TDone stageDone)
{
    if (!Worker)
        Worker = std::make_unique<TWorkerThread>();
    if (Stages && Stages->Next < Stages->Limits.size()) {
        if (!StageWorker)
            StageWorker = std::make_unique<TWorkerThread>();
        ClearStop(Stages->Control);
        StageWorker->Run([this, stageDone = std::move(stageDone)] { RunStages(stageDone); });
    }
    Worker->Run([build = Build.get(), control = Control.get(), done = std::move(done)] {
        build->Resume(*control);
        if (done)
            done();
    });
}

// On the second worker: the searches at smaller limits one after another, each to its end,
// until they are all done, one of them pauses at many solids, or a stop is asked for.
void TBuildRunner::RunStages(const TDone& stageDone)
{
    TBuildStages& stages = *Stages;
    while (stages.Next < stages.Limits.size()) {
        const int limit = stages.Limits[stages.Next];
        if (stages.Paused) {
            stages.Control.ResumeVertex = stages.Paused->Step;
            stages.Paused->Resume(stages.Control);
        } else {
            TVertexConfiguration config = stages.Config;
            config.VertexLimit = limit;
            stages.Paused = std::make_unique<TOneShotBuild>(config);
            stages.Paused->Run(&stages.Control);
        }
        if (stages.Control.Stopped)
            return;  // kept in Paused, to go on when the build is resumed
        if (stages.Paused->Refused || !stages.Paused->Search.Ended(stages.Paused->Step)) {
            // Paused at many solids: the build itself pauses there too, and shows them.
            stages.Paused.reset();
            stages.Next = stages.Limits.size();
            return;
        }
        {
            const std::lock_guard lock(stages.Mutex);
            stages.Ended = std::move(stages.Paused);
            stages.EndedLimit = limit;
        }
        stages.CompleteUpTo = limit;
        ++stages.Next;
        if (stageDone)
            stageDone();
    }
}

std::unique_ptr<TOneShotBuild> TBuildRunner::TakeStage(int& limit)
{
    if (!Stages)
        return nullptr;
    const std::lock_guard lock(Stages->Mutex);
    limit = Stages->EndedLimit;
    return std::move(Stages->Ended);
}

void TBuildRunner::RequestStop()
{
    if (Running()) {
        Control->StopRequested = true;
        if (Stages)
            Stages->Control.StopRequested = true;
    }
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
    // The smaller searches have nothing to add once the build has ended or paused: they
    // stop where they are, to go on if it is resumed.
    if (StageWorker) {
        if (Stages)
            Stages->Control.StopRequested = true;
        StageWorker->Wait();
    }
    return std::move(Build);
}

bool AdoptFinished(TBuildRunner& runner, TBuildSession& session, TInfoPane& pane)
{
    const std::unique_ptr<TOneShotBuild> build = runner.Take();
    if (!build->Refused && !build->Search.Ended(build->Step)) {
        // Paused: the last smaller search to end shows first, so that the paused build
        // keeps what it found beside its own solids.
        int limit = 0;
        if (const std::unique_ptr<TOneShotBuild> stage = runner.TakeStage(limit))
            session.AdoptStage(*stage, limit, pane);
    }
    return session.Adopt(*build, pane);
}
