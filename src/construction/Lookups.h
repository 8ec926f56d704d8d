// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Find-or-add for vertices, faces and edges of a solid: the primitives the search,
// the display form and the dual share. Straight scans in index order, so the lowest
// matching index always wins.

#include "geometry/VectorFunc.h"

inline constexpr double VertexIdentityDistance = 1e-9;  // two points this close are one vertex

// The first vertex within 1e-9 of point, or a new vertex with an empty fan.
int FindOrAddVertex(TVector3 point, TPolyFace& solid);
// The first face with the same cyclic vertex list read either way, or a new face.
int FindOrAddFace(const int* indices, int size, int n, int d, TPolyFace& solid);
// Adds the unordered edge {a, b} unless it is there already.
void AddEdge(int a, int b, bool flag, TPolyFace& solid);

// True when face (faceSize entries) is indices read cyclically from the first place that
// holds indices[0], forwards or else backwards.
[[nodiscard]] bool SameCyclicFace(const int* face, int faceSize, const int* indices, int size);
