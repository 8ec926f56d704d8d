// SPDX-License-Identifier: GPL-3.0-or-later
#include "solid/OuterSurfaceParts.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

namespace {

using TEdgeKey = std::pair<int, int>;  // the smaller point first

struct TEdgeUse {
    int Triangle = 0;
    bool Forward = false;  // the triangle runs from the smaller point to the larger
    double Angle = 0.0;    // of its wing round the edge
};

TVector3 At(const std::vector<TVector3>& points, int i)
{
    return points[static_cast<std::size_t>(i)];
}

// The angle of the triangle's third corner round the axis from a to b.
double WingAngle(const std::vector<TVector3>& points, int a, int b, int c)
{
    TVector3 axis = SubtractVectors(At(points, b), At(points, a));
    Normalize(axis);
    const TVector3 helper = std::fabs(axis.X) < 0.6 ? TVector3{1, 0, 0} : TVector3{0, 1, 0};
    TVector3 u = CrossProduct(axis, helper);
    Normalize(u);
    const TVector3 v = CrossProduct(axis, u);
    const TVector3 w = SubtractVectors(At(points, c), At(points, a));
    return std::atan2(DotProduct(w, v), DotProduct(w, u));
}

int Find(std::vector<int>& parent, int i)
{
    while (parent[static_cast<std::size_t>(i)] != i)
        i = parent[static_cast<std::size_t>(i)] = parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(i)])];
    return i;
}

// For every edge, which triangle meets which across it. Where more than two triangles
// share an edge (two sheets of a pinch along it), each triangle running from a to b is
// joined to the first one met turning from it into the enclosed side, which runs back.
// partner[3 t + k] is the triangle across the edge from corner k to k + 1 of t.
bool PairEdges(const std::vector<TVector3>& points, const std::vector<std::array<int, 3>>& triangles,
               std::vector<int>& partner)
{
    std::map<TEdgeKey, std::vector<TEdgeUse>> uses;
    for (std::size_t t = 0; t < triangles.size(); ++t)
        for (int k = 0; k < 3; ++k) {
            const int a = triangles[t][static_cast<std::size_t>(k)];
            const int b = triangles[t][static_cast<std::size_t>((k + 1) % 3)];
            const int c = triangles[t][static_cast<std::size_t>((k + 2) % 3)];
            const TEdgeKey key{std::min(a, b), std::max(a, b)};
            uses[key].push_back({static_cast<int>(t), a < b, WingAngle(points, key.first, key.second, c)});
        }
    partner.assign(triangles.size() * 3, -1);
    const auto slot = [&](int t, int lo, int hi) {
        for (int k = 0; k < 3; ++k) {
            const int a = triangles[static_cast<std::size_t>(t)][static_cast<std::size_t>(k)];
            const int b = triangles[static_cast<std::size_t>(t)][static_cast<std::size_t>((k + 1) % 3)];
            if (std::min(a, b) == lo && std::max(a, b) == hi)
                return 3 * t + k;
        }
        return -1;
    };
    for (auto& [key, list] : uses) {
        if (list.size() % 2 != 0)
            return false;
        std::sort(list.begin(), list.end(), [](const TEdgeUse& x, const TEdgeUse& y) { return x.Angle < y.Angle; });
        const std::size_t n = list.size();
        for (std::size_t i = 0; i < n; ++i) {
            if (!list[i].Forward)
                continue;
            // Forward, the normal is axis x wing: the enclosed side lies at smaller angles.
            const TEdgeUse& other = list[(i + n - 1) % n];
            if (other.Forward)
                return false;
            partner[static_cast<std::size_t>(slot(list[i].Triangle, key.first, key.second))] = other.Triangle;
            partner[static_cast<std::size_t>(slot(other.Triangle, key.first, key.second))] = list[i].Triangle;
        }
    }
    return std::find(partner.begin(), partner.end(), -1) == partner.end();
}

}  // namespace

bool SplitPinches(std::vector<TVector3>& points, std::vector<std::array<int, 3>>& triangles)
{
    std::vector<int> partner;
    if (!PairEdges(points, triangles, partner))
        return false;
    // Round each point, the triangles joined across the edges that meet there form fans;
    // every fan but the first gets a copy of the point.
    const std::size_t count = triangles.size();
    std::vector<std::vector<std::pair<int, int>>> around(points.size());  // point -> (triangle, corner)
    for (std::size_t t = 0; t < count; ++t)
        for (int k = 0; k < 3; ++k)
            around[static_cast<std::size_t>(triangles[t][static_cast<std::size_t>(k)])].push_back(
                {static_cast<int>(t), k});
    std::vector<int> parent(count);
    const std::size_t original = points.size();
    for (std::size_t p = 0; p < original; ++p) {
        const auto& fan = around[p];
        if (fan.size() < 2)
            continue;
        std::map<int, int> slotOf;  // triangle -> its place in fan
        for (std::size_t i = 0; i < fan.size(); ++i) {
            slotOf[fan[i].first] = static_cast<int>(i);
            parent[i] = static_cast<int>(i);
        }
        for (std::size_t i = 0; i < fan.size(); ++i) {
            const auto [t, k] = fan[i];
            // The two edges of t at this point: from corner k, and into it from corner k - 1.
            for (const int edge : {3 * t + k, 3 * t + (k + 2) % 3}) {
                const int other = partner[static_cast<std::size_t>(edge)];
                const auto found = slotOf.find(other);
                if (found != slotOf.end())
                    parent[static_cast<std::size_t>(Find(parent, static_cast<int>(i)))] = Find(parent, found->second);
            }
        }
        std::map<int, int> copyOf;  // fan root -> point
        for (std::size_t i = 0; i < fan.size(); ++i) {
            const int root = Find(parent, static_cast<int>(i));
            auto [place, added] = copyOf.try_emplace(root, static_cast<int>(p));
            if (added && copyOf.size() > 1) {
                place->second = static_cast<int>(points.size());
                points.push_back(points[p]);
            }
            triangles[static_cast<std::size_t>(fan[i].first)][static_cast<std::size_t>(fan[i].second)] = place->second;
        }
    }
    return true;
}
