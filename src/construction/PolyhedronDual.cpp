// SPDX-License-Identifier: GPL-3.0-or-later
// The dual by reciprocation: every face of the source gives the pole of its plane, every
// complete vertex a dual face through the poles of its faces. Faces through the centre
// have their poles at infinity; they are stood in for by points on a far sphere.

#include "common/Messages.h"
#include "construction/Dual.h"
#include "construction/DualWork.h"

#include <algorithm>
#include <cmath>

double DualScaleFactor(TVector3 m, TVector3 d, TVector3 w)
{
    // s such that the line through s w with direction d passes through m, solved in the
    // two coordinates other than the one where |m| is smallest.
    const double a = std::fabs(m.X);
    const double b = std::fabs(m.Y);
    const double c = std::fabs(m.Z);
    if (c < b && c < a)
        return (m.X * d.Y - m.Y * d.X) / (w.X * d.Y - w.Y * d.X);
    if (b < a && b < c)
        return (m.X * d.Z - m.Z * d.X) / (w.X * d.Z - w.Z * d.X);
    return (m.Y * d.Z - m.Z * d.Y) / (w.Y * d.Z - w.Z * d.Y);
}

bool FormDual(const TPolyFace& source, const TVertexGeometry& geometry, TDualSolid& dual, TInfoPane& pane)
{
    return TDualBuilder(geometry, dual).BuildDual(source, pane);
}

int TDualBuilder::FindOrAddDualVertex(TVector3 point)
{
    for (int v = 2; v < Out.Faces.VertexCount; ++v)
        if (VectorLength(SubtractVectors(Out.Faces.Vertices[v], point)) <= VertexIdentityDistance)
            return v;
    return Out.Faces.AppendVertex(point);
}

void TDualBuilder::ResetDual(const TPolyFace& source)
{
    // Entries 0 and 1 copy the source's first two vertices; they belong to no face.
    Out.Faces.Clear();
    Out.Faces.AppendVertex(source.Vertices[0]);
    Out.Faces.AppendVertex(source.Vertices[1]);
}

bool TDualBuilder::AbandonDual(const TPolyFace& source, TInfoPane& pane)
{
    ResetDual(source);
    Out.Pieces = 1;
    Out.FaceKind = 0;
    Out.Radius = G.SphereRadius;
    pane.AppendLine(Text(TMessage::DualAbandoned));
    return true;
}

std::vector<bool> TDualBuilder::PolygonsThroughCentre() const
{
    // A polygon whose circumradius is the sphere's lies in a great circle.
    std::vector<bool> marked(static_cast<std::size_t>(G.PolygonCount));
    for (int j = 0; j < G.PolygonCount; ++j)
        marked[j] = std::fabs(G.PolygonRadius[j] - G.SphereRadius) < 1e-5;
    return marked;
}

bool TDualBuilder::FaceThroughCentre(const TPolyFace& source, int f, const std::vector<bool>& marked) const
{
    for (int j = 0; j < G.PolygonCount; ++j)
        if (G.PolyN[j] == source.FaceN[f] && G.PolyD[j] == source.FaceD[f])
            return marked[j];
    return false;
}

bool TDualBuilder::BuildDual(const TPolyFace& source, TInfoPane& pane)
{
    Out.Pieces = 1;
    Out.FaceKind = 0;
    if (source.VertexCount < 2)
        return false;
    ResetDual(source);
    TDualWork work;
    const std::vector<bool> marked = PolygonsThroughCentre();
    const bool centreCase = std::find(marked.begin(), marked.end(), true) != marked.end();
    if (centreCase) {
        // Far points stand in for the poles at infinity only where faces through the
        // centre alternate with other faces round the vertex.
        bool alternate = G.PolygonCount / 2 != 1;
        for (int j = 0; j + 1 < G.PolygonCount; ++j)
            alternate = alternate && marked[j] != marked[j + 1];
        if (!alternate)
            return AbandonDual(source, pane);
    }
    for (int v = 0; v < source.VertexCount; ++v) {
        if (source.FanCount[v] != G.PolygonCount)
            continue;  // an incomplete vertex has no dual face yet
        if (centreCase)
            CentreDualFace(source, v, marked, work);
        else
            OrdinaryDualFace(source, v, work);
    }
    if (!centreCase && Out.FaceKind == -1)
        Out.VertexCount = Out.Faces.VertexCount - 2 - static_cast<int>(work.Recorded.size());
    for (int v = 2; v < Out.Faces.VertexCount; ++v) {
        const TVector3 p = Out.Faces.Vertices[v];
        if (!std::isfinite(p.X) || !std::isfinite(p.Y) || !std::isfinite(p.Z))
            return AbandonDual(source, pane);  // a pole that is not at infinity nor finite enough to draw
    }
    Out.Radius = 0.0;
    for (int v = 2; v < Out.Faces.VertexCount && v <= G.PolygonCount + 1; ++v)
        Out.Radius = std::max(Out.Radius, VectorLength(Out.Faces.Vertices[v]));
    ScaleDual(source, centreCase);
    return false;
}

void TDualBuilder::ScaleDual(const TPolyFace& source, bool centreCase)
{
    // Reciprocation in the midsphere, whose radius squared is R^2 - 1/4 for unit edges,
    // makes dual edges cross source edges at their midpoints. The poles were formed in the
    // circumsphere, so they shrink by (R^2 - 1/4) / R^2. Where the first dual edge is an
    // ordinary one, the scale is read off it, which gives the same value.
    const double big = G.SphereRadius * G.SphereRadius;
    double s = (big - 0.25) / big;
    if (!centreCase && Out.Faces.VertexCount >= 4) {
        const TVector3 m = ScaleVector(AddVectors(source.Vertices[0], source.Vertices[1]), 0.5);
        const TVector3 w = Out.Faces.Vertices[2];
        const double lineRule = DualScaleFactor(m, SubtractVectors(Out.Faces.Vertices[3], w), w);
        if (std::isfinite(lineRule) && lineRule != 0.0)
            s = lineRule;
    }
    Out.Scale = s;
    for (int v = 2; v < Out.Faces.VertexCount; ++v)
        Out.Faces.Vertices[v] = ScaleVector(Out.Faces.Vertices[v], s);
    Out.Radius = Out.Radius * s;
}

void TDualBuilder::OrdinaryDualFace(const TPolyFace& source, int v, TDualWork& work)
{
    const int k = G.PolygonCount;
    const TVector3 vertex = source.Vertices[v];
    work.Frame = TAxisFrame::Towards(vertex);
    const double height = VectorLength(vertex);
    int corner[MaxPolygonCount];
    for (int j = 0; j < k; ++j) {
        const int f = source.FanFaces[v][j];
        TVector3 sum{};
        for (int i = 0; i < source.FaceSize[f]; ++i)
            sum = AddVectors(sum, work.Frame.To(source.Vertices[source.Faces[f][i]]));
        // The sum points along the face normal; scaled to the tangent plane at V it is the
        // pole of the face plane in the sphere through V.
        corner[j] = FindOrAddDualVertex(work.Frame.From(ScaleVector(sum, height / sum.X)));
    }
    if (G.IrregularVertex && k == 4) {
        SplitCrossedQuad(corner, work);
    } else if (G.IrregularVertex && k > 4) {
        // A star dual face: triangles round the source vertex, its centre.
        const int centre = FindOrAddDualVertex(vertex);
        for (int j = 0; j < k; ++j) {
            const int triangle[3] = {centre, corner[j], corner[(j + 1) % k]};
            FindOrAddFace(triangle, 3, k, 0, Out.Faces);
        }
        Out.Pieces = k;
        Out.FaceKind = 1;
    } else {
        FindOrAddFace(corner, k, k, 0, Out.Faces);
    }
    for (int j = 0; j < k; ++j)
        AddEdge(corner[j], corner[(j + 1) % k], true, Out.Faces);
}

bool TDualBuilder::SidesCross(const TAxisFrame& frame, TVector3 a, TVector3 b, TVector3 c, TVector3 d)
{
    // c and d strictly on opposite sides of line ab, as seen along the vertex's own
    // direction (the frame's x axis), which never lies in the plane of the face.
    const TVector3 ab = SubtractVectors(a, b);
    const double sc = frame.To(CrossProduct(ab, SubtractVectors(a, c))).X;
    const double sd = frame.To(CrossProduct(ab, SubtractVectors(a, d))).X;
    return sc != 0.0 && sd != 0.0 && (sc < 0.0) != (sd < 0.0);
}

TVector3 TDualBuilder::LineSegmentCrossing(const TAxisFrame& frame, TVector3 a, TVector3 b, TVector3 c, TVector3 d)
{
    const TVector3 ab = SubtractVectors(a, b);
    const double wc = std::fabs(frame.To(CrossProduct(ab, SubtractVectors(a, c))).X);
    const double wd = std::fabs(frame.To(CrossProduct(ab, SubtractVectors(a, d))).X);
    return AddVectors(ScaleVector(d, wc / (wc + wd)), ScaleVector(c, wd / (wc + wd)));
}

void TDualBuilder::SplitCrossedQuad(const int corner[4], TDualWork& work)
{
    TVector3 p[4];
    for (int i = 0; i < 4; ++i)
        p[i] = Out.Faces.Vertices[corner[i]];
    const auto addTriangle = [&](int a, int b, int c) {
        const int triangle[3] = {a, b, c};
        FindOrAddFace(triangle, 3, 4, 0, Out.Faces);
    };
    const auto crossingAt = [&](TVector3 crossing) {
        AddUniquePoint(work.Recorded, crossing);
        Out.Pieces = 2;
        Out.FaceKind = -1;
        return FindOrAddDualVertex(crossing);
    };
    if (SidesCross(work.Frame, p[0], p[1], p[2], p[3]) && SidesCross(work.Frame, p[2], p[3], p[0], p[1])) {
        const int x = crossingAt(LineSegmentCrossing(work.Frame, p[0], p[1], p[2], p[3]));
        addTriangle(corner[0], x, corner[3]);
        addTriangle(x, corner[1], corner[2]);
    } else if (SidesCross(work.Frame, p[0], p[3], p[1], p[2]) && SidesCross(work.Frame, p[1], p[2], p[0], p[3])) {
        const int x = crossingAt(LineSegmentCrossing(work.Frame, p[0], p[3], p[1], p[2]));
        addTriangle(corner[0], corner[1], x);
        addTriangle(x, corner[2], corner[3]);
    } else if (SidesCross(work.Frame, p[0], p[2], p[1], p[3]) && !SidesCross(work.Frame, p[1], p[3], p[0], p[2])) {
        addTriangle(corner[0], corner[1], corner[2]);  // concave: split along the inner diagonal
        addTriangle(corner[2], corner[3], corner[0]);
        Out.Pieces = 2;
    } else if (!SidesCross(work.Frame, p[0], p[2], p[1], p[3]) && SidesCross(work.Frame, p[1], p[3], p[0], p[2])) {
        addTriangle(corner[0], corner[1], corner[3]);
        addTriangle(corner[1], corner[2], corner[3]);
        Out.Pieces = 2;
    } else {
        FindOrAddFace(corner, 4, 4, 0, Out.Faces);
    }
}
