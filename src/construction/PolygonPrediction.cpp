// SPDX-License-Identifier: GPL-3.0-or-later
#include "construction/PolygonPrediction.h"

#include <cmath>

double FanEndAngle(const TAxisFrame& frame, TVector3 lastEnd)
{
    const TVector3 w = frame.To(lastEnd);
    return std::atan2(w.Z, w.Y);
}

bool PredictPolygons(const TAxisFrame& frame, const TVertexGeometry& geometry, TVector3 at, double phi, int fanCount,
                     int offset, int dir, std::vector<TPredictedPolygon>& polygons)
{
    const TVertexGeometry& g = geometry;
    const int k = g.PolygonCount;
    // The far corners on the circle of neighbours, in the vertex's frame, where the
    // circle's plane stands at PlaneOffset from the centre.
    TVector3 corner[MaxPolygonCount];
    for (int i = 0; i < k; ++i) {
        phi += g.CentralAngle[g.PlaceOf(i, offset, dir)];
        corner[i] =
            frame.From(MakeVector(g.PlaneOffset, g.NeighbourRadius * std::cos(phi), g.NeighbourRadius * std::sin(phi)));
    }
    const int missing = k - fanCount;
    polygons.resize(static_cast<std::size_t>(missing > 0 ? missing : 0));
    for (int b = 0; b < missing; ++b) {
        const int q = g.PlaceOf(b, offset, dir);
        TPredictedPolygon& polygon = polygons[b];
        polygon.N = g.PolyN[q];
        polygon.D = g.PolyD[q];
        if (polygon.N < 3 || polygon.N > MaxPolygonCorners || polygon.D < 1 || polygon.D >= polygon.N)
            return false;  // configurations are checked where they enter; never write past the corners
        const double f = g.Recurrence[q];
        TVector3* points = polygon.Points;
        points[0] = corner[b];
        points[1] = at;
        points[2] = corner[(b + k - 1) % k];
        for (int j = 3; j < polygon.N; ++j)
            points[j] = AddVectors(points[j - 3], ScaleVector(SubtractVectors(points[j - 1], points[j - 2]), f));
    }
    return true;
}
