// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one owner of builds and of what is shown: the three build buttons' step
// transitions, the list of built solids, and the dual and the compound formed for the
// position on show, with the dual's report appended once after a build. The window,
// zenkari-cli and zenkari-view all go through it. Show forms; drawing and exporting only
// read what has been formed.

#include "common/DisplaySettings.h"
#include "construction/Search.h"
#include "export/ExportScene.h"
#include "view/FrameDrawing.h"

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

// Appends the two radii of the vertex geometry with their explanation, as every new build shows them.
void AppendRadiusLines(const TVertexGeometry& geometry, TInfoPane& pane);

// A one-shot build that may run on another thread: it owns a fresh search, and touches
// nothing else until it is handed over with TBuildSession::Adopt.
struct TOneShotBuild {
    explicit TOneShotBuild(const TVertexConfiguration& config, TPruningOptions options = {})
        : Config(config), Search(options)
    {}
    // A new build (the pane cleared, the geometry, the radius lines), then the search to its
    // end or pause; control (when given) watches and may stop it, or give it a slice.
    void Run(TSearchControl* control = nullptr);
    // After a pause at the slice's end: carries the same search on, as control now says,
    // exactly as if it had never paused.
    void Resume(TSearchControl& control);

    TVertexConfiguration Config;
    TSearch Search;
    int Step = OneShotStep;
    TLinePane Pane;  // the pane as the build leaves it (it starts cleared)
    bool Refused = false;
};

class TBuildSession {
public:
    // One press of a build button, its lines to pane. True when the configuration was refused.
    [[nodiscard]] bool Press(TBuildMode mode, const TVertexConfiguration& config, const TDisplaySettings& settings,
                             TInfoPane& pane);
    // A one-shot build run elsewhere takes the place of the session's search, its pane
    // lines replacing pane's, as if Press(OneShot) had run here. True when it was refused.
    [[nodiscard]] bool Adopt(TOneShotBuild& build, TInfoPane& pane);
    // A search of the same configuration at a smaller limit ended while the build goes on:
    // its solids are shown at once, complete up to limit, followed by those of this build's
    // paused search (kept on show) that it lacks. Its pane lines replace pane's.
    void AdoptStage(TOneShotBuild& stage, int limit, TInfoPane& pane);
    // Hands the paused one-shot search over to build, to be carried on elsewhere; what it
    // has found stays on show until build comes back through Adopt. True when there is
    // no such search (see CanResume).
    [[nodiscard]] bool Release(TOneShotBuild& build);

    // The list position shown changed, or the dual or compound box did: the dual and the
    // compound are formed anew, unless the last dual had to be abandoned.
    void SelectionChanged(const TDisplaySettings& settings);
    // Forms what the settings show of list position sel and is not formed yet; the first
    // time the dual is shown after a build, its report goes to pane.
    void Show(int sel, const TDisplaySettings& settings, TInfoPane& pane);
    // Draws list position sel as formed and presents the frame. Reads only.
    void Draw(int sel, const TDrawTarget& target) const;
    // The VRML lines of list position sel as shown; none when it holds no solid.
    [[nodiscard]] std::vector<std::string> ExportShown(int sel, const TDisplaySettings& settings) const;
    // The faces and triangles of list position sel as shown, for the mesh formats.
    [[nodiscard]] TExportScene DescribeShown(int sel, const TDisplaySettings& settings) const;

    // List position 0 is the solid under construction, position k >= 1 found solid k;
    // null outside the list.
    // Positions after the search's own solids hold those kept on show from a search at a
    // smaller limit or from this build before it was carried on elsewhere.
    [[nodiscard]] const TBuiltSolid* SolidAt(int listPosition) const;
    [[nodiscard]] int FoundCount() const { return Search.FoundCount() + static_cast<int>(KeptSolids.size()); }
    [[nodiscard]] const TVertexGeometry& Geometry() const { return HeldGeometry ? *HeldGeometry : Search.Geometry(); }
    // The list shows a one-shot build that has not ended: it holds every solid of at most
    // CompleteUpTo() vertices (none is known when that is 0), and perhaps some larger ones.
    [[nodiscard]] bool Provisional() const { return ListProvisional; }
    [[nodiscard]] int CompleteUpTo() const { return CompleteLimit; }
    // The search is a one-shot build paused before its end ("中止", or many solids found),
    // here to be stepped on or handed back to a worker with Release.
    [[nodiscard]] bool CanResume() const;
    [[nodiscard]] const TPruningStats& PruningStats() const { return Search.Stats(); }
    [[nodiscard]] bool LimitCut() const { return Search.LimitCut(); }
    [[nodiscard]] int SavedStates() const { return Search.SavedStates(); }
    [[nodiscard]] int BuildStep() const { return Step; }
    // True once the search has nothing left to try: a further press changes nothing.
    [[nodiscard]] bool SearchEnded() const { return Search.Ended(Step); }
    // Whether the last press started a new build (the per-polygon table is filled anew then).
    [[nodiscard]] bool LastPressWasNew() const { return LastNew; }
    [[nodiscard]] const TFrameMarks& Marks() const { return FrameMarks; }
    // The dual and the compound as last formed.
    [[nodiscard]] const TDualSolid& Dual() const { return DualSolid; }
    [[nodiscard]] const TPolyFace& Compound() const { return CompoundSolid; }

private:
    void BeforePress(TBuildMode mode, const TDisplaySettings& settings);
    void AfterPress(bool refused);
    // Takes over build's search, step and pane lines, as a one-shot press would.
    void TakeSearch(TOneShotBuild& build, TInfoPane& pane);
    // Keeps shown (the list as it was) after the search's own solids, those it lacks.
    void KeepShownBeside(std::vector<TBuiltSolid> shown);
    [[nodiscard]] std::vector<TBuiltSolid> ShownSolids() const;
    void ForgetKept();
    [[nodiscard]] bool FormDualOf(int sel, TInfoPane& pane);
    void FormCompoundOf(int sel);

    TSearch Search;
    int Step = 0;  // the search's step state between presses
    TDualSolid DualSolid;
    TPolyFace CompoundSolid;
    TFrameMarks FrameMarks;
    bool LastNew = false;
    bool OneShotRun = false;  // the search began as a one-shot build
    std::vector<TBuiltSolid> KeptSolids;
    std::shared_ptr<const TVertexGeometry> HeldGeometry;  // while the search is carried on elsewhere
    std::string ShownConfig;                              // the configuration whose search is on show, as written
    TVertexConfiguration RunConfig;                       // of the last one-shot build adopted
    std::vector<std::string> RunPaneLines;                // its pane lines as it left them
    bool ListProvisional = false;
    int CompleteLimit = 0;
};
