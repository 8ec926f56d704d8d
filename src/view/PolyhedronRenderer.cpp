// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing one solid: edge ribbons with blending off, then every face as one fan, the
// farthest first, each sent clockwise on the screen, shaded and with its opacity.

#include "view/PolyhedronView.h"

#include <vector>

void PutPolygon(TDrawSurface& surface, std::span<const TVector3> points, std::uint32_t argb)
{
    if (points.size() > static_cast<std::size_t>(MaxFanCorners))
        return;
    // The surface takes depth 0 near ... 1 far.
    TVector3 corners[MaxFanCorners];
    for (std::size_t i = 0; i < points.size(); ++i)
        corners[i] = TVector3{points[i].X, points[i].Y, 1.0 - points[i].Z};
    surface.PutPolygon(std::span<const TVector3>(corners, points.size()), argb);
}

void SortFacesByDepth(std::vector<double>& keys, std::vector<int>& order, int lo, int hi)
{
    int i = lo;
    int j = hi;
    const double pivot = keys[static_cast<std::size_t>((lo + hi) / 2)];
    for (;;) {
        while (keys[i] > pivot)
            ++i;
        while (pivot > keys[j])
            --j;
        if (j <= i)
            break;
        std::swap(keys[i], keys[j]);
        std::swap(order[i], order[j]);
        ++i;
        --j;
    }
    if (i - 1 > lo)
        SortFacesByDepth(keys, order, lo, i - 1);
    if (j + 1 < hi)
        SortFacesByDepth(keys, order, j + 1, hi);
}

namespace {
void DrawFace(const TPolyFace& solid, int f, bool isDual, const TViewFrame& frame, const TDrawTarget& target);
void DrawEdge(TVector3 a, TVector3 b, bool dualEdge, const TViewFrame& frame, const TDrawTarget& target);
}  // namespace

void DrawPolyFace(const TPolyFace& solid, bool isDual, double sphereRadius, double dualRadius, double r,
                  const TDrawTarget& target)
{
    TDrawSurface& surface = target.Surface;
    const TDisplaySettings& settings = target.Settings;
    if (!surface.IsReady())
        return;
    TViewFrame frame;
    frame.SetUp(surface.SurfaceWidth(), surface.SurfaceHeight(), settings, sphereRadius, dualRadius, r);
    surface.DisableBlending();
    for (int e = 0; e < solid.EdgeCount; ++e)
        DrawEdge(solid.Vertices[solid.EdgeA[e]], solid.Vertices[solid.EdgeB[e]], solid.EdgeFlag[e], frame, target);
    if (settings.SurfaceMode == 4 || solid.FaceCount == 0)
        return;

    std::vector<int> order(static_cast<std::size_t>(solid.FaceCount));
    std::vector<double> keys(order.size());
    for (int f = 0; f < solid.FaceCount; ++f) {
        double sum = 0.0;
        for (int j = 0; j < solid.FaceSize[f]; ++j)
            sum += solid.Vertices[solid.Faces[f][j]].X;
        order[f] = f;
        keys[f] = solid.FaceSize[f] > 0 ? sum / solid.FaceSize[f] : 0.0;
    }
    SortFacesByDepth(keys, order, 0, solid.FaceCount - 1);
    for (const int f : order)
        DrawFace(solid, f, isDual, frame, target);
}

namespace {

void DrawFace(const TPolyFace& solid, int f, bool isDual, const TViewFrame& frame, const TDrawTarget& target)
{
    const TDisplaySettings& settings = target.Settings;
    const int size = solid.FaceSize[f];
    if (size < 3 || size > MaxFanCorners)
        return;
    const std::vector<int>& corners = solid.Faces[f];
    const TVector3 p0 = solid.Vertices[corners[0]];
    const TVector3 p1 = solid.Vertices[corners[1]];
    const TVector3 p2 = solid.Vertices[corners[2]];
    const TVector3 q0 = frame.PerspectivePoint(p0);
    const TVector3 q1 = frame.PerspectivePoint(p1);
    const TVector3 q2 = frame.PerspectivePoint(p2);
    // Counter-clockwise on the screen when the normal of the projected corners points away.
    const bool reversed = CrossProduct(SubtractVectors(q1, q0), SubtractVectors(q1, q2)).X > 0.0;
    const TVector3 normal = reversed ? CrossProduct(SubtractVectors(p1, p2), SubtractVectors(p1, p0))
                                     : CrossProduct(SubtractVectors(p1, p0), SubtractVectors(p1, p2));
    TVector3 points[MaxFanCorners];
    for (int j = 0; j < size; ++j)
        points[reversed ? size - 1 - j : j] = frame.ProjectVertex(solid.Vertices[corners[j]]);

    switch (settings.SurfaceMode) {
    case 1:
        if (settings.CompoundShown && settings.DualShown != isDual)
            target.Surface.EnableBlending();
        break;
    case 2:
        target.Surface.EnableBlending();
        break;
    case 3: {
        // Transparent where the face's outside is turned toward the viewer.
        TVector3 sum{};
        for (int j = 0; j < size; ++j)
            sum = AddVectors(sum, solid.Vertices[corners[j]]);
        if (DotProduct(normal, sum) >= 0.0)
            target.Surface.EnableBlending();
        else
            target.Surface.DisableBlending();
        break;
    }
    default:
        break;
    }
    const int group = ColourGroup(solid.FaceN[f], solid.FaceD[f]);
    const int alpha = OpacityAlpha(group == 1 ? settings.DualAlpha : settings.SolidAlpha);
    const std::uint32_t colour =
        ShadeColor(GroupBaseColour(settings, group, solid.FaceN[f]), LightingAngle(normal), alpha, settings.Shading);
    PutPolygon(target.Surface, std::span<const TVector3>(points, static_cast<std::size_t>(size)), colour);
}

void DrawEdge(TVector3 a, TVector3 b, bool dualEdge, const TViewFrame& frame, const TDrawTarget& target)
{
    const TDisplaySettings& settings = target.Settings;
    const int width = dualEdge ? settings.DualEdgeWidth : settings.EdgeWidth;
    if (width <= 0)
        return;
    const TVector3 a1 = frame.ProjectEdgePoint(a);
    const TVector3 b1 = frame.ProjectEdgePoint(b);
    const TVector3 d = SubtractVectors(b1, a1);
    const double length2 = DotProduct(d, d);
    if (length2 == 0.0)
        return;  // an edge seen end-on has no ribbon
    // q: the point of the edge's line nearest to the centre; the ribbon is tangent there.
    const TVector3 q = SubtractVectors(a1, ScaleVector(d, DotProduct(a1, d) / length2));
    const double angle = LightingAngle(q);
    TVector3 c = CrossProduct(q, d);
    const double cLength = VectorLength(c);
    if (cLength == 0.0)
        return;  // the line runs through the centre: seen edge-on
    const bool behind = q.Z > 0.0;
    const TColour base = dualEdge ? (behind ? settings.DualEdgeBack : settings.DualEdge)
                                  : (behind ? settings.SolidEdgeBack : settings.SolidEdge);
    c = ScaleVector(c, (behind ? -1.0 : 1.0) * width / (cLength * frame.ViewScale));
    const TVector3 corners[4] = {frame.EdgePointToScreen(SubtractVectors(a1, c)),
                                 frame.EdgePointToScreen(AddVectors(a1, c)), frame.EdgePointToScreen(AddVectors(b1, c)),
                                 frame.EdgePointToScreen(SubtractVectors(b1, c))};
    PutPolygon(target.Surface, corners, ShadeColor(base, angle, 255, settings.Shading));
}

}  // namespace
