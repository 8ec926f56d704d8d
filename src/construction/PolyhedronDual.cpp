// The dual by reciprocation: every face of the source gives the pole of its plane, every
// complete vertex a dual face through the poles of its faces. Faces through the centre
// have their poles at infinity; they are stood in for by points on a far sphere.

#include "common/Messages.h"
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

bool TBuild::BuildCurrentDual(TInfoPane& pane)
{
    return BuildDual(Current, pane);
}

bool TBuild::BuildListedDual(int k, TInfoPane& pane)
{
    if (k >= 0 && k < FoundCount)
        return BuildDual(FoundSolids[k], pane);
    DualPieces = 1;
    DualFaceKind = 0;
    return true;
}

int TBuild::FindOrAddDualVertex(TVector3 point)
{
    for (int v = 2; v < Dual.VertexCount; ++v)
        if (VectorLength(SubtractVectors(Dual.Vertices[v], point)) <= VertexIdentityDistance)
            return v;
    return Dual.AppendVertex(point);
}

void TBuild::ResetDual(const TPolyFace& source)
{
    // Entries 0 and 1 copy the source's first two vertices; they belong to no face.
    Dual.Clear();
    Dual.AppendVertex(source.Vertices[0]);
    Dual.AppendVertex(source.Vertices[1]);
}

bool TBuild::AbandonDual(const TPolyFace& source, TInfoPane& pane)
{
    ResetDual(source);
    DualPieces = 1;
    DualFaceKind = 0;
    DualRadius = SphereRadius;
    pane.AppendLine(Text(TMessage::DualAbandoned));
    return true;
}

std::vector<bool> TBuild::PolygonsThroughCentre() const
{
    // A polygon whose circumradius is the sphere's lies in a great circle.
    std::vector<bool> marked(static_cast<std::size_t>(PolygonCount));
    for (int j = 0; j < PolygonCount; ++j)
        marked[j] = std::fabs(PolygonRadius[j] - SphereRadius) < 1e-5;
    return marked;
}

bool TBuild::FaceThroughCentre(const TPolyFace& source, int f, const std::vector<bool>& marked) const
{
    for (int j = 0; j < PolygonCount; ++j)
        if (PolyN[j] == source.FaceN[f] && PolyD[j] == source.FaceD[f])
            return marked[j];
    return false;
}

bool TBuild::BuildDual(const TPolyFace& source, TInfoPane& pane)
{
    DualPieces = 1;
    DualFaceKind = 0;
    if (source.VertexCount < 2)
        return false;
    ResetDual(source);
    TDualWork work;
    const std::vector<bool> marked = PolygonsThroughCentre();
    const bool centreCase = std::find(marked.begin(), marked.end(), true) != marked.end();
    if (centreCase) {
        // Far points stand in for the poles at infinity only where faces through the
        // centre alternate with other faces round the vertex.
        bool alternate = PolygonCount / 2 != 1;
        for (int j = 0; j + 1 < PolygonCount; ++j)
            alternate = alternate && marked[j] != marked[j + 1];
        if (!alternate)
            return AbandonDual(source, pane);
    }
    for (int v = 0; v < source.VertexCount; ++v) {
        if (source.FanCount[v] != PolygonCount)
            continue;  // an incomplete vertex has no dual face yet
        if (centreCase)
            CentreDualFace(source, v, marked, work);
        else
            OrdinaryDualFace(source, v, work);
    }
    if (!centreCase && DualFaceKind == -1)
        DualVertexCount = Dual.VertexCount - 2 - static_cast<int>(work.Recorded.size());
    for (int v = 2; v < Dual.VertexCount; ++v) {
        const TVector3 p = Dual.Vertices[v];
        if (!std::isfinite(p.X) || !std::isfinite(p.Y) || !std::isfinite(p.Z))
            return AbandonDual(source, pane);  // a pole that is not at infinity nor finite enough to draw
    }
    DualRadius = 0.0;
    for (int v = 2; v < Dual.VertexCount && v <= PolygonCount + 1; ++v)
        DualRadius = std::max(DualRadius, VectorLength(Dual.Vertices[v]));
    ScaleDual(source, centreCase);
    return false;
}

void TBuild::ScaleDual(const TPolyFace& source, bool centreCase)
{
    // Reciprocation in the midsphere, whose radius squared is R^2 - 1/4 for unit edges,
    // makes dual edges cross source edges at their midpoints. The poles were formed in the
    // circumsphere, so they shrink by (R^2 - 1/4) / R^2. Where the first dual edge is an
    // ordinary one, the scale is read off it, which gives the same value.
    const double big = SphereRadius * SphereRadius;
    double s = (big - 0.25) / big;
    if (!centreCase && Dual.VertexCount >= 4) {
        const TVector3 m = ScaleVector(AddVectors(source.Vertices[0], source.Vertices[1]), 0.5);
        const TVector3 w = Dual.Vertices[2];
        const double lineRule = DualScaleFactor(m, SubtractVectors(Dual.Vertices[3], w), w);
        if (std::isfinite(lineRule) && lineRule != 0.0)
            s = lineRule;
    }
    DualScale = s;
    for (int v = 2; v < Dual.VertexCount; ++v)
        Dual.Vertices[v] = ScaleVector(Dual.Vertices[v], s);
    DualRadius = DualRadius * s;
}

void TBuild::OrdinaryDualFace(const TPolyFace& source, int v, TDualWork& work)
{
    const int k = PolygonCount;
    const TVector3 vertex = source.Vertices[v];
    SetAxisFrame(vertex);
    const double height = VectorLength(vertex);
    int corner[MaxPolygonCount];
    for (int j = 0; j < k; ++j) {
        const int f = source.FanFaces[v][j];
        TVector3 sum{};
        for (int i = 0; i < source.FaceSize[f]; ++i)
            sum = AddVectors(sum, ToAxisFrame(source.Vertices[source.Faces[f][i]]));
        // The sum points along the face normal; scaled to the tangent plane at V it is the
        // pole of the face plane in the sphere through V.
        corner[j] = FindOrAddDualVertex(FromAxisFrame(ScaleVector(sum, height / sum.X)));
    }
    if (IrregularVertex && k == 4) {
        SplitCrossedQuad(corner, work);
    } else if (IrregularVertex && k > 4) {
        // A star dual face: triangles round the source vertex, its centre.
        const int centre = FindOrAddDualVertex(vertex);
        for (int j = 0; j < k; ++j) {
            const int triangle[3] = {centre, corner[j], corner[(j + 1) % k]};
            FindOrAddFace(triangle, 3, k, 0, Dual);
        }
        DualPieces = k;
        DualFaceKind = 1;
    } else {
        FindOrAddFace(corner, k, k, 0, Dual);
    }
    for (int j = 0; j < k; ++j)
        AddEdge(corner[j], corner[(j + 1) % k], true, Dual);
}

bool TBuild::SidesCross(TVector3 a, TVector3 b, TVector3 c, TVector3 d) const
{
    // c and d strictly on opposite sides of line ab, as seen along the vertex's own
    // direction (the frame's x axis), which never lies in the plane of the face.
    const TVector3 ab = SubtractVectors(a, b);
    const double sc = ToAxisFrame(CrossProduct(ab, SubtractVectors(a, c))).X;
    const double sd = ToAxisFrame(CrossProduct(ab, SubtractVectors(a, d))).X;
    return sc != 0.0 && sd != 0.0 && (sc < 0.0) != (sd < 0.0);
}

TVector3 TBuild::LineSegmentCrossing(TVector3 a, TVector3 b, TVector3 c, TVector3 d) const
{
    const TVector3 ab = SubtractVectors(a, b);
    const double wc = std::fabs(ToAxisFrame(CrossProduct(ab, SubtractVectors(a, c))).X);
    const double wd = std::fabs(ToAxisFrame(CrossProduct(ab, SubtractVectors(a, d))).X);
    return AddVectors(ScaleVector(d, wc / (wc + wd)), ScaleVector(c, wd / (wc + wd)));
}

void TBuild::SplitCrossedQuad(const int corner[4], TDualWork& work)
{
    TVector3 p[4];
    for (int i = 0; i < 4; ++i)
        p[i] = Dual.Vertices[corner[i]];
    const auto addTriangle = [&](int a, int b, int c) {
        const int triangle[3] = {a, b, c};
        FindOrAddFace(triangle, 3, 4, 0, Dual);
    };
    const auto crossingAt = [&](TVector3 crossing) {
        AddUniquePoint(work.Recorded, crossing);
        DualPieces = 2;
        DualFaceKind = -1;
        return FindOrAddDualVertex(crossing);
    };
    if (SidesCross(p[0], p[1], p[2], p[3]) && SidesCross(p[2], p[3], p[0], p[1])) {
        const int x = crossingAt(LineSegmentCrossing(p[0], p[1], p[2], p[3]));
        addTriangle(corner[0], x, corner[3]);
        addTriangle(x, corner[1], corner[2]);
    } else if (SidesCross(p[0], p[3], p[1], p[2]) && SidesCross(p[1], p[2], p[0], p[3])) {
        const int x = crossingAt(LineSegmentCrossing(p[0], p[3], p[1], p[2]));
        addTriangle(corner[0], corner[1], x);
        addTriangle(x, corner[2], corner[3]);
    } else if (SidesCross(p[0], p[2], p[1], p[3]) && !SidesCross(p[1], p[3], p[0], p[2])) {
        addTriangle(corner[0], corner[1], corner[2]);  // concave: split along the inner diagonal
        addTriangle(corner[2], corner[3], corner[0]);
        DualPieces = 2;
    } else if (!SidesCross(p[0], p[2], p[1], p[3]) && SidesCross(p[1], p[3], p[0], p[2])) {
        addTriangle(corner[0], corner[1], corner[3]);
        addTriangle(corner[1], corner[2], corner[3]);
        DualPieces = 2;
    } else {
        FindOrAddFace(corner, 4, 4, 0, Dual);
    }
}
