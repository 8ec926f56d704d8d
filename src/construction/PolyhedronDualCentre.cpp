// SPDX-License-Identifier: GPL-3.0-or-later
// Out.Faces faces round a vertex where some faces pass through the centre: their poles lie at
// infinity, so each finite pole is joined to two far points on a sphere of ten times the
// circumradius, and fans of far points along arcs close the face.

#include "construction/DualWork.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double FarSphere = 10.0;
constexpr double ArcStepsPerHalfTurn = 27.0;  // arcs turn in steps of at most pi/27

// Unit normal of a face from its first three corners, turned away from the pole.
TVector3 FaceNormal(const TPolyFace& source, int f, TVector3 pole)
{
    const TVector3 a = source.Vertices[source.Faces[f][0]];
    const TVector3 b = source.Vertices[source.Faces[f][1]];
    const TVector3 c = source.Vertices[source.Faces[f][2]];
    TVector3 n = CrossProduct(SubtractVectors(a, b), SubtractVectors(c, b));
    Normalize(n);
    if (VectorLength(SubtractVectors(pole, n)) < VectorLength(AddVectors(pole, n)))
        n = ScaleVector(n, -1.0);
    return n;
}

// Finite poles, plus one point at infinity per line of directions.
int CentreCaseVertexCount(const std::vector<TVector3>& recorded, const std::vector<TVector3>& directions)
{
    int single = 0;
    int paired = 0;
    for (const TVector3 n : directions)
        ++(ContainsPoint(directions, ScaleVector(n, -1.0)) ? paired : single);
    return static_cast<int>(recorded.size()) + single + paired / 2;
}

}  // namespace

void TDualBuilder::CentreDualFace(const TPolyFace& source, int v, const std::vector<bool>& marked, TDualWork& work)
{
    const TVector3 vertex = source.Vertices[v];
    work.Frame = TAxisFrame::Towards(vertex);
    work.Vertex = vertex;
    work.Height = VectorLength(vertex);
    work.Arcs.clear();
    for (int j = 0; j < G.PolygonCount; ++j) {
        const int f = source.FanFaces[v][j];
        if (FaceThroughCentre(source, f, marked))
            continue;  // its pole is at infinity: the far points of its neighbours stand in
        TVector3 sum{};
        for (int i = 0; i < source.FaceSize[f]; ++i)
            sum = AddVectors(sum, work.Frame.To(source.Vertices[source.Faces[f][i]]));
        const TVector3 pole = work.Frame.From(ScaleVector(sum, work.Height / sum.X));
        AddFarTriangles(source, v, j, pole, work);
    }
    AddArcFans(work);
    Out.Pieces = 3 * (static_cast<int>(work.Arcs.size()) / 2);
    Out.FaceKind = -1;
    Out.VertexCount = CentreCaseVertexCount(work.Recorded, work.Directions);
}

void TDualBuilder::AddFarTriangles(const TPolyFace& source, int v, int position, TVector3 pole, TDualWork& work)
{
    const int k = G.PolygonCount;
    const TVector3 vertex = source.Vertices[v];
    // The neighbouring faces pass through the centre; their normals point to their poles.
    const TVector3 before = FaceNormal(source, source.FanFaces[v][(position + k - 1) % k], pole);
    const TVector3 after = FaceNormal(source, source.FanFaces[v][(position + 1) % k], pole);
    AddUniquePoint(work.Recorded, pole);
    AddUniquePoint(work.Directions, before);
    AddUniquePoint(work.Directions, after);

    // Walk from the pole along each direction to the far sphere.
    const double reach = FarSphere * G.SphereRadius;
    const double along = DotProduct(before, pole);
    const double t = -along + std::sqrt(along * along + reach * reach - DotProduct(pole, pole));
    const TVector3 far1 = AddVectors(pole, ScaleVector(before, t));
    const TVector3 far2 = AddVectors(pole, ScaleVector(after, t));
    work.Rho = VectorLength(SubtractVectors(far1, vertex));

    const int p1 = FindOrAddDualVertex(far1);
    const int p = FindOrAddDualVertex(pole);
    const int centre = FindOrAddDualVertex(vertex);
    const int first[3] = {p1, p, centre};
    FindOrAddFace(first, 3, k, 0, Out.Faces);
    AddEdge(p, p1, true, Out.Faces);
    const int p2 = FindOrAddDualVertex(far2);
    const int second[3] = {p, p2, centre};
    FindOrAddFace(second, 3, k, 0, Out.Faces);
    AddEdge(p, p2, true, Out.Faces);

    // Mark where arcs start (1) and end (0): the arc runs the long way round between them.
    const TVector3 w1 = work.Frame.To(far1);
    const TVector3 w2 = work.Frame.To(far2);
    const double a1 = std::atan2(w1.Z, w1.Y);
    const double a2 = std::atan2(w2.Z, w2.Y);
    double spread = a2 - a1;
    if (spread < 0.0)
        spread += 2.0 * M_PI;
    work.Arcs.emplace_back(a1, spread < M_PI ? 0 : 1);
    work.Arcs.emplace_back(a2, spread < M_PI ? 1 : 0);
}

void TDualBuilder::AddArcFans(TDualWork& work)
{
    auto& arcs = work.Arcs;
    std::stable_sort(arcs.begin(), arcs.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    const int count = static_cast<int>(arcs.size());
    if (count == 0)
        return;
    const int centre = FindOrAddDualVertex(work.Vertex);  // made with the far triangles
    for (int e = 0; e < count; ++e) {
        if (arcs[e].second != 1)
            continue;
        int end = -1;
        for (int i = 1; i < count && end < 0; ++i)
            if (arcs[(e + i) % count].second == 0)
                end = (e + i) % count;
        if (end < 0)
            continue;
        arcs[end].second = 2;
        double span = arcs[end].first - arcs[e].first;
        double steps = 0.0;
        if (span < 0.0) {
            steps = std::ceil(-span * ArcStepsPerHalfTurn / M_PI);
        } else {
            steps = std::ceil((2.0 * M_PI - span) * ArcStepsPerHalfTurn / M_PI);
            span -= 2.0 * M_PI;
        }
        if (!(steps >= 1.0 && steps <= 2.0 * ArcStepsPerHalfTurn))
            continue;  // an arc that spans no angle
        // The fan turns clockwise from the start mark to the end mark.
        const double step = std::fabs(span / steps);
        std::vector<int> fan{centre};
        for (int i = 0; i <= static_cast<int>(steps); ++i) {
            const double angle = arcs[e].first - i * step;
            fan.push_back(FindOrAddDualVertex(
                work.Frame.From(MakeVector(work.Height, work.Rho * std::cos(angle), work.Rho * std::sin(angle)))));
        }
        FindOrAddFace(fan.data(), static_cast<int>(fan.size()), G.PolygonCount, 0, Out.Faces);
    }
}
