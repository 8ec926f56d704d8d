#pragma once
// The view level of the engine: turns a rotated solid into screen-space fans on a drawing
// surface (edge ribbons first, then faces back to front), and holds the compound of a
// solid and its dual.

#include "common/DisplaySettings.h"
#include "construction/PolyhedronPreparation.h"
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

class TView : public TPreparation {
public:
    TPolyFace Compound;    // a solid's display form merged with its dual
    TViewFrame ViewFrame;  // the context of the solid being drawn

    // Compound := displaySource plus the dual's faces and edges, sharing vertices that
    // coincide within 1e-9. The dual's two reference entries are not copied.
    void BuildCompound(const TPolyFace& displaySource, const TPolyFace& dual);
    // Forms the compound of list position sel (0: the solid under construction) with Dual,
    // when there is something to merge.
    void FormCompound(int sel);

    // Draws one solid already in view coordinates; r is its radius for the depth range.
    void DrawPolyFace(const TPolyFace& solid, bool isDual, double r, const TDrawTarget& target);
    void DrawCurrentSolid(const TDrawTarget& target);
    void DrawFoundSolid(int sel, const TDrawTarget& target);
    void DrawDual(const TDrawTarget& target);
    void DrawCompound(const TDrawTarget& target);

private:
    void DrawEdge(TVector3 a, TVector3 b, bool dualEdge, const TDrawTarget& target) const;
    void DrawFace(const TPolyFace& solid, int f, bool isDual, const TDrawTarget& target) const;
};

// Hands one fan of (screen x, screen y, nearness) points to the surface; more than 100
// corners are not drawn.
void PutPolygon(TDrawSurface& surface, std::span<const TVector3> points, std::uint32_t argb);
// Sorts keys descending (the farthest face first), moving order along: the quicksort the
// renderer has always used, so that faces of equal depth keep its order.
void SortFacesByDepth(std::vector<double>& keys, std::vector<int>& order, int lo, int hi);
// The colour group of a face: 0 the solid's convex polygons, 1 the dual, 2 star polygons.
[[nodiscard]] int ColourGroup(int n, int d);
// The group's single colour when it is shown in one colour, else its palette colour for n.
[[nodiscard]] TColour GroupBaseColour(const TDisplaySettings& settings, int group, int n);
