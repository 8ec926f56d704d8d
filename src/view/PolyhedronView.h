#pragma once
// The view level of the engine: turns a rotated solid into screen-space fans on a drawing
// surface (edge ribbons first, then faces back to front), and forms the compound of a
// solid and its dual. It reads the engine and never changes it.

#include "common/DisplaySettings.h"
#include "construction/PolyhedronBuild.h"
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
// The compound of list position sel (0: the solid under construction) with engine's Dual,
// written to compound when there is something to merge; otherwise compound stays as it is.
void FormCompound(const TBuild& engine, int sel, TPolyFace& compound);

// Draws one solid already in view coordinates; r is its radius for the depth range, and
// sphereRadius and dualRadius those of the solid and its dual for the zoom.
void DrawPolyFace(const TPolyFace& solid, bool isDual, double sphereRadius, double dualRadius, double r,
                  const TDrawTarget& target);
// The solid under construction, found solid sel - 1, the dual and the compound, each
// turned by the target's view matrix. Nothing is changed but the surface.
void DrawCurrentSolid(const TBuild& engine, const TDrawTarget& target);
void DrawFoundSolid(const TBuild& engine, int sel, const TDrawTarget& target);
void DrawDual(const TBuild& engine, const TDrawTarget& target);
void DrawCompound(const TBuild& engine, const TPolyFace& compound, const TDrawTarget& target);

// Hands one fan of (screen x, screen y, nearness) points to the surface; more than 100
// corners are not drawn.
void PutPolygon(TDrawSurface& surface, std::span<const TVector3> points, std::uint32_t argb);
// Sorts keys descending (the farthest face first), moving order along: the quicksort the
// renderer has always used, so that faces of equal depth keep its order.
void SortFacesByDepth(std::vector<double>& keys, std::vector<int>& order, int lo, int hi);
