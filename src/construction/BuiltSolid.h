// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a build hands to everything above it: a solid as built, with the vertex geometry
// it was built from, and the dual formed from one. Values: measuring, drawing, exporting
// and every later use read these and never the search.

#include "construction/VertexGeometry.h"
#include "geometry/VectorFunc.h"

#include <memory>

// One solid as the search built it.
struct TBuiltSolid {
    TPolyFace Raw;      // faces as placed: each {n/d} once, its n corners in order
    TPolyFace Display;  // the same with every star or backward face split into triangles round its centre
    std::shared_ptr<const TVertexGeometry> Geometry;  // the geometry it was built from; never null
};

// The reciprocal of a solid, as the dual construction leaves it.
struct TDualSolid {
    // Entries 0 and 1 copy the source's first two vertices and belong to no face.
    TPolyFace Faces;
    int Pieces = 0;       // stored polygons that make up one dual face
    int FaceKind = 0;     // how dual faces are stored: 0 whole, 1 triangles round a centre, -1 split
    int VertexCount = 0;  // the true vertex count where FaceKind is -1
    double Radius = 1.0;  // of its farthest finite vertex among the first, after scaling
    double Scale = 1.0;   // the reciprocation's scale: (R^2 - 1/4) / R^2 or read off the first edge
};

// display := raw with every star or backward face replaced by triangles round its centre.
void BuildDisplayForm(const TPolyFace& raw, TPolyFace& display);
