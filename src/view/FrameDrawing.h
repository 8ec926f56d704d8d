#pragma once
// One whole frame of the view: which of the solid, its dual and their compound are drawn
// and in which order, the dual formed when first needed, and its report written once.

#include "construction/PolyhedronBuild.h"

// The window's marks: whether the dual and the compound are formed for what is shown.
struct TFrameMarks {
    bool DualBuilt = false;
    bool CompoundBuilt = false;
    bool DualAborted = false;     // the last dual had to be abandoned
    bool DualReportShown = false;
};

// Draws list position sel (0: the solid under construction) as the settings say, presents
// the frame, and appends the dual's report to the pane the first time the dual is shown.
void RedrawView(TBuild& engine, TFrameMarks& marks, int sel, const TDrawTarget& target, TInfoPane& pane);

// Forms the dual of list position sel when the dual or the compound is shown and it is
// not formed yet.
void EnsureDual(TBuild& engine, TFrameMarks& marks, int sel, const TDisplaySettings& settings);
