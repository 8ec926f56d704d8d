// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the net and the parts share once their faces are placed: the glue tabs, the lines
// and the labels of a piece.

#include "net/Net.h"
#include "net/Overlap.h"

#include <optional>

// The tallest tab, in units of the edge; a short side's tab is lower, a tab that meets
// another shape is made lower (and narrower at its ends) until it fits.
inline constexpr double TabHeight = 0.12;

// The interior angle of a placed face at its corner k, 0 ... 2 pi.
[[nodiscard]] double CornerAngle(const std::vector<TPoint2>& corners, int k);

// The faces' triangles of a piece filed for the overlap test, each owned by its face.
[[nodiscard]] TShapeGrid PieceGrid(const TNetPiece& piece);
// A tab on side `side` of face `face` of the piece that overlaps nothing filed in grid (but
// the shapes of the owners ignored), at the largest of a few sizes that fits; nothing
// where even the smallest meets something.
[[nodiscard]] std::optional<TNetTab> FittingTab(const TNetPiece& piece, int face, int side, const TShapeGrid& grid,
                                                int ignore = TShapeGrid::NoOwner, int ignoreToo = TShapeGrid::NoOwner);
// The smallest of those tabs on side `side` of a face with these corners: the room a net
// keeps free beside each side it may cut, so that every cut side's pair can have its tab.
[[nodiscard]] std::vector<TPoint2> SmallestTab(const std::vector<TPoint2>& corners, int side);

// The lines along the piece's faces: each fold once, each cut side; a side with a tab
// folds, as a mountain where the solid's edge is convex and a valley where it is not. (The
// tabs' own outlines are cut lines drawn with the tabs, at their size on paper.)
void DrawPieceLines(const TSurfaceRegions& regions, TNetPiece& piece);
// A label inside each face along each of its labelled sides; for each tab, in parts mode,
// the fold angle of its side (drawn on the tab once its size on paper is known).
void DrawPieceLabels(const TSurfaceRegions& regions, TNetMode mode, TNetPiece& piece);
