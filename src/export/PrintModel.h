// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A solid made ready for a 3-D printer: its outer surface in millimetres, turned so that it
// rests on one of its largest outer facets (or, where no facet is a face it can stand on,
// on three of its outermost points), that resting plane at z = 0 with nothing below it,
// and centred on x = y = 0. Slicers take one unit for one millimetre.

#include "solid/OuterSurface.h"

#include <string>
#include <vector>

struct TPrintModel {
    TOuterSurface Surface;     // in millimetres, placed
    double HeightMm = 0.0;     // z extent
    double BaseAreaMm2 = 0.0;  // of the outer facet it rests on; 0 when it rests on points
    double Scale = 0.0;        // millimetres a unit edge
};

// The outward normal of a plane through three of the outermost points with every point on
// its inner side (a facet of the convex hull); (0, 0, -1) where fewer than three are outermost.
[[nodiscard]] TVector3 OutermostPlaneOf(const std::vector<TVector3>& points);
// The rotation taking the unit vector n to (0, 0, -1), applied to p (Rodrigues' formula).
[[nodiscard]] TVector3 TurnDown(TVector3 n, TVector3 p);

// The surface placed and scaled to heightMm tall; heightMm must be above 0.
[[nodiscard]] TPrintModel PlaceForPrinting(const TOuterSurface& surface, double heightMm);
// A binary STL of the placed surface: an 80-byte header, the triangle count, and for each
// triangle its outward normal, its three corners (32-bit floats, little-endian) and a zero.
[[nodiscard]] std::string BinaryStl(const TPrintModel& model);
