// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the polygons a reading places round a vertex fall. The completion places them by
// this computation and the bound predicts them by it, so the two agree bit for bit.

#include "construction/VertexConfiguration.h"
#include "construction/VertexGeometry.h"
#include "geometry/PolyhedronFunc.h"

#include <vector>

// A polygon a reading places: its kind and its corners in order (corner 1 the vertex it
// is placed round, corners 0 and 2 on that vertex's circle of neighbours).
struct TPredictedPolygon {
    int N = 0;
    int D = 0;
    TVector3 Points[MaxPolygonCorners];
};

// The angle round the vertex of frame at which lastEnd lies, measured as the corners are:
// where the fan ends, and the next polygon starts.
[[nodiscard]] double FanEndAngle(const TAxisFrame& frame, TVector3 lastEnd);

// The polygons the reading that starts at offset and runs in direction dir places round
// the vertex at (frame is its axis frame), from the angle phi on: the first
// PolygonCount - fanCount of them, as the fan already holds the others. Three consecutive
// corners of a regular {n/d} fix the rest: P[j] = P[j-3] + f (P[j-1] - P[j-2]).
// False, with polygons incomplete, where a polygon's kind is out of range.
[[nodiscard]] bool PredictPolygons(const TAxisFrame& frame, const TVertexGeometry& geometry, TVector3 at, double phi,
                                   int fanCount, int offset, int dir, std::vector<TPredictedPolygon>& polygons);
