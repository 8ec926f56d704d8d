// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search as the rest of the program holds it: prepare a configuration, run the search
// a call at a time, and read the solids it has built. What it keeps while it works (the
// working solid, its saved states, the bound's cache) stays inside construction/.

#include "common/InfoPane.h"
#include "construction/BuiltSolid.h"
#include "construction/PruningOptions.h"
#include "construction/SearchControl.h"
#include "construction/VertexConfiguration.h"

#include <climits>
#include <memory>

inline constexpr int SearchEndedAfterFailure = INT_MAX;  // step state once nothing is left to try
inline constexpr int FoundSolidCap = 100;                // a one-shot build pauses after this many
inline constexpr int OneShotStep = -1;

class TBuild;

class TSearch {
public:
    explicit TSearch(TPruningOptions options = {});
    ~TSearch();
    TSearch(TSearch&&) noexcept;
    TSearch& operator=(TSearch&&) noexcept;

    // A new build: the vertex geometry of config and an empty list. True when the
    // configuration cannot be built; the reason is appended to the pane.
    [[nodiscard]] bool Prepare(const TVertexConfiguration& config, TInfoPane& pane);
    // One call of the search, its lines appended to pane. step: -1 one-shot; 0 start a
    // step build; 1 ... the vertex to complete next; VertexCount + 1 or
    // SearchEndedAfterFailure once it has ended. A one-shot search reports its progress to
    // control, when given, and pauses there when asked to, leaving step at the vertex to
    // complete next as a step build would.
    void Run(int& step, TInfoPane& pane, TSearchControl* control = nullptr);

    [[nodiscard]] const TVertexGeometry& Geometry() const;
    [[nodiscard]] int FoundCount() const;
    // List position 0 is the solid under construction, position k >= 1 found solid k;
    // null outside the list.
    [[nodiscard]] const TBuiltSolid* SolidAt(int listPosition) const;
    // For a survey that has taken every solid found so far: the list lets them go (list
    // position 0 stays), and the count, and with it the 100-solid pause of a one-shot
    // search, starts again from 0. The search itself goes on as before: it never looks
    // back at what it has found. Without this, a configuration whose polygons fold back
    // onto each other finds its one flat solid hundreds of thousands of times over.
    void DropFoundSolids();
    // True once a search in step state step has nothing left to try.
    [[nodiscard]] bool Ended(int step) const;
    [[nodiscard]] const TPruningStats& Stats() const;
    // Saved states the search can still go back to.
    [[nodiscard]] int SavedStates() const;
    // True when some branch of the last search failed only because it reached the vertex limit.
    [[nodiscard]] bool LimitCut() const;

private:
    std::unique_ptr<TBuild> Engine;
};
