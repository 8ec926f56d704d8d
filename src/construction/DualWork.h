// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dual construction's working parts: what it gathers round one source vertex after
// another, and the builder that writes one dual.

#include "construction/BuiltSolid.h"
#include "construction/Lookups.h"
#include "construction/VertexConfiguration.h"
#include "geometry/PolyhedronFunc.h"

#include "common/InfoPane.h"

#include <utility>
#include <vector>

struct TDualWork {
    std::vector<TVector3> Recorded;            // finite poles of the centre case, crossing points
    std::vector<TVector3> Directions;          // directions to the poles at infinity
    std::vector<std::pair<double, int>> Arcs;  // angle and mark of the far points round one vertex
    double Rho = 0.0;                          // radius of the circle the arc fans run on
    TVector3 Vertex{};                         // the source vertex being worked on
    double Height = 0.0;                       // its distance from the centre
    TAxisFrame Frame;                          // the axis frame of that vertex
};

// Writes the dual of one source into Out, for the geometry the source was built from.
class TDualBuilder {
public:
    TDualBuilder(const TVertexGeometry& geometry, TDualSolid& out) : G(geometry), Out(out) {}
    // True when the dual had to be abandoned (the pane says so).
    [[nodiscard]] bool BuildDual(const TPolyFace& source, TInfoPane& pane);

private:
    // A vertex of the dual within 1e-9 of point, never one of the two reference entries.
    int FindOrAddDualVertex(TVector3 point);
    [[nodiscard]] bool AbandonDual(const TPolyFace& source, TInfoPane& pane);
    void ResetDual(const TPolyFace& source);
    [[nodiscard]] std::vector<bool> PolygonsThroughCentre() const;
    [[nodiscard]] bool FaceThroughCentre(const TPolyFace& source, int f, const std::vector<bool>& marked) const;
    void OrdinaryDualFace(const TPolyFace& source, int v, TDualWork& work);
    void SplitCrossedQuad(const int corner[4], TDualWork& work);
    [[nodiscard]] static bool SidesCross(const TAxisFrame& frame, TVector3 a, TVector3 b, TVector3 c, TVector3 d);
    [[nodiscard]] static TVector3 LineSegmentCrossing(const TAxisFrame& frame, TVector3 a, TVector3 b, TVector3 c,
                                                      TVector3 d);
    void CentreDualFace(const TPolyFace& source, int v, const std::vector<bool>& marked, TDualWork& work);
    void AddFarTriangles(const TPolyFace& source, int v, int position, TVector3 pole, TDualWork& work);
    void AddArcFans(TDualWork& work);
    void ScaleDual(const TPolyFace& source, bool centreCase);

    const TVertexGeometry& G;
    TDualSolid& Out;
};

// True when some entry of list lies within 1e-9 of p.
inline bool ContainsPoint(const std::vector<TVector3>& list, TVector3 p)
{
    for (const TVector3 q : list)
        if (VectorLength(SubtractVectors(q, p)) <= VertexIdentityDistance)
            return true;
    return false;
}

inline void AddUniquePoint(std::vector<TVector3>& list, TVector3 p)
{
    if (!ContainsPoint(list, p))
        list.push_back(p);
}
