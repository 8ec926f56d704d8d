#pragma once
// The search: assembles closed solids face by face round one vertex after another,
// backtracking through the readings of the configuration, in one go or one vertex a call.

#include "construction/PolyhedronPreparation.h"
#include "construction/SearchSolid.h"

#include <climits>
#include <cmath>
#include <vector>

inline constexpr int SearchEndedAfterFailure = INT_MAX;  // step state once nothing is left to try
inline constexpr int FoundSolidCap = 100;                // a one-shot build pauses after this many
inline constexpr int OneShotStep = -1;

class TBuild : public TPreparation {
public:
    // One call of the search. step: -1 one-shot; 0 start a step build; 1 ... the vertex
    // to complete next; VertexCount + 1 or SearchEndedAfterFailure once it has ended.
    void Search(int& step);
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

private:
    void StartWork();
    [[nodiscard]] double RecurrenceFactor(int n, int d);
    void RecordFoundSolid();
    void FinishCall();

    TArrangementTable Table;
    TSearchSolid Work;  // Current as the search holds it; copied into Current when shown
    std::vector<double> Factors = std::vector<double>((MaxPolygonCorners + 1) * (MaxPolygonCorners + 1), NAN);
};
