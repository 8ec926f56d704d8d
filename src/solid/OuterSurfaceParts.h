// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The steps of the outer surface once its cells are found: sheets, merged faces, figures.

#include "solid/OuterSurface.h"

// Each face's pieces on one sheet made one polygon again and triangulated afresh in the
// face's plane: the cuts leave a face in many cells, where other faces and its own sides
// cross it.
void MergeFacePieces(TOuterSurface& surface);
// A closed, outward soup made a manifold one: where more than two triangles share an edge
// (sheets touching along it), each is joined to its neighbour across the enclosed wedge,
// and a point where several fans of triangles meet gets a copy for each fan. False when
// the triangles do not pair (the soup is not closed, or not outward).
[[nodiscard]] bool SplitPinches(std::vector<TVector3>& points, std::vector<std::array<int, 3>>& triangles);
// PinchPoints: the points that stand where another point of the surface stands.
void CountPinches(TOuterSurface& surface);
// Volume and Area of the mesh as it stands.
void MeasureSurface(TOuterSurface& surface);
