#pragma once
// One place that decides what is built, formed and shown: the build modes of the three
// buttons, when the dual and the compound of the shown solid are formed, and when the
// dual's report is appended. The window, zenkari-cli and zenkari-view all go through it.
// Drawing and exporting only read what has been formed.

#include "common/DisplaySettings.h"
#include "construction/BuildDriver.h"
#include "export/ExportScene.h"
#include "view/FrameDrawing.h"

#include <limits>
#include <memory>
#include <string>
#include <vector>

// Whether the dual and the compound are formed for what is shown.
struct TFrameMarks {
    bool DualBuilt = false;
    bool CompoundBuilt = false;
    bool DualAborted = false;  // the last dual had to be abandoned
    bool DualReportShown = false;
};

enum class TBuildMode {
    OneShot,   // "一括構築" and a catalogue choice: a new search until it ends or pauses
    Start,     // "構築開始": a new step build
    Continue,  // "構築続行": one more step (a new step build when none is under way)
};

// A one-shot build that may run on another thread: it owns a fresh engine, and touches
// nothing else until it is handed over with TBuildSession::Adopt.
struct TOneShotBuild {
    explicit TOneShotBuild(const TVertexConfiguration& config) : Config(config) {}
    // Runs the search to its end or pause; control (when given) watches and may stop it,
    // or give it a time slice.
    void Run(TSearchControl* control = nullptr) { Refused = Driver.BuildAll(*Engine, Config, Pane, control); }
    // After a pause at the deadline of control: carries the same search on to its end or pause.
    void Resume(TSearchControl& control)
    {
        control.Deadline = std::chrono::steady_clock::time_point::max();
        control.StepDeadline = std::numeric_limits<long long>::max();
        Driver.ResumeOneShot(*Engine, Pane, control);
    }

    TVertexConfiguration Config;
    std::unique_ptr<TBuild> Engine = std::make_unique<TBuild>();
    TBuildDriver Driver;
    TLinePane Pane;  // the pane as the build leaves it (it starts cleared)
    bool Refused = false;
};

class TBuildSession {
public:
    // One press of a build button, its lines to pane. True when the configuration was refused.
    bool Press(TBuildMode mode, const TVertexConfiguration& config, const TDisplaySettings& settings, TInfoPane& pane);
    // A one-shot build run elsewhere takes the place of the session's engine, its pane
    // lines replacing pane's, as if Press(OneShot) had run here. True when it was refused.
    bool Adopt(TOneShotBuild& build, TInfoPane& pane);

    // The list position shown changed, or the dual or compound box did: the dual and the
    // compound are formed anew, unless the last dual had to be abandoned.
    void SelectionChanged(const TDisplaySettings& settings);
    // Forms what the settings show of list position sel and is not formed yet; the first
    // time the dual is shown after a build, its report goes to pane.
    void FormShown(int sel, const TDisplaySettings& settings, TInfoPane& pane);
    // Draws list position sel as formed and presents the frame. Reads only.
    void Draw(int sel, const TDrawTarget& target) const;
    // FormShown, then Draw: one frame of the view.
    void Redraw(int sel, const TDrawTarget& target, TInfoPane& pane);
    // The VRML lines of list position sel as shown; none when it holds no solid.
    [[nodiscard]] std::vector<std::string> ExportShown(int sel, const TDisplaySettings& settings) const;
    // The faces and triangles of list position sel as shown, for the mesh formats.
    [[nodiscard]] TExportScene DescribeShown(int sel, const TDisplaySettings& settings) const;

    [[nodiscard]] const TBuild& Engine() const { return *EnginePtr; }
    [[nodiscard]] int BuildStep() const { return Driver.BuildStep; }
    [[nodiscard]] bool SearchEnded() const { return Driver.SearchEnded(*EnginePtr); }
    // Whether the last press started a new build (the per-polygon table is filled anew then).
    [[nodiscard]] bool LastPressWasNew() const { return LastNew; }
    [[nodiscard]] const TFrameMarks& Marks() const { return FrameMarks; }
    [[nodiscard]] const TPolyFace& Compound() const { return CompoundSolid; }

private:
    void BeforePress(TBuildMode mode, const TDisplaySettings& settings);
    void AfterPress(bool refused);

    std::unique_ptr<TBuild> EnginePtr = std::make_unique<TBuild>();
    TBuildDriver Driver;
    TFrameMarks FrameMarks;
    TPolyFace CompoundSolid;
    bool LastNew = false;
};
