// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliBuild.h"

#include "construction/ConfigurationText.h"
#include "measure/PolyhedronCalc.h"
#include "session/BuildRunner.h"

#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

using TClock = std::chrono::steady_clock;

constexpr auto QuietTime = std::chrono::milliseconds(150);  // shorter searches show no progress
constexpr auto PollTime = std::chrono::milliseconds(50);

volatile std::sig_atomic_t Interrupts = 0;

// The first Ctrl-C pauses the search as the time limit does; a second one ends the
// program. Only counted here: the watching thread acts on it, so that the worker is
// always joined before the program ends.
extern "C" void OnInterrupt(int)
{
    Interrupts = Interrupts + 1;
}

void ShowProgress(const TSearchControl& control, double seconds)
{
    std::fprintf(stderr, "\r\033[Kbuilding: %lld steps, %d vertices, %d found, %.1f s",
                 control.Completions.load(std::memory_order_relaxed), control.Vertices.load(std::memory_order_relaxed),
                 control.Found.load(std::memory_order_relaxed), seconds);
    std::fflush(stderr);
}

// The one-shot search on the runner's worker; this thread watches the clock, Ctrl-C and
// the terminal, and wakes the moment the build is over.
bool RunOneShot(const TCliRequest& request, TBuildSession& session, TLinePane& pane, bool& stopped)
{
    TBuildRunner runner;
    Interrupts = 0;
    const auto previous = std::signal(SIGINT, OnInterrupt);
    const auto start = TClock::now();
    const bool terminal = isatty(STDERR_FILENO) == 1;
    bool lineShown = false;
    // No slice here: the whole search runs where the time limit and Ctrl-C can stop it.
    if (!runner.Start(request.Config, TBuildSlice{.Steps = 0}))
        while (!runner.WaitFor(PollTime)) {
            const std::chrono::duration<double> elapsed = TClock::now() - start;
            if (Interrupts > 0 || (request.TimeLimit > 0.0 && elapsed.count() >= request.TimeLimit))
                runner.RequestStop();
            if (terminal && TClock::now() - start >= QuietTime) {
                ShowProgress(runner.Progress(), elapsed.count());
                lineShown = true;
            }
        }
    // Take joins both workers: the build and the searches at smaller limits.
    const bool refused = AdoptFinished(runner, session, pane);
    std::signal(SIGINT, previous);
    if (lineShown)
        std::fputs("\r\033[K", stderr);
    stopped = runner.Stopped();
    return refused;
}  // the runner's two workers end here, before a second Ctrl-C ends the program

// A second Ctrl-C ends the program at once, with the shell's status for an interrupt, and
// nothing more is written.
void EndIfInterruptedTwice()
{
    if (Interrupts >= 2)
        std::exit(130);
}

}  // namespace

bool BuildAndShow(const TCliRequest& request, TBuildSession& session, TLinePane& pane, TBuildReport& report)
{
    const TDisplaySettings& settings = request.Display;
    bool stopped = false;
    bool refused = request.Steps > 0 ? session.Press(TBuildMode::Start, request.Config, settings, pane)
                                     : RunOneShot(request, session, pane, stopped);
    EndIfInterruptedTwice();
    // Presses after the search has ended change nothing: they are not made.
    const int presses = (request.Steps > 0 ? request.Steps - 1 : 0) + request.Continues;
    for (int i = 0; i < presses && !refused && !session.SearchEnded(); ++i)
        refused = session.Press(TBuildMode::Continue, request.Config, settings, pane);

    report.Configuration = ConfigurationText(request.Config);
    report.Config = &request.Config;
    report.Refused = refused;
    report.BuildStep = session.BuildStep();
    report.Pane = &pane.Lines;
    report.Session = &session;
    report.Pick = request.Pick;
    report.Stopped = stopped;
    if (refused || !(request.Dual || request.Compound))
        return refused;
    // What showing the pick forms: the dual, the compound, the report once.
    session.Show(request.Pick, settings, pane);
    report.DualFormed = true;
    report.DualAborted = session.Marks().DualAborted;
    report.CompoundFormed = request.Compound;
    report.Compound = &session.Compound();
    if (request.Dual)
        report.DualReport = DualEdgeReport(session.Dual(), session.Geometry().PolygonCount);
    return false;
}
