// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The outer surface of a solid: the boundary of the region it encloses, that is of every
// point that cannot be reached from far away without crossing a face. A star solid's faces
// pass through one another; what a model builder holds, and what a 3-D printer fills, is
// this surface, made of the pieces of the true faces that bound the enclosed region.
// Worked out plane by plane on one pool of snapped points, with CGAL's exact predicates
// deciding each plane's triangulation; the result is a closed, outward triangle mesh in
// which every edge has two triangles (a pinch, where the region touches itself at a point
// or along an edge, is split so that each sheet is a manifold of its own).

#include "common/Result.h"
#include "construction/BuiltSolid.h"

#include <array>
#include <vector>

// One filled polygon the surface is cut from: a true face of the solid or of its dual.
struct TSurfaceFace {
    std::vector<TVector3> Corners;  // in the polygon's own order (a star's n corners as it is drawn)
    int N = 0;
    int D = 1;          // 0 for a face of a dual
    int Group = 0;      // colour group: 0 the solid's convex polygons, 1 the dual, 2 the solid's star polygons
    bool Star = false;  // filled round its centre, as the view fills it
};

struct TOuterTriangle {
    std::array<int, 3> Corners{};  // into TOuterSurface::Points, anticlockwise seen from outside
    int Face = 0;                  // the TSurfaceFace it is a piece of
    int Sheet = 0;                 // the connected piece of the enclosed region it bounds
};

struct TOuterSurface {
    std::vector<TVector3> Points;
    std::vector<TOuterTriangle> Triangles;
    std::vector<TSurfaceFace> Faces;  // as given
    double Volume = 0.0;              // enclosed
    double Area = 0.0;                // of the outer surface
    int Sheets = 0;                   // connected pieces of the enclosed region
    int PinchPoints = 0;              // points split so that each sheet of a pinch is manifold

    [[nodiscard]] bool Empty() const { return Triangles.empty(); }
};

// The true faces of a built solid, each filled as the view fills it.
[[nodiscard]] std::vector<TSurfaceFace> SolidSurfaceFaces(const TBuiltSolid& solid);
// The faces of a dual (each stored polygon as a face of its own).
[[nodiscard]] std::vector<TSurfaceFace> DualSurfaceFaces(const TDualSolid& dual);
// The faces of the compound of a solid and its dual: the solid's, then the dual's.
[[nodiscard]] std::vector<TSurfaceFace> CompoundSurfaceFaces(const TBuiltSolid& solid, const TDualSolid& dual);
// Whether the solid's dual has poles at infinity (a face of the solid passes through its
// centre): the dual then stands in far points for them and encloses nothing one can hold.
[[nodiscard]] bool DualReachesInfinity(const TBuiltSolid& solid);

// The outer surface of the faces' union. Encloses nothing (an empty surface, no failure)
// when the faces bound no volume, as a hemi-polyhedron's faces through the centre alone do.
[[nodiscard]] TResult FormOuterSurface(std::vector<TSurfaceFace> faces, TOuterSurface& surface);

// The surface as a solid the view can draw: each triangle a face of the polygon {n/d} it
// is a piece of (so that it takes that polygon's colour), with the source's geometry.
[[nodiscard]] TBuiltSolid OuterSurfaceSolid(const TOuterSurface& surface, const TBuiltSolid& source);

// What CGAL's own checks say of a mesh in double coordinates, as a file holds it.
struct TMeshCheck {
    bool Closed = false;           // every edge has two triangles
    bool Manifold = false;         // and every vertex one fan of them
    bool Outward = false;          // the triangles bound a volume, facing away from it
    bool SelfIntersecting = true;  // two triangles cross (sharing more than an edge or a corner)
    double Volume = 0.0;
};
[[nodiscard]] TMeshCheck CheckMesh(const TOuterSurface& surface);
