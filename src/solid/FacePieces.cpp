// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces of a face made whole again, and each plane's cuts triangulated. The cuts leave
// a face in many cells where other faces and its own sides cross it; each face's
// pieces on one sheet are the same polygon region, so its outline is taken and triangulated
// afresh in the face's plane (a constrained Delaunay triangulation, CGAL's 2-D one).

#include "solid/OuterSurfaceParts.h"
#include "solid/PlaneArrangement.h"

#include <CGAL/Constrained_Delaunay_triangulation_2.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/Triangulation_face_base_with_info_2.h>
#include <CGAL/Triangulation_vertex_base_with_info_2.h>

#include <algorithm>
#include <cmath>
#include <list>
#include <map>
#include <set>

namespace {

using TKernel = CGAL::Exact_predicates_inexact_constructions_kernel;

struct TCorner {
    int Index = -1;  // the surface point; -1 for a point the triangulation made itself
};
struct TRegion {
    int Nesting = -1;  // outlines crossed from outside: odd inside the face
};
using TVertexBase = CGAL::Triangulation_vertex_base_with_info_2<TCorner, TKernel>;
using TFaceBase =
    CGAL::Constrained_triangulation_face_base_2<TKernel, CGAL::Triangulation_face_base_with_info_2<TRegion, TKernel>>;
using TTriangulation =
    CGAL::Constrained_Delaunay_triangulation_2<TKernel, CGAL::Triangulation_data_structure_2<TVertexBase, TFaceBase>,
                                               CGAL::Exact_predicates_tag>;

using TEdge = std::pair<int, int>;

// The directed edges of the group's triangles that no triangle of the group runs back
// along: the outline of the region the group covers, anticlockwise seen from outside.
std::vector<TEdge> Outline(const TOuterSurface& surface, const std::vector<int>& group)
{
    std::set<TEdge> edges;
    for (const int t : group) {
        const auto& c = surface.Triangles[static_cast<std::size_t>(t)].Corners;
        for (int k = 0; k < 3; ++k)
            edges.insert({c[static_cast<std::size_t>(k)], c[static_cast<std::size_t>((k + 1) % 3)]});
    }
    std::vector<TEdge> outline;
    for (const TEdge& e : edges)
        if (edges.count({e.second, e.first}) == 0)
            outline.push_back(e);
    return outline;
}

TVector3 Point(const TOuterSurface& surface, int index)
{
    return surface.Points[static_cast<std::size_t>(index)];
}

// Twice the area vector of the group: its direction is the face's outward normal.
TVector3 AreaVector(const TOuterSurface& surface, const std::vector<int>& group)
{
    TVector3 sum{};
    for (const int t : group) {
        const auto& c = surface.Triangles[static_cast<std::size_t>(t)].Corners;
        const TVector3 a = Point(surface, c[0]);
        sum = AddVectors(
            sum, CrossProduct(SubtractVectors(Point(surface, c[1]), a), SubtractVectors(Point(surface, c[2]), a)));
    }
    return sum;
}

void MarkNesting(TTriangulation& cdt, TTriangulation::Face_handle start, int nesting,
                 std::list<TTriangulation::Edge>& border)
{
    std::list<TTriangulation::Face_handle> queue{start};
    while (!queue.empty()) {
        const TTriangulation::Face_handle face = queue.front();
        queue.pop_front();
        if (face->info().Nesting != -1)
            continue;
        face->info().Nesting = nesting;
        for (int i = 0; i < 3; ++i) {
            const TTriangulation::Face_handle next = face->neighbor(i);
            if (next->info().Nesting != -1)
                continue;
            if (cdt.is_constrained(TTriangulation::Edge(face, i)))
                border.emplace_back(face, i);
            else
                queue.push_back(next);
        }
    }
}

// Every face of the triangulation told how many outlines lie between it and the outside.
void MarkRegions(TTriangulation& cdt)
{
    std::list<TTriangulation::Edge> border;
    MarkNesting(cdt, cdt.infinite_face(), 0, border);
    while (!border.empty()) {
        const TTriangulation::Edge edge = border.front();
        border.pop_front();
        const TTriangulation::Face_handle next = edge.first->neighbor(edge.second);
        if (next->info().Nesting == -1)
            MarkNesting(cdt, next, edge.first->info().Nesting + 1, border);
    }
}

double GroupArea(const TOuterSurface& surface, const std::vector<TOuterTriangle>& triangles)
{
    double area = 0.0;
    for (const TOuterTriangle& t : triangles) {
        const TVector3 a = Point(surface, t.Corners[0]);
        area += VectorLength(CrossProduct(SubtractVectors(Point(surface, t.Corners[1]), a),
                                          SubtractVectors(Point(surface, t.Corners[2]), a)));
    }
    return area / 2.0;
}

// The group triangulated afresh from its outline; empty when the outline does not make a
// clean polygon in the plane (points that meet or outlines that cross after projection).
// Whether the plane triangle abc holds p (either way round, with a rounding's margin).
bool Contains(const std::array<double, 2>& a, const std::array<double, 2>& b, const std::array<double, 2>& c,
              const std::array<double, 2>& p)
{
    const auto cross = [](const std::array<double, 2>& o, const std::array<double, 2>& x,
                          const std::array<double, 2>& y) {
        return (x[0] - o[0]) * (y[1] - o[1]) - (x[1] - o[1]) * (y[0] - o[0]);
    };
    const double whole = cross(a, b, c);
    if (whole == 0.0)
        return false;
    const double margin = -1e-12 * std::fabs(whole);
    return cross(a, b, p) / whole * std::fabs(whole) >= margin && cross(b, c, p) / whole * std::fabs(whole) >= margin
           && cross(c, a, p) / whole * std::fabs(whole) >= margin;
}

// The outline with the removable points taken out: an edge into one runs on to the next
// point that stays.
std::vector<TEdge> Simplified(const std::vector<TEdge>& outline, const std::set<int>& removable)
{
    if (removable.empty())
        return outline;
    std::map<int, int> next;
    for (const TEdge& e : outline)
        next[e.first] = e.second;
    std::vector<TEdge> kept;
    for (const TEdge& e : outline) {
        if (removable.count(e.first) != 0)
            continue;
        int to = e.second;
        for (std::size_t guard = 0; removable.count(to) != 0 && guard < outline.size(); ++guard)
            to = next[to];
        kept.push_back({e.first, to});
    }
    return kept;
}

std::vector<TOuterTriangle> Retriangulated(const TOuterSurface& surface, const std::vector<int>& group,
                                           const std::set<int>& removable)
{
    const TVector3 area = AreaVector(surface, group);
    const double length = VectorLength(area);
    if (length == 0.0)
        return {};
    const TVector3 normal = ScaleVector(area, 1.0 / length);
    // A right-handed frame (u, v, normal): anticlockwise in (u, v) is outward.
    const TVector3 helper = std::fabs(normal.X) < 0.6 ? TVector3{1, 0, 0} : TVector3{0, 1, 0};
    TVector3 u = CrossProduct(helper, normal);
    Normalize(u);
    const TVector3 v = CrossProduct(normal, u);
    TTriangulation cdt;
    std::map<int, TTriangulation::Vertex_handle> vertexOf;
    const std::vector<TEdge> outline = Simplified(Outline(surface, group), removable);
    for (const TEdge& edge : outline) {
        if (vertexOf.count(edge.first) != 0)
            continue;
        const TVector3 p = Point(surface, edge.first);
        const TTriangulation::Vertex_handle vertex = cdt.insert(TKernel::Point_2(DotProduct(p, u), DotProduct(p, v)));
        if (vertex->info().Index != -1)
            return {};  // two points of the outline fall together in the plane
        vertex->info().Index = edge.first;
        vertexOf.emplace(edge.first, vertex);
    }
    for (const TEdge& edge : outline) {
        const auto to = vertexOf.find(edge.second);
        if (to == vertexOf.end())
            return {};  // an outline that does not close
        cdt.insert_constraint(vertexOf[edge.first], to->second);
    }
    if (outline.size() < 3 || cdt.dimension() != 2)
        return {};  // an outline that encloses nothing in the plane
    MarkRegions(cdt);
    std::vector<TOuterTriangle> triangles;
    const TOuterTriangle& model = surface.Triangles[static_cast<std::size_t>(group.front())];
    for (const TTriangulation::Face_handle face : cdt.finite_face_handles()) {
        if (face->info().Nesting % 2 != 1)
            continue;
        TOuterTriangle t = model;
        for (int k = 0; k < 3; ++k) {
            t.Corners[static_cast<std::size_t>(k)] = face->vertex(k)->info().Index;
            if (t.Corners[static_cast<std::size_t>(k)] < 0)
                return {};
        }
        triangles.push_back(t);
    }
    // Each new triangle inside the region the group covered: a triangulation that fills a
    // hole of the outline instead (the outline read wrongly in the plane) is not used.
    const auto flat = [&](int index) {
        const TVector3 p = Point(surface, index);
        return std::array<double, 2>{DotProduct(p, u), DotProduct(p, v)};
    };
    for (const TOuterTriangle& t : triangles) {
        const auto a = flat(t.Corners[0]);
        const auto b = flat(t.Corners[1]);
        const auto c = flat(t.Corners[2]);
        const std::array<double, 2> centre{(a[0] + b[0] + c[0]) / 3.0, (a[1] + b[1] + c[1]) / 3.0};
        bool inside = false;
        for (const int old : group) {
            const auto& k = surface.Triangles[static_cast<std::size_t>(old)].Corners;
            inside = inside || Contains(flat(k[0]), flat(k[1]), flat(k[2]), centre);
        }
        if (!inside)
            return {};
    }
    return triangles;
}

bool SameOutline(const TOuterSurface& surface, const std::vector<int>& group, const std::vector<TOuterTriangle>& after,
                 const std::set<int>& removable)
{
    TOuterSurface fresh;
    fresh.Triangles = after;
    std::vector<int> all(after.size());
    for (std::size_t t = 0; t < after.size(); ++t)
        all[t] = static_cast<int>(t);
    std::vector<TEdge> before = Simplified(Outline(surface, group), removable);
    std::vector<TEdge> now = Outline(fresh, all);
    std::sort(before.begin(), before.end());
    std::sort(now.begin(), now.end());
    return before == now;
}

using TEdgeUse = std::map<TEdge, int>;  // undirected, the smaller point first

TEdge Undirected(int a, int b)
{
    return a < b ? TEdge{a, b} : TEdge{b, a};
}

void Count(TEdgeUse& use, const std::vector<TOuterTriangle>& triangles, int step)
{
    for (const TOuterTriangle& t : triangles)
        for (int k = 0; k < 3; ++k)
            use[Undirected(t.Corners[static_cast<std::size_t>(k)], t.Corners[static_cast<std::size_t>((k + 1) % 3)])] +=
                step;
}

TEdgeUse EdgeUse(const std::vector<TOuterTriangle>& triangles)
{
    TEdgeUse use;
    Count(use, triangles, 1);
    return use;
}

// Whether every diagonal of after (an edge not on its outline) is an edge of after alone,
// once before gives way to it: a diagonal that is an edge elsewhere would join the mesh
// wrongly there. (The outline is the neighbours' to match.)
bool FitsIn(TEdgeUse use, const std::vector<TOuterTriangle>& before, const std::vector<TOuterTriangle>& after,
            const std::vector<TEdge>& outline)
{
    std::set<TEdge> rim;
    for (const TEdge& e : outline)
        rim.insert(Undirected(e.first, e.second));
    Count(use, before, -1);
    Count(use, after, 1);
    for (const TOuterTriangle& t : after)
        for (int k = 0; k < 3; ++k) {
            const TEdge e =
                Undirected(t.Corners[static_cast<std::size_t>(k)], t.Corners[static_cast<std::size_t>((k + 1) % 3)]);
            if (rim.count(e) == 0 && use[e] != 2)
                return false;
        }
    return true;
}

void Replace(TEdgeUse& use, const std::vector<TOuterTriangle>& before, const std::vector<TOuterTriangle>& after)
{
    Count(use, before, -1);
    Count(use, after, 1);
}

// Twice the triangle's area as a vector along its outward normal.
TVector3 TriangleArea(const TOuterSurface& surface, const TOuterTriangle& t)
{
    const TVector3 a = Point(surface, t.Corners[0]);
    return CrossProduct(SubtractVectors(Point(surface, t.Corners[1]), a),
                        SubtractVectors(Point(surface, t.Corners[2]), a));
}

// The normal of a face's plane (Newell's sum, which a star's corners give as well).
TVector3 FaceNormal(const TOuterSurface& surface, int face)
{
    const std::vector<TVector3>& c = surface.Faces[static_cast<std::size_t>(face)].Corners;
    TVector3 n{};
    for (std::size_t i = 0; i < c.size(); ++i)
        n = AddVectors(n, CrossProduct(c[i], c[(i + 1) % c.size()]));
    return n;
}

// Drops the points no triangle uses any more, keeping the order of the rest.
void DropUnusedPoints(TOuterSurface& surface)
{
    std::vector<int> newIndex(surface.Points.size(), -1);
    for (const TOuterTriangle& t : surface.Triangles)
        for (const int c : t.Corners)
            newIndex[static_cast<std::size_t>(c)] = 0;
    std::vector<TVector3> kept;
    for (std::size_t i = 0; i < surface.Points.size(); ++i)
        if (newIndex[i] == 0) {
            newIndex[i] = static_cast<int>(kept.size());
            kept.push_back(surface.Points[i]);
        }
    surface.Points = std::move(kept);
    for (TOuterTriangle& t : surface.Triangles)
        for (int& c : t.Corners)
            c = newIndex[static_cast<std::size_t>(c)];
}


using TGroups = std::map<std::array<int, 3>, std::vector<int>>;  // (sheet, face, side) -> triangles

TGroups GroupsOf(const TOuterSurface& surface)
{
    // A face can bound one sheet from both its sides, each side a region of its own.
    TGroups groups;
    for (std::size_t t = 0; t < surface.Triangles.size(); ++t) {
        const TOuterTriangle& triangle = surface.Triangles[t];
        const int side = DotProduct(TriangleArea(surface, triangle), FaceNormal(surface, triangle.Face)) < 0.0 ? 1 : 0;
        groups[{triangle.Sheet, triangle.Face, side}].push_back(static_cast<int>(t));
    }
    return groups;
}

// Points that only split a straight edge between two regions: every triangle at the point
// belongs to one of two groups, and in each group's outline the edges into and out of the
// point run straight on. Taken out of both outlines, they leave no thin triangles behind.
std::set<int> StraightSplits(const TOuterSurface& surface, const TGroups& groups)
{
    std::map<int, std::set<int>> groupsAt;      // point -> groups of its triangles
    std::map<int, std::vector<TEdge>> edgesAt;  // point -> outline edges at it, of every group
    int g = 0;
    for (const auto& [key, group] : groups) {
        for (const int t : group)
            for (const int c : surface.Triangles[static_cast<std::size_t>(t)].Corners)
                groupsAt[c].insert(g);
        for (const TEdge& e : Outline(surface, group)) {
            edgesAt[e.first].push_back(e);
            edgesAt[e.second].push_back(e);
        }
        ++g;
    }
    // A point with a twin at its place (where the region pinches) stays: the other sheet
    // touches this one there, and would touch it in the middle of an edge without it.
    std::map<std::array<double, 3>, int> atPlace;
    for (const TVector3& p : surface.Points)
        ++atPlace[{p.X, p.Y, p.Z}];
    std::set<int> removable;
    for (const auto& [point, edges] : edgesAt) {
        const TVector3 place = Point(surface, point);
        if (groupsAt[point].size() != 2 || edges.size() != 4 || atPlace[{place.X, place.Y, place.Z}] > 1)
            continue;
        // Two groups, each with one edge in and one out: p -> point -> q and back.
        int p = -1;
        int q = -1;
        for (const TEdge& e : edges) {
            if (e.second == point && p == -1)
                p = e.first;
            else if (e.first == point && q == -1)
                q = e.second;
        }
        if (p < 0 || q < 0 || p == q)
            continue;
        const TVector3 a = Point(surface, p);
        const TVector3 m = Point(surface, point);
        const TVector3 b = Point(surface, q);
        const TVector3 ab = SubtractVectors(b, a);
        const double length2 = DotProduct(ab, ab);
        const TVector3 off = CrossProduct(SubtractVectors(m, a), ab);
        const double along = DotProduct(SubtractVectors(m, a), ab);
        if (DotProduct(off, off) <= 1e-24 * length2 * length2 && along > 0.0 && along < length2)
            removable.insert(point);
    }
    return removable;
}

// Each directed edge once and its reverse once: the mesh is closed and manifold.
bool EdgesPair(const std::vector<TOuterTriangle>& triangles)
{
    std::map<TEdge, int> directed;
    for (const TOuterTriangle& t : triangles)
        for (int k = 0; k < 3; ++k)
            ++directed[{t.Corners[static_cast<std::size_t>(k)], t.Corners[static_cast<std::size_t>((k + 1) % 3)]}];
    for (const auto& [edge, count] : directed) {
        const auto back = directed.find({edge.second, edge.first});
        if (count != 1 || back == directed.end() || back->second != 1)
            return false;
    }
    return true;
}

// Each group triangulated afresh without the removable points; a group whose new
// triangles are not used keeps its points, which go into kept.
std::vector<TOuterTriangle> MergedGroups(const TOuterSurface& surface, const TGroups& groups,
                                         const std::set<int>& removable, std::set<int>& kept)
{
    TEdgeUse use = EdgeUse(surface.Triangles);
    std::vector<TOuterTriangle> merged;
    merged.reserve(surface.Triangles.size());
    for (const auto& [key, group] : groups) {
        std::vector<TOuterTriangle> before;
        for (const int t : group)
            before.push_back(surface.Triangles[static_cast<std::size_t>(t)]);
        std::vector<TOuterTriangle> after = Retriangulated(surface, group, removable);
        // The same region or nothing: a triangulation with another outline (which would
        // open the mesh where it meets the next face), another area, or a diagonal that is
        // an edge elsewhere (which would join the mesh wrongly there) is not used.
        const double area = GroupArea(surface, before);
        if (after.empty() || std::fabs(GroupArea(surface, after) - area) > 1e-9 * std::max(1.0, area)
            || !SameOutline(surface, group, after, removable)
            || !FitsIn(use, before, after, Simplified(Outline(surface, group), removable))) {
            for (const TOuterTriangle& t : before)
                for (const int c : t.Corners)
                    if (removable.count(c) != 0)
                        kept.insert(c);
            after = std::move(before);
        } else
            Replace(use, before, after);
        merged.insert(merged.end(), after.begin(), after.end());
    }
    return merged;
}

}  // namespace

void MergeFacePieces(TOuterSurface& surface)
{
    const TGroups groups = GroupsOf(surface);
    // The straight splits taken out where both groups round them take their new triangles;
    // a group that does not gives its points back, and the rest is tried again.
    std::set<int> removable = StraightSplits(surface, groups);
    std::vector<TOuterTriangle> merged;
    for (int round = 0; round < 8; ++round) {
        std::set<int> kept;
        merged = MergedGroups(surface, groups, removable, kept);
        if (kept.empty())
            break;
        for (const int point : kept)
            removable.erase(point);
    }
    if (!EdgesPair(merged)) {
        std::set<int> ignored;
        merged = MergedGroups(surface, groups, {}, ignored);
    }
    if (EdgesPair(merged))
        surface.Triangles = std::move(merged);
    DropUnusedPoints(surface);
}

bool TriangulateCuts(const std::vector<std::array<double, 2>>& places, const std::vector<int>& points,
                     const std::vector<std::array<int, 2>>& cuts, std::vector<std::array<int, 3>>& triangles)
{
    TTriangulation cdt;
    std::map<int, TTriangulation::Vertex_handle> vertexOf;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const TTriangulation::Vertex_handle vertex = cdt.insert(TKernel::Point_2(places[i][0], places[i][1]));
        if (vertex->info().Index != -1)
            return false;  // two points fall together in the plane
        vertex->info().Index = points[i];
        vertexOf.emplace(points[i], vertex);
    }
    for (const auto& [a, b] : cuts)
        cdt.insert_constraint(vertexOf.at(a), vertexOf.at(b));
    triangles.clear();
    if (cdt.dimension() != 2)
        return true;
    for (const TTriangulation::Face_handle face : cdt.finite_face_handles()) {
        std::array<int, 3> t{};
        for (int k = 0; k < 3; ++k) {
            t[static_cast<std::size_t>(k)] = face->vertex(k)->info().Index;
            if (t[static_cast<std::size_t>(k)] < 0)
                return false;
        }
        triangles.push_back(t);
    }
    return true;
}
