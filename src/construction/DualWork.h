#pragma once
// What the dual construction gathers while it works round the source's vertices.

#include "construction/Lookups.h"
#include "construction/PolyhedronBuild.h"

#include <utility>
#include <vector>

struct TBuild::TDualWork {
    std::vector<TVector3> Recorded;            // finite poles of the centre case, crossing points
    std::vector<TVector3> Directions;          // directions to the poles at infinity
    std::vector<std::pair<double, int>> Arcs;  // angle and mark of the far points round one vertex
    double Rho = 0.0;                          // radius of the circle the arc fans run on
    TVector3 Vertex{};                         // the source vertex being worked on
    double Height = 0.0;                       // its distance from the centre
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
