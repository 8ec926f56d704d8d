// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/SurfaceRegions.h"

#include "geometry/VectorFunc.h"

#include <cmath>
#include <map>
#include <numeric>
#include <utility>

namespace {

using TEdgeKey = std::pair<int, int>;  // a directed edge: from, to

// Triangle across each directed edge: the one that holds the edge the other way.
struct TEdgeMap {
    std::map<TEdgeKey, int> Holder;  // directed edge -> triangle holding it

    [[nodiscard]] int Across(int from, int to) const
    {
        const auto found = Holder.find({to, from});
        return found == Holder.end() ? -1 : found->second;
    }
};

// Finds the set's root, halving the path on the way.
int Root(std::vector<int>& parent, int i)
{
    while (parent[i] != i)
        i = parent[i] = parent[parent[i]];
    return i;
}

// The triangles grouped into regions: joined across every edge whose two triangles are
// pieces of the same face. Returns each triangle's region number, 0 ... count - 1.
std::vector<int> GroupTriangles(const TOuterSurface& surface, const TEdgeMap& edges, int& count)
{
    const int n = static_cast<int>(surface.Triangles.size());
    std::vector<int> parent(n);
    std::iota(parent.begin(), parent.end(), 0);
    for (int t = 0; t < n; ++t) {
        const auto& c = surface.Triangles[t].Corners;
        for (int k = 0; k < 3; ++k) {
            const int other = edges.Across(c[k], c[(k + 1) % 3]);
            if (other >= 0 && surface.Triangles[other].Face == surface.Triangles[t].Face)
                parent[Root(parent, t)] = Root(parent, other);
        }
    }
    std::vector<int> number(n, -1);
    std::vector<int> region(n);
    count = 0;
    for (int t = 0; t < n; ++t) {
        const int root = Root(parent, t);
        if (number[root] < 0)
            number[root] = count++;
        region[t] = number[root];
    }
    return region;
}

// A region's boundary: its edges that no other triangle of the region holds the other way,
// chained into one loop (from -> to). Fails where the boundary is not one simple loop: a
// hole, or a region touching itself at a corner.
bool BoundaryLoop(const std::vector<std::array<int, 3>>& triangles, std::vector<int>& loop)
{
    std::map<TEdgeKey, int> inside;
    for (const auto& c : triangles)
        for (int k = 0; k < 3; ++k)
            ++inside[{c[k], c[(k + 1) % 3]}];
    std::map<int, int> next;
    for (const auto& [edge, count] : inside) {
        (void)count;
        if (inside.count({edge.second, edge.first}) != 0)
            continue;
        if (!next.emplace(edge.first, edge.second).second)
            return false;  // two boundary edges leave one point
    }
    if (next.empty())
        return false;
    loop.clear();
    int at = next.begin()->first;
    do {
        loop.push_back(at);
        const auto found = next.find(at);
        if (found == next.end() || loop.size() > next.size())
            return false;
        at = found->second;
    } while (at != loop.front());
    return loop.size() == next.size();
}

// The region on the far side of each boundary edge from -> to.
struct TEdgeRegions {
    const TEdgeMap& Edges;
    const std::vector<int>& TriangleRegion;

    [[nodiscard]] int Beyond(int from, int to) const
    {
        const int t = Edges.Across(from, to);
        return t < 0 ? -1 : TriangleRegion[t];
    }
};

// Whether a, x, b lie on one straight line with x between: then x is no corner. The test is
// symmetric in a and b to the last bit, so both regions along a side decide alike.
bool Straight(TVector3 a, TVector3 x, TVector3 b)
{
    const TVector3 u = SubtractVectors(x, a);
    const TVector3 v = SubtractVectors(b, x);
    const double lu = VectorLength(u);
    const double lv = VectorLength(v);
    return DotProduct(u, v) > 0.0 && VectorLength(CrossProduct(u, v)) <= 1e-9 * lu * lv;
}

// The loop's corners: the points where the boundary turns or its neighbour changes.
std::vector<int> LoopCorners(const std::vector<TVector3>& points, const std::vector<int>& loop,
                             const TEdgeRegions& beyond)
{
    const int m = static_cast<int>(loop.size());
    std::vector<int> corners;
    for (int k = 0; k < m; ++k) {
        const int a = loop[(k + m - 1) % m];
        const int x = loop[k];
        const int b = loop[(k + 1) % m];
        if (beyond.Beyond(a, x) != beyond.Beyond(x, b) || !Straight(points[a], points[x], points[b]))
            corners.push_back(x);
    }
    return corners;
}

TVector3 RegionNormal(const std::vector<TVector3>& points, const std::vector<std::array<int, 3>>& triangles,
                      double& area)
{
    TVector3 sum;
    for (const auto& c : triangles) {
        const TVector3 n =
            CrossProduct(SubtractVectors(points[c[1]], points[c[0]]), SubtractVectors(points[c[2]], points[c[0]]));
        sum = AddVectors(sum, n);
    }
    area = VectorLength(sum) / 2.0;
    Normalize(sum);
    return sum;
}

// The angle inside the solid between region a, along its side from p to q, and region b.
double DihedralAngle(TVector3 na, TVector3 nb, TVector3 p, TVector3 q)
{
    const TVector3 cross = CrossProduct(na, nb);
    const double between = std::atan2(VectorLength(cross), DotProduct(na, nb));
    const bool convex = DotProduct(cross, SubtractVectors(q, p)) >= 0.0;
    return convex ? M_PI - between : M_PI + between;
}

// Each side told what it is glued to: the side of the region beyond that starts where it ends.
TResult MatchSides(TSurfaceRegions& regions)
{
    std::map<TEdgeKey, std::pair<int, int>> sideAt;  // (start corner, end corner) -> region, side
    for (int r = 0; r < static_cast<int>(regions.Regions.size()); ++r) {
        const std::vector<int>& c = regions.Regions[r].Corners;
        for (int k = 0; k < static_cast<int>(c.size()); ++k)
            sideAt[{c[k], c[(k + 1) % c.size()]}] = {r, k};
    }
    for (int r = 0; r < static_cast<int>(regions.Regions.size()); ++r) {
        TSurfaceRegion& region = regions.Regions[r];
        const int m = static_cast<int>(region.Corners.size());
        region.Sides.assign(m, {});
        for (int k = 0; k < m; ++k) {
            const int p = region.Corners[k];
            const int q = region.Corners[(k + 1) % m];
            const auto found = sideAt.find({q, p});
            if (found == sideAt.end())
                return TResult::Failure("a side of the surface has no side facing it");
            auto& side = region.Sides[k];
            side.Neighbour = found->second.first;
            side.NeighbourSide = found->second.second;
            side.Dihedral = DihedralAngle(region.Normal, regions.Regions[side.Neighbour].Normal, regions.Points[p],
                                          regions.Points[q]);
        }
    }
    return TResult::Success();
}

}  // namespace

TResult SplitIntoRegions(const TOuterSurface& surface, TSurfaceRegions& regions)
{
    regions = {};
    regions.Points = surface.Points;
    regions.Faces = surface.Faces;
    TEdgeMap edges;
    for (int t = 0; t < static_cast<int>(surface.Triangles.size()); ++t) {
        const auto& c = surface.Triangles[t].Corners;
        for (int k = 0; k < 3; ++k)
            if (!edges.Holder.emplace(TEdgeKey{c[k], c[(k + 1) % 3]}, t).second)
                return TResult::Failure("two triangles of the surface run the same way along one edge");
    }
    for (const auto& [edge, t] : edges.Holder)
        if (edges.Across(edge.first, edge.second) < 0)
            return TResult::Failure("the surface is not closed");
    int count = 0;
    std::vector<int> triangleRegion = GroupTriangles(surface, edges, count);
    // A region whose boundary is no single loop is taken apart into its triangles, each a
    // region of its own: the net then folds flat between them.
    std::vector<std::vector<std::array<int, 3>>> members(count);
    for (int t = 0; t < static_cast<int>(surface.Triangles.size()); ++t)
        members[triangleRegion[t]].push_back(surface.Triangles[t].Corners);
    std::vector<bool> simple(count);
    for (int r = 0; r < count; ++r) {
        std::vector<int> loop;
        simple[r] = BoundaryLoop(members[r], loop);
    }
    int next = 0;
    std::vector<int> renumber(count, -1);
    for (int t = 0; t < static_cast<int>(surface.Triangles.size()); ++t) {
        const int r = triangleRegion[t];
        if (simple[r]) {
            if (renumber[r] < 0)
                renumber[r] = next++;
            triangleRegion[t] = renumber[r];
        } else {
            triangleRegion[t] = next++;
        }
    }
    regions.Regions.assign(next, {});
    for (int t = 0; t < static_cast<int>(surface.Triangles.size()); ++t) {
        TSurfaceRegion& region = regions.Regions[triangleRegion[t]];
        region.Face = surface.Triangles[t].Face;
        region.Triangles.push_back(surface.Triangles[t].Corners);
    }
    const TEdgeRegions beyond{edges, triangleRegion};
    for (TSurfaceRegion& region : regions.Regions) {
        std::vector<int> loop;
        if (!BoundaryLoop(region.Triangles, loop))
            return TResult::Failure("a piece of the surface has no single boundary");
        region.Corners = LoopCorners(regions.Points, loop, beyond);
        if (region.Corners.size() < 3)
            return TResult::Failure("a piece of the surface has fewer than three corners");
        region.Normal = RegionNormal(regions.Points, region.Triangles, region.Area);
        regions.Area += region.Area;
    }
    return MatchSides(regions);
}

TFlatRegion FlattenRegion(const TSurfaceRegions& regions, int r)
{
    const TSurfaceRegion& region = regions.Regions[r];
    const TVector3 origin = regions.Points[region.Corners[0]];
    TVector3 u = SubtractVectors(regions.Points[region.Corners[1]], origin);
    Normalize(u);
    const TVector3 v = CrossProduct(region.Normal, u);
    const auto flat = [&](int point) {
        const TVector3 d = SubtractVectors(regions.Points[point], origin);
        return TPoint2{DotProduct(d, u), DotProduct(d, v)};
    };
    TFlatRegion result;
    for (int c : region.Corners)
        result.Corners.push_back(flat(c));
    for (const auto& t : region.Triangles)
        result.Triangles.push_back({flat(t[0]), flat(t[1]), flat(t[2])});
    return result;
}
