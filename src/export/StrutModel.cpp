// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/StrutModel.h"

#include "solid/MeshUnion.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <set>

namespace {

// Sides of a rod and how often a ball's icosahedron is halved: smooth enough at a few
// millimetres, small enough that the union of a hundred pieces takes seconds.
constexpr int RodSides = 12;
constexpr int BallSplits = 1;
// How deep the lowest balls are cut to give the model feet, as a share of a ball's radius.
constexpr double FootDepth = 0.3;

TVector3 Unit(TVector3 v)
{
    Normalize(v);
    return v;
}

// A ball: an icosahedron halved and pushed out to the sphere, BallSplits times, turned by
// an angle of its own (turn) so that no two pieces meet in a symmetric, grazing way whose
// slivers would cross once rounded.
TClosedMesh Ball(const TVector3& centre, double radius, double turn)
{
    const double t = (1.0 + std::sqrt(5.0)) / 2.0;
    std::vector<TVector3> points = {{-1, t, 0},  {1, t, 0},  {-1, -t, 0}, {1, -t, 0}, {0, -1, t},  {0, 1, t},
                                    {0, -1, -t}, {0, 1, -t}, {t, 0, -1},  {t, 0, 1},  {-t, 0, -1}, {-t, 0, 1}};
    std::vector<std::array<int, 3>> faces = {{0, 11, 5}, {0, 5, 1},  {0, 1, 7},   {0, 7, 10}, {0, 10, 11},
                                             {1, 5, 9},  {5, 11, 4}, {11, 10, 2}, {10, 7, 6}, {7, 1, 8},
                                             {3, 9, 4},  {3, 4, 2},  {3, 2, 6},   {3, 6, 8},  {3, 8, 9},
                                             {4, 9, 5},  {2, 4, 11}, {6, 2, 10},  {8, 6, 7},  {9, 8, 1}};
    for (TVector3& p : points)
        p = Unit(p);
    for (int split = 0; split < BallSplits; ++split) {
        std::map<std::pair<int, int>, int> middle;
        const auto middleOf = [&](int a, int b) {
            const auto key = std::minmax(a, b);
            const auto found = middle.find(key);
            if (found != middle.end())
                return found->second;
            points.push_back(
                Unit(AddVectors(points[static_cast<std::size_t>(a)], points[static_cast<std::size_t>(b)])));
            return middle[key] = static_cast<int>(points.size()) - 1;
        };
        std::vector<std::array<int, 3>> finer;
        for (const auto& [a, b, c] : faces) {
            const int ab = middleOf(a, b);
            const int bc = middleOf(b, c);
            const int ca = middleOf(c, a);
            finer.insert(finer.end(), {{a, ab, ca}, {b, bc, ab}, {c, ca, bc}, {ab, bc, ca}});
        }
        faces = std::move(finer);
    }
    TClosedMesh ball;
    const TVector3 axis = Unit(TVector3{0.3, 0.5, 0.81});
    for (const TVector3& p : points) {
        // Rodrigues' rotation about axis by turn.
        const TVector3 q =
            AddVectors(AddVectors(ScaleVector(p, std::cos(turn)), ScaleVector(CrossProduct(axis, p), std::sin(turn))),
                       ScaleVector(axis, DotProduct(axis, p) * (1.0 - std::cos(turn))));
        ball.Points.push_back(AddVectors(centre, ScaleVector(q, radius)));
    }
    ball.Triangles = std::move(faces);
    return ball;
}

// A rod: a prism of RodSides sides round the segment from a to b, its ends closed, its
// first side at angle turn.
TClosedMesh Rod(const TVector3& a, const TVector3& b, double radius, double turn)
{
    const TVector3 axis = Unit(SubtractVectors(b, a));
    const TVector3 helper = std::fabs(axis.X) < 0.6 ? TVector3{1, 0, 0} : TVector3{0, 1, 0};
    const TVector3 u = Unit(CrossProduct(axis, helper));
    const TVector3 v = CrossProduct(axis, u);
    TClosedMesh rod;
    const double pi = std::acos(-1.0);
    for (int end = 0; end < 2; ++end)
        for (int k = 0; k < RodSides; ++k) {
            const double angle = turn + 2.0 * pi * k / RodSides;
            const TVector3 rim =
                AddVectors(ScaleVector(u, radius * std::cos(angle)), ScaleVector(v, radius * std::sin(angle)));
            rod.Points.push_back(AddVectors(end == 0 ? a : b, rim));
        }
    rod.Points.push_back(a);
    rod.Points.push_back(b);
    const int capA = 2 * RodSides;
    const int capB = capA + 1;
    for (int k = 0; k < RodSides; ++k) {
        const int next = (k + 1) % RodSides;
        // Anticlockwise seen from outside: the side round the axis, the end at a facing
        // back along it, the end at b forward.
        rod.Triangles.push_back({k, next, RodSides + next});
        rod.Triangles.push_back({k, RodSides + next, RodSides + k});
        rod.Triangles.push_back({capA, next, k});
        rod.Triangles.push_back({capB, RodSides + k, RodSides + next});
    }
    return rod;
}

std::set<std::pair<int, int>> EdgesOf(const TPolyFace& raw)
{
    std::set<std::pair<int, int>> edges;
    for (int f = 0; f < raw.FaceCount; ++f)
        for (int j = 0; j < raw.FaceSize[f]; ++j) {
            const int a = raw.Faces[f][j];
            const int b = raw.Faces[f][(j + 1) % raw.FaceSize[f]];
            if (a != b)
                edges.insert(std::minmax(a, b));
        }
    return edges;
}

// The solid's vertices turned to stand on a facet of their hull, in millimetres, the balls
// of the lowest dipping FootDepth of a radius below z = 0 and centred on x = y = 0; the
// scale, or 0 when the balls alone are taller than heightMm.
double PlaceVertices(std::vector<TVector3>& points, double heightMm, double ballRadius)
{
    const TVector3 down = OutermostPlaneOf(points);
    double low = std::numeric_limits<double>::max();
    double high = -low;
    TVector3 box[2] = {{low, low, low}, {high, high, high}};
    for (TVector3& p : points) {
        p = TurnDown(down, p);
        box[0] = {std::min(box[0].X, p.X), std::min(box[0].Y, p.Y), std::min(box[0].Z, p.Z)};
        box[1] = {std::max(box[1].X, p.X), std::max(box[1].Y, p.Y), std::max(box[1].Z, p.Z)};
    }
    const double extent = box[1].Z - box[0].Z;
    const double span = heightMm - (2.0 - FootDepth) * ballRadius;
    if (span <= 0.0 || extent <= 0.0)
        return 0.0;
    const double scale = span / extent;
    const TVector3 origin{(box[0].X + box[1].X) / 2.0, (box[0].Y + box[1].Y) / 2.0, box[0].Z};
    for (TVector3& p : points) {
        p = ScaleVector(SubtractVectors(p, origin), scale);
        p.Z += (1.0 - FootDepth) * ballRadius;
    }
    return scale;
}

}  // namespace

TResult StrutModel(const TBuiltSolid& solid, double heightMm, double rodMm, TPrintModel& model)
{
    const TPolyFace& raw = solid.Raw;
    std::vector<TVector3> points(raw.Vertices.begin(), raw.Vertices.begin() + raw.VertexCount);
    const double ballRadius = BallToRod * rodMm / 2.0;
    const double scale = PlaceVertices(points, heightMm, ballRadius);
    if (scale <= 0.0)
        return TResult::Failure("the balls are taller than the model: choose thinner rods or a greater height");
    const std::set<std::pair<int, int>> edges = EdgesOf(raw);
    std::vector<TClosedMesh> pieces;
    // Turns that repeat no sooner than the golden angle does.
    const double golden = std::acos(-1.0) * (3.0 - std::sqrt(5.0));
    for (std::size_t i = 0; i < points.size(); ++i)
        pieces.push_back(Ball(points[i], ballRadius, golden * static_cast<double>(i + 1)));
    for (const auto& [a, b] : edges) {
        // Each rod ends halfway into its balls, so that no two rods' ends meet at a centre.
        const TVector3 pa = points[static_cast<std::size_t>(a)];
        const TVector3 pb = points[static_cast<std::size_t>(b)];
        const TVector3 along = Unit(SubtractVectors(pb, pa));
        if (VectorLength(SubtractVectors(pb, pa)) <= ballRadius)
            return TResult::Failure("the rods are too thick for so small a model: its balls swallow its edges");
        pieces.push_back(Rod(AddVectors(pa, ScaleVector(along, ballRadius / 2.0)),
                             SubtractVectors(pb, ScaleVector(along, ballRadius / 2.0)), rodMm / 2.0,
                             golden * static_cast<double>(pieces.size())));
    }
    TClosedMesh united;
    if (TResult made = UniteAboveFloor(pieces, united); made.Failed())
        return made;
    model = TPrintModel{};
    TSurfaceFace face;
    face.N = raw.FaceCount > 0 ? raw.FaceN[0] : 3;
    face.D = raw.FaceCount > 0 ? raw.FaceD[0] : 1;
    model.Surface.Faces.push_back(face);
    model.Surface.Points = std::move(united.Points);
    for (const auto& t : united.Triangles)
        model.Surface.Triangles.push_back({t, 0, 0});
    model.Surface.Sheets = 1;
    long double volume = 0.0L;
    long double area = 0.0L;
    for (const TOuterTriangle& t : model.Surface.Triangles) {
        const TVector3 a = model.Surface.Points[static_cast<std::size_t>(t.Corners[0])];
        const TVector3 b = model.Surface.Points[static_cast<std::size_t>(t.Corners[1])];
        const TVector3 c = model.Surface.Points[static_cast<std::size_t>(t.Corners[2])];
        volume += DotProduct(a, CrossProduct(b, c)) / 6.0L;
        area += VectorLength(CrossProduct(SubtractVectors(b, a), SubtractVectors(c, a))) / 2.0L;
    }
    model.Surface.Volume = static_cast<double>(volume);
    model.Surface.Area = static_cast<double>(area);
    model.HeightMm = heightMm;
    model.Scale = scale;
    return TResult::Success();
}
