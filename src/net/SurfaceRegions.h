// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The outer surface cut into the pieces a paper model is made of: each region is a
// connected, flat part of one face's visible surface (a whole face for a convex solid; one
// point's side, or a smaller piece, for a star solid), bounded by a single loop of sides.
// A side runs straight between two corners along one neighbouring region, so every side
// of one region meets exactly one side of another, end to end; that pair is glued.

#include "common/Result.h"
#include "net/Point2.h"
#include "solid/OuterSurface.h"

#include <array>
#include <vector>

struct TRegionSide {
    int Neighbour = -1;      // the region glued along this side
    int NeighbourSide = -1;  // and its side, which runs the other way
    // The angle inside the solid between the two regions, 0 ... 2 pi: below pi the edge is
    // convex (a mountain fold seen from outside), above pi it is a valley.
    double Dihedral = 0.0;
};

struct TSurfaceRegion {
    int Face = 0;                               // the TSurfaceFace it is part of (its colour)
    std::vector<int> Corners;                   // into TSurfaceRegions::Points, anticlockwise seen from outside
    std::vector<TRegionSide> Sides;             // side k runs from Corners[k] to Corners[k + 1]
    std::vector<std::array<int, 3>> Triangles;  // the surface's triangles it is made of, into Points
    TVector3 Normal;                            // outward, unit
    double Area = 0.0;
};

struct TSurfaceRegions {
    std::vector<TVector3> Points;
    std::vector<TSurfaceRegion> Regions;
    std::vector<TSurfaceFace> Faces;
    double Area = 0.0;  // of the whole surface
};

// The regions of a closed outer surface; refused, with the reason, where the surface is
// not one every edge of which has two triangles.
[[nodiscard]] TResult SplitIntoRegions(const TOuterSurface& surface, TSurfaceRegions& regions);

// A region's corners and triangles in its own plane, seen from outside (anticlockwise
// stays anticlockwise): corner 0 at the origin, corner 1 on the positive x axis.
struct TFlatRegion {
    std::vector<TPoint2> Corners;
    std::vector<std::array<TPoint2, 3>> Triangles;
};
[[nodiscard]] TFlatRegion FlattenRegion(const TSurfaceRegions& regions, int region);
