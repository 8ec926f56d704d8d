// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The geometry of one vertex, worked out from the configuration alone before anything is
// placed: the polygons round it, the circle of their far corners, the circumsphere, and
// the distinct cyclic readings of the configuration the search matches fans against.
// Made once by the preparation and never changed after; the search, the dual and the
// figures all read the same value.

#include <vector>

struct TVertexGeometry {
    int PolygonCount = 0;  // polygons placed round each vertex (one fewer than given when the last is added)
    std::vector<int> PolyN;
    std::vector<int> PolyD;
    std::vector<double> Chord;          // |2 cos(pi d/n)|: the side polygon i gives the vertex figure
    std::vector<double> ChordSign;      // -1 for a polygon traversed backwards (d > n/2), else +1
    std::vector<double> PolygonRadius;  // circumradius of {n/d} with unit edge
    std::vector<double> PolygonArea;    // area of {n/d} with unit edge, counted with its density
    std::vector<double> CentralAngle;   // angle on the circle of neighbours taken by polygon i
    std::vector<double> Recurrence;     // 1 + 2 cos(2 pi d / n): the corner recurrence of polygon i
    int Winding = 1;
    bool IrregularVertex = false;  // some polygon runs backwards, or the winding is not 1
    bool LastAdded = false;        // the last polygon is the added one and is never placed
    int VertexLimit = 200;
    double NeighbourRadius = 0.0;  // r: radius of the circle of neighbours
    double SphereRadius = 0.0;     // circumsphere radius R for unit edges
    double PlaneOffset = 0.0;      // distance from the centre to the plane of that circle

    // Each distinct cyclic reading of the configuration: [start, direction, n0 ... nk-1],
    // and the d's of each reading in the same order.
    std::vector<std::vector<int>> Arrangements;
    std::vector<std::vector<int>> ArrangementD;
    int ArrangementCount = 0;

    // Where polygon i of a reading that starts at offset and runs in direction dir sits
    // in the configuration.
    [[nodiscard]] int PlaceOf(int i, int offset, int dir) const
    {
        const int k = PolygonCount;
        return ((i * dir + k + offset) % k + k) % k;
    }
};
