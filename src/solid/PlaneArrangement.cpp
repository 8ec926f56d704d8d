// SPDX-License-Identifier: GPL-3.0-or-later
#include "solid/PlaneArrangement.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

using TPoint2 = std::array<double, 2>;

// Lengths below this, in unit edges, are roundings: a point this close to a segment lies on it.
constexpr double Touch = TPointPool::Snap;

double Cross2(const TPoint2& a, const TPoint2& b)
{
    return a[0] * b[1] - a[1] * b[0];
}

TPoint2 Minus2(const TPoint2& a, const TPoint2& b)
{
    return {a[0] - b[0], a[1] - b[1]};
}

TVector3 Along(const TVector3& p, const TVector3& direction, double t)
{
    return AddVectors(p, ScaleVector(direction, t));
}

// The area vector of a polygon (Newell's sum): its normal, its length the area a star's
// windings add up to.
TVector3 AreaVector(const std::vector<TVector3>& c)
{
    TVector3 sum{};
    for (std::size_t j = 0; j < c.size(); ++j)
        sum = AddVectors(sum, CrossProduct(c[j], c[(j + 1) % c.size()]));
    return ScaleVector(sum, 0.5);
}

TVector3 Centroid(const std::vector<TVector3>& c)
{
    TVector3 sum{};
    for (const TVector3& p : c)
        sum = AddVectors(sum, p);
    return ScaleVector(sum, 1.0 / static_cast<double>(c.size()));
}

TFacePlane NewPlane(const TSurfaceFace& face, const TVector3& normal)
{
    TFacePlane plane;
    plane.Normal = normal;
    plane.Origin = Centroid(face.Corners);
    plane.Offset = DotProduct(normal, plane.Origin);
    plane.U = SubtractVectors(face.Corners[0], plane.Origin);
    plane.U = SubtractVectors(plane.U, ScaleVector(normal, DotProduct(plane.U, normal)));
    Normalize(plane.U);
    plane.V = CrossProduct(normal, plane.U);
    return plane;
}

void AddFill(TFacePlane& plane, int face, const TVector3& a, const TVector3& b, const TVector3& c)
{
    TPlaneFill fill{{plane.Project(a), plane.Project(b), plane.Project(c)}, face};
    const double twice = Cross2(Minus2(fill.Corner[1], fill.Corner[0]), Minus2(fill.Corner[2], fill.Corner[0]));
    if (std::fabs(twice) < Touch * Touch)
        return;
    if (twice < 0.0)
        std::swap(fill.Corner[1], fill.Corner[2]);
    plane.Fills.push_back(fill);
}

void FillFace(TFacePlane& plane, const TSurfaceFace& face, int index)
{
    const std::vector<TVector3>& c = face.Corners;
    if (!face.Star) {
        for (std::size_t j = 1; j + 1 < c.size(); ++j)
            AddFill(plane, index, c[0], c[j], c[j + 1]);
        return;
    }
    const TVector3 centre = Centroid(c);
    for (std::size_t j = 0; j < c.size(); ++j)
        AddFill(plane, index, centre, c[j], c[(j + 1) % c.size()]);
}

// The plane among planes that holds a face with this normal and offset, or -1.
int SamePlane(const std::vector<TFacePlane>& planes, const TVector3& normal, double offset)
{
    for (std::size_t p = 0; p < planes.size(); ++p) {
        const double cosine = DotProduct(planes[p].Normal, normal);
        if (std::fabs(cosine) > 1.0 - 1e-12 && std::fabs(planes[p].Offset - (cosine > 0.0 ? offset : -offset)) < Touch)
            return static_cast<int>(p);
    }
    return -1;
}

// The parameters along a line at which it is inside a triangle, or an empty interval
// (first > second). The line is t -> q + t e in the triangle's plane.
std::pair<double, double> Clip(const TPlaneFill& fill, const TPoint2& q, const TPoint2& e)
{
    double low = -std::numeric_limits<double>::infinity();
    double high = std::numeric_limits<double>::infinity();
    for (std::size_t k = 0; k < 3; ++k) {
        const TPoint2& a = fill.Corner[k];
        const TPoint2 side = Minus2(fill.Corner[(k + 1) % 3], a);
        const double length = std::hypot(side[0], side[1]);
        // Signed distance to the left of the side: at + t slope, kept >= 0. A line along
        // the side (where two faces meet at an edge) is inside up to a rounding.
        const double at = Cross2(side, Minus2(q, a)) / length;
        const double slope = Cross2(side, e) / length;
        if (std::fabs(slope) < 1e-12) {
            if (at < -Touch)
                return {1.0, 0.0};
            continue;
        }
        const double bound = -at / slope;
        if (slope > 0.0)
            low = std::max(low, bound);
        else
            high = std::min(high, bound);
    }
    return {low, high};
}

using TIntervals = std::vector<std::pair<double, double>>;

// Where the line t -> p + t direction runs inside the plane's faces: joined intervals.
TIntervals Inside(const TFacePlane& plane, const TVector3& p, const TVector3& direction)
{
    const TPoint2 q = plane.Project(p);
    const TPoint2 e{DotProduct(direction, plane.U), DotProduct(direction, plane.V)};
    TIntervals pieces;
    for (const TPlaneFill& fill : plane.Fills) {
        const auto piece = Clip(fill, q, e);
        if (piece.second - piece.first > Touch)
            pieces.push_back(piece);
    }
    std::sort(pieces.begin(), pieces.end());
    TIntervals joined;
    for (const auto& piece : pieces) {
        if (!joined.empty() && piece.first <= joined.back().second + Touch)
            joined.back().second = std::max(joined.back().second, piece.second);
        else
            joined.push_back(piece);
    }
    return joined;
}

// Where both sets of intervals hold: stretches, and the points where an interval of one
// ends just where one of the other begins.
TIntervals Common(const TIntervals& a, const TIntervals& b, std::vector<double>& touches)
{
    TIntervals both;
    for (const auto& x : a)
        for (const auto& y : b) {
            const double low = std::max(x.first, y.first);
            const double high = std::min(x.second, y.second);
            if (high - low > Touch)
                both.emplace_back(low, high);
            else if (high - low > -Touch)
                touches.push_back((low + high) / 2.0);
        }
    return both;
}

struct TSegment {
    TVector3 A, B;
};

// Where two planes' faces meet: the stretches where they cross, and the points where they
// only touch, as where the edge of one crosses the edge of the other.
struct TCrossing {
    std::vector<TSegment> Segments;
    std::vector<TVector3> Touches;
};

// Where two planes' faces cross: the stretches of the planes' common line inside faces of
// both. Worked out from the lower-numbered plane first, so that both planes get the same
// doubles.
TCrossing Crossing(const TFacePlane& first, const TFacePlane& second)
{
    TVector3 direction = CrossProduct(first.Normal, second.Normal);
    const double sine = VectorLength(direction);
    if (sine < 1e-9)
        return {};
    direction = ScaleVector(direction, 1.0 / sine);
    // The line's point nearest the origin.
    const double c = DotProduct(first.Normal, second.Normal);
    const double scale = 1.0 / (1.0 - c * c);
    const TVector3 p = AddVectors(ScaleVector(first.Normal, (first.Offset - second.Offset * c) * scale),
                                  ScaleVector(second.Normal, (second.Offset - first.Offset * c) * scale));
    TCrossing crossing;
    std::vector<double> touches;
    for (const auto& [low, high] : Common(Inside(first, p, direction), Inside(second, p, direction), touches))
        crossing.Segments.push_back({Along(p, direction, low), Along(p, direction, high)});
    for (const double t : touches)
        crossing.Touches.push_back(Along(p, direction, t));
    return crossing;
}

// A segment of the plane's cuts: its ends in the plane and in space, and the pool points
// found along it, by distance from its first end.
struct TCut {
    TPoint2 A, Direction;  // unit direction
    double Length = 0.0;
    TVector3 A3, Direction3;
    std::vector<std::pair<double, int>> Points;
};

TCut MakeCut(const TFacePlane& plane, const TSegment& segment, TPointPool& pool)
{
    TCut cut;
    cut.A = plane.Project(segment.A);
    const TPoint2 b = plane.Project(segment.B);
    cut.Length = std::hypot(b[0] - cut.A[0], b[1] - cut.A[1]);
    cut.Direction = {(b[0] - cut.A[0]) / cut.Length, (b[1] - cut.A[1]) / cut.Length};
    cut.A3 = segment.A;
    cut.Direction3 = ScaleVector(SubtractVectors(segment.B, segment.A), 1.0 / cut.Length);
    cut.Points.emplace_back(0.0, pool.Add(segment.A));
    cut.Points.emplace_back(cut.Length, pool.Add(segment.B));
    return cut;
}

// Where along cut a point of the plane lies, if it lies on it.
bool OnCut(const TCut& cut, const TPoint2& q, double& at)
{
    const TPoint2 d = Minus2(q, cut.A);
    at = d[0] * cut.Direction[0] + d[1] * cut.Direction[1];
    return std::fabs(Cross2(cut.Direction, d)) < Touch && at > -Touch && at < cut.Length + Touch;
}

// Each cut given the points where the other meets it: the ends of either that lie on the
// other (collinear cuts overlap), or the one point where they cross.
void Meet(TCut& s, TCut& t, TPointPool& pool)
{
    double at = 0.0;
    bool touching = false;
    for (const auto& [u, v] : {std::pair<TCut*, TCut*>{&s, &t}, std::pair<TCut*, TCut*>{&t, &s}})
        for (const std::size_t end : {std::size_t{0}, std::size_t{1}}) {
            const double along = v->Points[end].first;
            const TPoint2 q{v->A[0] + along * v->Direction[0], v->A[1] + along * v->Direction[1]};
            if (OnCut(*u, q, at)) {
                u->Points.emplace_back(at, v->Points[end].second);
                touching = true;
            }
        }
    const double denominator = Cross2(s.Direction, t.Direction);
    if (touching || std::fabs(denominator) < 1e-12)
        return;
    const TPoint2 d = Minus2(t.A, s.A);
    const double alongS = Cross2(d, t.Direction) / denominator;
    const double alongT = Cross2(d, s.Direction) / denominator;
    if (alongS < -Touch || alongS > s.Length + Touch || alongT < -Touch || alongT > t.Length + Touch)
        return;
    const int point = pool.Add(Along(s.A3, s.Direction3, alongS));
    s.Points.emplace_back(alongS, point);
    t.Points.emplace_back(alongT, point);
}

}  // namespace

int TPointPool::Add(const TVector3& p)
{
    const auto cell = [](double x) { return static_cast<long long>(std::floor(x / Snap)); };
    const long long x = cell(p.X);
    const long long y = cell(p.Y);
    const long long z = cell(p.Z);
    for (long long i = x - 1; i <= x + 1; ++i)
        for (long long j = y - 1; j <= y + 1; ++j)
            for (long long k = z - 1; k <= z + 1; ++k) {
                const auto found = Cells_.find(CellKey(i, j, k));
                if (found == Cells_.end())
                    continue;
                for (const int index : found->second)
                    if (VectorLength(SubtractVectors(Points_[static_cast<std::size_t>(index)], p)) < Snap)
                        return index;
            }
    const int index = static_cast<int>(Points_.size());
    Points_.push_back(p);
    Cells_[CellKey(x, y, z)].push_back(index);
    return index;
}

long long TPointPool::CellKey(long long x, long long y, long long z)
{
    // The solids fit in a sphere of a few hundred unit edges: 21 bits a coordinate suffice
    // for cells of 1e-8 only to about 0.01, so the cells are hashed rather than packed.
    constexpr unsigned long long prime1 = 73856093ULL;
    constexpr unsigned long long prime2 = 19349663ULL;
    constexpr unsigned long long prime3 = 83492791ULL;
    return static_cast<long long>(static_cast<unsigned long long>(x) * prime1
                                  ^ static_cast<unsigned long long>(y) * prime2
                                  ^ static_cast<unsigned long long>(z) * prime3);
}

std::array<double, 2> TFacePlane::Project(const TVector3& p) const
{
    const TVector3 d = SubtractVectors(p, Origin);
    return {DotProduct(d, U), DotProduct(d, V)};
}

int TFacePlane::FaceAt(const std::array<double, 2>& q) const
{
    // On a side counts as inside: a star's filling triangles meet along its spokes, and the
    // middle of a cell of its core can lie on one.
    for (const TPlaneFill& fill : Fills) {
        bool inside = true;
        for (std::size_t k = 0; k < 3 && inside; ++k) {
            const TPoint2 side = Minus2(fill.Corner[(k + 1) % 3], fill.Corner[k]);
            inside = Cross2(side, Minus2(q, fill.Corner[k])) >= -1e-12 * std::hypot(side[0], side[1]);
        }
        if (inside)
            return fill.Face;
    }
    return -1;
}

std::vector<TFacePlane> FacePlanes(const std::vector<TSurfaceFace>& faces)
{
    std::vector<TFacePlane> planes;
    for (std::size_t f = 0; f < faces.size(); ++f) {
        const TSurfaceFace& face = faces[f];
        if (face.Corners.size() < 3)
            continue;
        TVector3 normal = AreaVector(face.Corners);
        if (VectorLength(normal) < 1e-12)
            continue;
        Normalize(normal);
        const double offset = DotProduct(normal, Centroid(face.Corners));
        int p = SamePlane(planes, normal, offset);
        if (p < 0) {
            p = static_cast<int>(planes.size());
            planes.push_back(NewPlane(face, normal));
        }
        planes[static_cast<std::size_t>(p)].Faces.push_back(static_cast<int>(f));
        FillFace(planes[static_cast<std::size_t>(p)], face, static_cast<int>(f));
    }
    return planes;
}

namespace {

// The plane's cuts, each with the points where it meets the others.
std::vector<TCut> CutsOf(const std::vector<TFacePlane>& planes, std::size_t plane,
                         const std::vector<TSurfaceFace>& faces, TPointPool& pool)
{
    const TFacePlane& here = planes[plane];
    std::vector<TCut> cuts;
    for (const int f : here.Faces) {
        const std::vector<TVector3>& c = faces[static_cast<std::size_t>(f)].Corners;
        for (std::size_t j = 0; j < c.size(); ++j)
            if (VectorLength(SubtractVectors(c[(j + 1) % c.size()], c[j])) > Touch)
                cuts.push_back(MakeCut(here, {c[j], c[(j + 1) % c.size()]}, pool));
    }
    for (std::size_t other = 0; other < planes.size(); ++other) {
        if (other == plane)
            continue;
        const TCrossing crossing = plane < other ? Crossing(here, planes[other]) : Crossing(planes[other], here);
        for (const TSegment& segment : crossing.Segments)
            cuts.push_back(MakeCut(here, segment, pool));
        // Points of the pool, put on the cuts through them once every plane is cut.
        for (const TVector3& touch : crossing.Touches)
            (void)pool.Add(touch);
    }
    for (std::size_t i = 0; i < cuts.size(); ++i)
        for (std::size_t j = i + 1; j < cuts.size(); ++j)
            Meet(cuts[i], cuts[j], pool);
    return cuts;
}

// Every point of the pool that lies on a cut, put on it. Three planes' faces can meet where
// a cut of only two of them ends: a face crossing the edge of two others, and the faces of
// one side only. The edge is split there in the plane that has the cut, so it must be split
// in the other too, or the cells would not meet edge to edge.
void AddPointsOnCuts(const TFacePlane& plane, const std::vector<TVector3>& points, std::vector<TCut>& cuts)
{
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (std::fabs(DotProduct(plane.Normal, points[i]) - plane.Offset) > Touch)
            continue;
        const TPoint2 q = plane.Project(points[i]);
        double at = 0.0;
        for (TCut& cut : cuts)
            if (OnCut(cut, q, at))
                cut.Points.emplace_back(at, static_cast<int>(i));
    }
}

std::vector<std::array<int, 2>> EdgesOf(std::vector<TCut>& cuts)
{
    std::vector<std::array<int, 2>> edges;
    for (TCut& cut : cuts) {
        std::sort(cut.Points.begin(), cut.Points.end());
        for (std::size_t k = 0; k + 1 < cut.Points.size(); ++k) {
            const int a = cut.Points[k].second;
            const int b = cut.Points[k + 1].second;
            if (a != b)
                edges.push_back({std::min(a, b), std::max(a, b)});
        }
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    return edges;
}

}  // namespace

std::vector<std::vector<std::array<int, 2>>> PlaneCuts(const std::vector<TFacePlane>& planes,
                                                       const std::vector<TSurfaceFace>& faces, TPointPool& pool)
{
    std::vector<std::vector<TCut>> cuts(planes.size());
    for (std::size_t p = 0; p < planes.size(); ++p)
        cuts[p] = CutsOf(planes, p, faces, pool);
    std::vector<std::vector<std::array<int, 2>>> edges(planes.size());
    for (std::size_t p = 0; p < planes.size(); ++p) {
        AddPointsOnCuts(planes[p], pool.Points(), cuts[p]);
        edges[p] = EdgesOf(cuts[p]);
    }
    return edges;
}
