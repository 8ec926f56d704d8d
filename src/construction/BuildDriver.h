#pragma once
// What the three build buttons do to the engine: a new one-shot build, a new step build,
// or one more step. The window adds its list, selection and redraw around these.

#include "construction/PolyhedronBuild.h"

// Appends the two radii of the vertex geometry with their explanation, as every new build shows them.
void AppendRadiusLines(const TPreparation& engine, TInfoPane& pane);

class TBuildDriver {
public:
    // "一括構築": clears the pane and runs a new search until it ends or pauses (at 100
    // solids, or when control asks it to). True when preparation refused the configuration.
    bool BuildAll(TBuild& engine, const TVertexConfiguration& config, TInfoPane& pane,
                  TSearchControl* control = nullptr);
    // "構築開始": clears the pane, prepares, places and completes the first vertex.
    bool StartSteps(TBuild& engine, const TVertexConfiguration& config, TInfoPane& pane);
    // "構築続行": one more step; a new step build when none is under way.
    bool ContinueSteps(TBuild& engine, const TVertexConfiguration& config, TInfoPane& pane);

    // Carries on a one-shot search that paused at the deadline of control, in one-shot
    // mode, until it ends, pauses at 100 solids, or control stops or times it out again.
    void ResumeOneShot(TBuild& engine, TInfoPane& pane, TSearchControl& control);

    // One press with BuildStep as it stands: a new build (pane cleared, preparation, the
    // radius lines) when it is below 1, then one call of the search.
    bool Press(TBuild& engine, const TVertexConfiguration& config, TInfoPane& pane, TSearchControl* control = nullptr);

    // True once the search has nothing left to try: a further press changes nothing.
    [[nodiscard]] bool SearchEnded(const TBuild& engine) const
    {
        return BuildStep == SearchEndedAfterFailure || BuildStep > engine.Current.VertexCount;
    }

    int BuildStep = 0;  // the search's step state between presses
};
