#pragma once
// The search: assembles closed solids face by face round one vertex after another,
// backtracking through the readings of the configuration, in one go or one vertex a call.

#include "construction/BoundCache.h"
#include "construction/PolyhedronPreparation.h"
#include "construction/SearchControl.h"
#include "construction/SearchSolid.h"

#include <climits>
#include <cmath>
#include <string>
#include <vector>

inline constexpr int SearchEndedAfterFailure = INT_MAX;  // step state once nothing is left to try
inline constexpr int FoundSolidCap = 100;                // a one-shot build pauses after this many
inline constexpr int OneShotStep = -1;

// The s for which the line through s w with direction d passes through m.
[[nodiscard]] double DualScaleFactor(TVector3 m, TVector3 d, TVector3 w);

// The line that warns, before the end lines, that some branch stopped at the vertex limit.
[[nodiscard]] std::string VertexLimitCutLine(int limit);

// A polygon the bound predicts: its kind and its corners in order (corner 1 the vertex
// it is placed round).
struct TPredictedPolygon {
    int N = 0;
    int D = 0;
    TVector3 Points[MaxPolygonCorners];
};

class TBuild : public TPreparation {
public:
    // One call of the search, its lines appended to pane. step: -1 one-shot; 0 start a
    // step build; 1 ... the vertex to complete next; VertexCount + 1 or
    // SearchEndedAfterFailure once it has ended. A one-shot search reports its progress to
    // control, when given, and pauses there when asked to, leaving step at the vertex to
    // complete next as a step build would.
    void Search(int& step, TInfoPane& pane, TSearchControl* control = nullptr);
    // True when some branch of this search failed only because it reached VertexLimit.
    bool LimitCut = false;
    // One-shot searches cut subtrees that provably hold no solid within the limit; every
    // line, solid and state stays that of the plain search. Step builds never prune.
    bool Pruning = true;
    // Checks begin at this step of a search: a search that ends sooner (every catalogue row
    // at its own limit) runs exactly as it did without them, and pays nothing. Any schedule is sound.
    long long PruningFromStep = 4096;
    // For tests: instead of cutting, mark the subtree and count the solids found in it,
    // which a cut there would have lost (always 0 when the bound is sound).
    bool PruningDiagnosis = false;
    int LostClosures = 0;
    long long PruningCuts = 0;    // cuts (or marked subtrees) of the last search
    long long PruningChecks = 0;  // bounds worked out in the last search
    // The bound's second layer where the first leaves the search wandering (above twice
    // the vertices there): dearer per check, far fewer checks on the hyperbolic patches.
    bool PruningSecondLayer = true;
    double SecondLayerFrom = 2.0;       // where the first layer's bound passes this many times the vertices there
    long long PruningSecondChecks = 0;  // bounds of the last search that went to the second layer
    // For tests: work out again every vertex the bound finds in its cache, and count those
    // that come out otherwise (always 0 when the cache forgets all it should).
    bool PruningCacheCheck = false;
    long long CacheCompared = 0;
    long long CacheMismatches = 0;
    // True when some vertex can no longer be completed.
    [[nodiscard]] bool CheckAllVertices() const;
    // Fills the candidate lists for vertex v; true when there is none.
    bool FindCandidates(int v);
    // Fits the missing polygons round v; true on failure.
    [[nodiscard]] bool CompleteVertex(int v);
    // Builds the polygon {n/d} through corner p0, vertex v and corner p2 and adds it.
    void PlacePolygon(TVector3 p0, int v, TVector3 p2, int d, int n);
    // display := raw with every star or backward face replaced by triangles round its centre.
    void BuildDisplayForm(const TPolyFace& raw, TPolyFace& display) const;

    // The dual of the solid under construction; true when it was abandoned (the pane says so).
    bool BuildCurrentDual(TInfoPane& pane);
    // The dual of found solid k; true when it was abandoned or k is not a found solid.
    bool BuildListedDual(int k, TInfoPane& pane);
    // Dual := the reciprocal of source, scaled so that its edges cross the source's at
    // their midpoints. True when it had to be abandoned (points at infinity).
    bool BuildDual(const TPolyFace& source, TInfoPane& pane);
    // A vertex of Dual within 1e-9 of point, never one of the two reference entries.
    int FindOrAddDualVertex(TVector3 point);

private:
    struct TDualWork;
    void StartWork();
    [[nodiscard]] double RecurrenceFactor(int n, int d);
    void RecordFoundSolid();
    void FinishCall();
    void AppendEndLines(TInfoPane& pane);
    // Sets the axis frame (FrameSinA ...) of vertex v, from the cache where it is known.
    void UseAxisFrameOf(int v);
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
    int PredictMissingCorners(int u, int offset, int dir, std::vector<TVector3>& corners);
    // The polygons a reading would place round a point at, from the fan's last end at
    // lastEnd (fanCount polygons already there), corner by corner; false for a bad kind.
    bool PredictMissingPolygons(TVector3 at, TVector3 lastEnd, int fanCount, int offset, int dir,
                                std::vector<TPredictedPolygon>& polygons);
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

    [[nodiscard]] bool AbandonDual(const TPolyFace& source, TInfoPane& pane);
    void ResetDual(const TPolyFace& source);
    [[nodiscard]] std::vector<bool> PolygonsThroughCentre() const;
    [[nodiscard]] bool FaceThroughCentre(const TPolyFace& source, int f, const std::vector<bool>& marked) const;
    void OrdinaryDualFace(const TPolyFace& source, int v, TDualWork& work);
    void SplitCrossedQuad(const int corner[4], TDualWork& work);
    [[nodiscard]] bool SidesCross(TVector3 a, TVector3 b, TVector3 c, TVector3 d) const;
    [[nodiscard]] TVector3 LineSegmentCrossing(TVector3 a, TVector3 b, TVector3 c, TVector3 d) const;
    void CentreDualFace(const TPolyFace& source, int v, const std::vector<bool>& marked, TDualWork& work);
    void AddFarTriangles(const TPolyFace& source, int v, int position, TVector3 pole, TDualWork& work);
    void AddArcFans(TDualWork& work);
    void ScaleDual(const TPolyFace& source, bool centreCase);

    bool PruningApplies = false;
    bool ForcingApplies = false;
    bool TailWalk = false;  // a cut emptied the stack: the last candidates to the end
    int MarkedDepth = -1;   // diagnosis: the saved-state depth of a marked subtree
    TArrangementTable Table;
    TSearchSolid Work;  // Current as the search holds it; copied into Current when shown
    TBoundCache BoundCache;
    std::vector<double> Factors = std::vector<double>((MaxPolygonCorners + 1) * (MaxPolygonCorners + 1), NAN);
};
