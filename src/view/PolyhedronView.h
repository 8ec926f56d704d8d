// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The view level of the engine: turns a rotated solid into screen-space fans on a drawing
// surface (edge ribbons first, then faces back to front), and forms the compound of a
// solid and its dual. It reads built solids and never changes them.

#include "common/DisplaySettings.h"
#include "construction/BuiltSolid.h"
#include "geometry/PolyhedronFunc.h"
#include "surface/DrawSurface.h"
#include "view/ViewTransform.h"

#include <span>

inline constexpr int MaxFanCorners = 100;  // a fan with more corners is not drawn

// What one frame draws on, and how.
struct TDrawTarget {
    TDrawSurface& Surface;
    const TDisplaySettings& Settings;
    TMatrix3 ViewMatrix;
};

// Compound := displaySource plus the dual's faces and edges, sharing vertices that
// coincide within 1e-9. The dual's two reference entries are not copied.
[[nodiscard]] TPolyFace BuildCompound(const TPolyFace& displaySource, const TPolyFace& dual);

// Draws one solid already in view coordinates; r is its radius for the depth range, and
// sphereRadius and dualRadius those of the solid and its dual for the zoom.
void DrawPolyFace(const TPolyFace& solid, bool isDual, double sphereRadius, double dualRadius, double r,
                  const TDrawTarget& target);
// A solid (nothing while it has no face), a dual (nothing unless it has faces of its own)
// and a compound, each turned by the target's view matrix; the radii are those of the
// solid and of its dual, for the zoom. Nothing is changed but the surface.
void DrawSolid(const TBuiltSolid& solid, double dualRadius, const TDrawTarget& target);
void DrawDual(const TDualSolid& dual, double sphereRadius, const TDrawTarget& target);
void DrawCompound(const TPolyFace& compound, double sphereRadius, double dualRadius, const TDrawTarget& target);

// Hands one fan of (screen x, screen y, nearness) points to the surface; more than 100
// corners are not drawn.
void PutPolygon(TDrawSurface& surface, std::span<const TVector3> points, std::uint32_t argb);
// Sorts keys descending (the farthest face first), moving order along: the quicksort the
// renderer has always used, so that faces of equal depth keep its order.
void SortFacesByDepth(std::vector<double>& keys, std::vector<int>& order, int lo, int hi);
