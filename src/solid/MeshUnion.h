// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The union of closed meshes, worked out exactly (CGAL's corefinement), for models made of
// overlapping pieces such as balls and rods.

#include "common/Result.h"
#include "geometry/VectorFunc.h"

#include <array>
#include <vector>

// A closed triangle mesh, each triangle anticlockwise seen from outside.
struct TClosedMesh {
    std::vector<TVector3> Points;
    std::vector<std::array<int, 3>> Triangles;
};

// united := the union of the pieces (each closed, outward and free of self-crossings), with
// everything below z = 0 cut away and the cut closed flat, rounded to doubles. Fails with
// the reason when a piece is not a closed mesh or the union cannot be worked out.
[[nodiscard]] TResult UniteAboveFloor(const std::vector<TClosedMesh>& pieces, TClosedMesh& united);
