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
    [[nodiscard]] const TBuiltSolid* SolidAt(int listPosition) const { return Search.SolidAt(listPosition); }
    [[nodiscard]] int FoundCount() const { return Search.FoundCount(); }
    [[nodiscard]] const TVertexGeometry& Geometry() const { return Search.Geometry(); }
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
    [[nodiscard]] bool FormDualOf(int sel, TInfoPane& pane);
    void FormCompoundOf(int sel);

    TSearch Search;
    int Step = 0;  // the search's step state between presses
    TDualSolid DualSolid;
    TPolyFace CompoundSolid;
    TFrameMarks FrameMarks;
    bool LastNew = false;
};
