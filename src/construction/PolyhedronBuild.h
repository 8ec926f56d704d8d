// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search: assembles closed solids face by face round one vertex after another,
// backtracking through the readings of the configuration, in one go or one vertex a call.

#include "construction/BoundCache.h"
#include "construction/BuiltSolid.h"
#include "construction/PolygonPrediction.h"
#include "construction/PolyhedronPreparation.h"
#include "construction/PruningOptions.h"
#include "construction/Search.h"
#include "construction/SearchControl.h"
#include "construction/SearchSolid.h"

#include <cstdint>
#include <string>
#include <vector>


// The line that warns, before the end lines, that some branch stopped at the vertex limit.
[[nodiscard]] std::string VertexLimitCutLine(int limit);

// The readings that can continue a vertex's fan, in the table's order: the alternatives
// the search tries there one after another.
struct TCandidates {
    std::uint32_t Readings = 0;  // bit a: reading a of the arrangement table
    int Count = 0;
};

// Where a reading's next polygon sits in the configuration, and which way it runs.
struct TReadingStart {
    int Offset = 0;
    int Direction = 1;
};

class TBuild : public TPreparation {
public:
    explicit TBuild(TPruningOptions options = {}) : Options(options) { Shown.Geometry = SharedGeometry(); }

    // A new build: the geometry of config, an empty list. True when the configuration
    // cannot be built; the reason is appended to the pane.
    [[nodiscard]] bool Prepare(const TVertexConfiguration& config, TInfoPane& pane);
    // One call of the search, its lines appended to pane. step: -1 one-shot; 0 start a
    // step build; 1 ... the vertex to complete next; VertexCount + 1 or
    // SearchEndedAfterFailure once it has ended. A one-shot search reports its progress to
    // control, when given, and pauses there when asked to, leaving step at the vertex to
    // complete next as a step build would.
    void Search(int& step, TInfoPane& pane, TSearchControl* control = nullptr);

    [[nodiscard]] int FoundCount() const { return static_cast<int>(Found.size()); }
    // Lets the found solids go (list position 0 stays): see TSearch::DropFoundSolids.
    void DropFound() { std::vector<TBuiltSolid>().swap(Found); }
    // List position 0 is the solid under construction as the last call left it, position
    // k >= 1 found solid k; null outside the list.
    [[nodiscard]] const TBuiltSolid* SolidAt(int listPosition) const;
    // True when some branch of this search failed only because it reached the vertex limit.
    [[nodiscard]] bool LimitCut() const { return LimitWasCut; }
    [[nodiscard]] const TPruningStats& Stats() const { return Counts; }
    [[nodiscard]] int SavedCount() const { return Work.SavedCount(); }

    // The steps of the search, open to the tests that check them one by one.
    // True when some vertex can no longer be completed.
    [[nodiscard]] bool CheckAllVertices() const;
    // The candidates for vertex v; none when v takes no more polygons.
    [[nodiscard]] TCandidates FindCandidates(int v) const;
    // Fits the missing polygons round v; true on failure.
    [[nodiscard]] bool CompleteVertex(int v);

private:
    // Candidate c of v's fan (0 <= c < candidates.Count).
    [[nodiscard]] TReadingStart CandidateAt(int v, const TCandidates& candidates, int c) const;
    // Where reading a of the table continues a fan of m polygons.
    [[nodiscard]] TReadingStart ReadingStart(int a, int m) const;
    // Places a predicted polygon round v: its corners found or added, its face and edges,
    // every corner's fan.
    void PlacePolygon(const TPredictedPolygon& polygon, int v);
    void StartWork();
    void RecordFoundSolid();
    void FinishCall();
    void AppendEndLines(TInfoPane& pane);
    // The axis frame of vertex v, from the cache where it is known.
    [[nodiscard]] TAxisFrame AxisFrameOf(int v);
    // Pruning (SearchPruning.cpp).
    void EnablePruning();
    [[nodiscard]] bool CheckDue(int n, long long steps);
    // Whether no solid below vertex n (its candidates from firstChoice on) fits the limit.
    [[nodiscard]] bool SubtreeExceedsLimit(int n, int firstChoice);
    // The bound itself: the vertices there plus those the unfinished ones need.
    [[nodiscard]] double SubtreeBound(int n, int firstChoice, bool secondLayer);
    // What unfinished vertex u needs (its first skipped readings left out), from the cache
    // where it holds.
    [[nodiscard]] const TBoundEntry& VertexNeed(int u, int skipped, bool secondLayer);
    void WeighVertex(int u, int skipped, bool secondLayer, TBoundEntry& entry);
    // The vertices within the clear distance of p, as CountVerticesNear, noting p as a
    // point the entry being worked out depends on.
    int CountNear(TVector3 p, int& nearest, double& distance);
    // Which readings can still be completed (SearchFeasibility.cpp). Records the polygons
    // of one reading of u in entry; false where a corner is ambiguous.
    [[nodiscard]] bool RecordReadingPolygons(int u, const std::vector<TPredictedPolygon>& polygons, TBoundEntry& entry);
    // The need of u's fewest-needing reading that can still be completed; -1 when none can.
    [[nodiscard]] double FeasibleNeed(int u, const TBoundEntry& entry) const;
    [[nodiscard]] bool ReadingCanComplete(int u, const TBoundEntry& entry, const TReadingNeed& reading) const;
    // The vertex standing exactly at place, or -1.
    [[nodiscard]] int VertexAt(TVector3 place) const;
    [[nodiscard]] bool CutAfterForcing(int n);
    // The polygons the reading at offset, dir places round unfinished vertex u, and their
    // corners other than u; the number of polygons, or -1 for a bad kind.
    int PredictMissingCorners(int u, int offset, int dir, std::vector<TPredictedPolygon>& polygons,
                              std::vector<TVector3>& corners);
    // The second layer of the bound for one reading of a vertex: what its new far corners
    // need in their turn, shared out among them; their points are added to usable.
    [[nodiscard]] double SecondLayerNeed(const std::vector<TPredictedPolygon>& polygons,
                                         const std::vector<TVector3>& known, std::vector<TVector3>& usable);
    [[nodiscard]] int ReadingNewPoints(TVector3 q, const TPredictedPolygon& through, int corner,
                                       const std::vector<TVector3>& known, std::vector<TVector3>& usable);
    [[nodiscard]] int NewCornerCount(const std::vector<TVector3>& corners, std::vector<TVector3>& fresh);
    // Decides, at vertex n of a one-shot search, whether to go on, cut, or walk the tail.
    [[nodiscard]] bool CutBelow(int n, long long steps);
    void SetLastCandidate(int n);
    // Publishes the progress after steps steps; true (with the pane line) when a stop was asked for.
    bool PauseOnRequest(int n, long long steps, TSearchControl& control, TInfoPane& pane);

    TPruningOptions Options;
    TPruningStats Counts;
    bool LimitWasCut = false;
    bool PruningApplies = false;
    bool ForcingApplies = false;
    bool TailWalk = false;  // a cut emptied the stack: the last candidates to the end
    int MarkedDepth = -1;   // diagnosis: the saved-state depth of a marked subtree
    TArrangementTable Table;
    TSearchSolid Work;  // the solid under construction, with its saved states
    TBoundCache BoundCache;
    TBuiltSolid Shown;                       // list position 0: Work as the last call left it
    std::vector<TBuiltSolid> Found;          // list positions 1 ...
    std::vector<TPredictedPolygon> Placing;  // the polygons of the completion under way
};
