// SPDX-License-Identifier: GPL-3.0-or-later
// Every symmetry of a solid carries a vertex a on some shell round the centroid to a vertex
// a' on the same shell, and a neighbour b of a (along an edge, which symmetries keep) to a
// neighbour b' of a' at the same distances. The frame of (a, b) - first axis along a,
// second in the plane of a and b, third their cross product - then goes to the frame of
// (a', b') or to its mirror, so each such pair and handedness names one candidate isometry;
// the candidates that carry every vertex onto a vertex and every face onto a face are the
// group. The canonical form is read in the same frames: the vertices' coordinates in the
// frame of (a', b'), the least of them over every proper frame.

#include "measure/SolidClass.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <tuple>
#include <utility>

namespace {

// Points match within this, in mean edges: the search places vertices to about 1e-12, and
// distinct vertices of a solid lie far further apart than this.
constexpr double Tolerance = 1e-7;
// A second axis closer than this (as a sine) to the first spans no plane with it.
constexpr double LineTolerance = 1e-6;

double Dot(TVector3 a, TVector3 b)
{
    return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}

// Corners read from their least vertex on, in the direction whose next vertex is the
// smaller: a face as a cycle, whichever corner it starts at and whichever way it runs.
std::vector<int> CyclicKey(const std::vector<int>& corners)
{
    const int n = static_cast<int>(corners.size());
    const int start = static_cast<int>(std::min_element(corners.begin(), corners.end()) - corners.begin());
    const int step = corners[(start + 1) % n] <= corners[(start + n - 1) % n] ? 1 : n - 1;
    std::vector<int> key(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k)
        key[k] = corners[(start + k * step) % n];
    return key;
}

// The faces' vertices, renumbered in their old order, centred on their centroid and scaled
// to unit mean edge, with what the symmetries keep: edges, neighbours, faces as cycles.
struct TFaceSet {
    std::vector<TVector3> Points;
    std::vector<std::vector<int>> Faces;
    std::vector<std::pair<int, int>> Edges;  // distinct sides, lower vertex first
    std::vector<std::vector<int>> Neighbours;
    std::vector<std::vector<int>> FaceKeys;  // CyclicKey of each face, sorted
};

std::vector<int> UsedVertexNumbers(const TPolyFace& raw, int& used)
{
    std::vector<int> number(static_cast<std::size_t>(raw.VertexCount), -1);
    for (int f = 0; f < raw.FaceCount; ++f)
        for (int k = 0; k < raw.FaceSize[f]; ++k)
            number[raw.Faces[f][k]] = 0;
    used = 0;
    for (int v = 0; v < raw.VertexCount; ++v)
        if (number[v] == 0)
            number[v] = used++;
    return number;
}

void CentreAndScale(TFaceSet& set)
{
    TVector3 centroid{};
    for (const TVector3& p : set.Points)
        centroid = AddVectors(centroid, p);
    centroid = ScaleVector(centroid, 1.0 / static_cast<double>(set.Points.size()));
    for (TVector3& p : set.Points)
        p = SubtractVectors(p, centroid);
    double total = 0.0;
    for (const auto& [a, b] : set.Edges)
        total += VectorLength(SubtractVectors(set.Points[a], set.Points[b]));
    if (total > 0.0)
        for (TVector3& p : set.Points)
            p = ScaleVector(p, static_cast<double>(set.Edges.size()) / total);
}

TFaceSet MakeFaceSet(const TPolyFace& raw)
{
    TFaceSet set;
    int used = 0;
    const std::vector<int> number = UsedVertexNumbers(raw, used);
    for (int v = 0; v < raw.VertexCount; ++v)
        if (number[v] >= 0)
            set.Points.push_back(raw.Vertices[v]);
    for (int f = 0; f < raw.FaceCount; ++f) {
        std::vector<int> corners;
        corners.reserve(static_cast<std::size_t>(raw.FaceSize[f]));
        for (int k = 0; k < raw.FaceSize[f]; ++k)
            corners.push_back(number[raw.Faces[f][k]]);
        for (std::size_t k = 0; k < corners.size(); ++k) {
            const int a = corners[k];
            const int b = corners[(k + 1) % corners.size()];
            set.Edges.emplace_back(std::min(a, b), std::max(a, b));
        }
        set.FaceKeys.push_back(CyclicKey(corners));
        set.Faces.push_back(std::move(corners));
    }
    std::sort(set.Edges.begin(), set.Edges.end());
    set.Edges.erase(std::unique(set.Edges.begin(), set.Edges.end()), set.Edges.end());
    std::sort(set.FaceKeys.begin(), set.FaceKeys.end());
    set.Neighbours.resize(static_cast<std::size_t>(used));
    for (const auto& [a, b] : set.Edges) {
        set.Neighbours[a].push_back(b);
        set.Neighbours[b].push_back(a);
    }
    if (used > 0)
        CentreAndScale(set);
    return set;
}

// Every edge a side of exactly two faces (first), and the faces then wound so that those
// two run it opposite ways (second): a walk over the faces across their edges, each face
// taking the winding its neighbour asks of it, fails exactly when some face is asked both.
std::pair<bool, bool> ManifoldAndOrientable(const TFaceSet& set)
{
    if (set.Faces.empty())
        return {false, false};
    struct TSide {
        std::pair<int, int> Edge;
        int Face;
        bool Forward;  // run from its lower vertex to its higher
    };
    std::vector<TSide> sides;
    for (int f = 0; f < static_cast<int>(set.Faces.size()); ++f) {
        const std::vector<int>& c = set.Faces[f];
        for (std::size_t k = 0; k < c.size(); ++k) {
            const int a = c[k];
            const int b = c[(k + 1) % c.size()];
            sides.push_back({{std::min(a, b), std::max(a, b)}, f, a < b});
        }
    }
    std::sort(sides.begin(), sides.end(), [](const TSide& s, const TSide& t) { return s.Edge < t.Edge; });
    // Neighbour across each edge, and whether its winding must be the other of this face's.
    std::vector<std::vector<std::pair<int, bool>>> across(set.Faces.size());
    for (std::size_t i = 0; i < sides.size(); i += 2) {
        if (i + 1 >= sides.size() || sides[i + 1].Edge != sides[i].Edge
            || (i + 2 < sides.size() && sides[i + 2].Edge == sides[i].Edge))
            return {false, false};
        const bool flip = sides[i].Forward == sides[i + 1].Forward;
        across[sides[i].Face].emplace_back(sides[i + 1].Face, flip);
        across[sides[i + 1].Face].emplace_back(sides[i].Face, flip);
    }
    std::vector<int> winding(set.Faces.size(), 0);
    std::vector<int> pending;
    for (std::size_t start = 0; start < set.Faces.size(); ++start) {
        if (winding[start] != 0)
            continue;
        winding[start] = 1;
        pending.push_back(static_cast<int>(start));
        while (!pending.empty()) {
            const int f = pending.back();
            pending.pop_back();
            for (const auto& [g, flip] : across[f]) {
                const int wanted = flip ? -winding[f] : winding[f];
                if (winding[g] == 0) {
                    winding[g] = wanted;
                    pending.push_back(g);
                } else if (winding[g] != wanted) {
                    return {true, false};
                }
            }
        }
    }
    return {true, true};
}

// Finds a point among many by its projection on a direction that no symmetry of a solid
// favours, so that few points share a projection.
class TPointIndex {
public:
    explicit TPointIndex(const std::vector<TVector3>& points) : Points(points)
    {
        for (int i = 0; i < static_cast<int>(points.size()); ++i)
            Order.emplace_back(Dot(Direction, points[i]), i);
        std::sort(Order.begin(), Order.end());
    }
    // The point within Tolerance of p, or -1.
    [[nodiscard]] int Find(TVector3 p) const
    {
        const double key = Dot(Direction, p);
        auto it = std::lower_bound(Order.begin(), Order.end(), std::make_pair(key - Tolerance, -1));
        for (; it != Order.end() && it->first <= key + Tolerance; ++it)
            if (VectorLength(SubtractVectors(Points[it->second], p)) <= Tolerance)
                return it->second;
        return -1;
    }

private:
    static constexpr TVector3 Direction{0.7812361207, 0.4639104251, 0.4176052297};  // a unit vector
    const std::vector<TVector3>& Points;
    std::vector<std::pair<double, int>> Order;
};

// Groups of sorted values in which each lies within Tolerance of the next: the values
// symmetric vertices share differ by rounding only. Gives each value its group's rank.
std::vector<int> ClusterRanks(const std::vector<double>& values)
{
    std::vector<int> order(values.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int i, int j) { return values[i] < values[j]; });
    std::vector<int> rank(values.size());
    int group = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (k > 0 && values[order[k]] - values[order[k - 1]] > Tolerance)
            ++group;
        rank[order[k]] = group;
    }
    return rank;
}

// The vertices at the distance from the centroid that fewest of them share, the nearest
// such shell of those, leaving out any vertex at the centroid itself. Every symmetry keeps
// the set; it is empty when every vertex is at the centroid.
std::vector<int> SmallestShell(const std::vector<TVector3>& points)
{
    std::vector<double> radii;
    radii.reserve(points.size());
    for (const TVector3& p : points)
        radii.push_back(VectorLength(p));
    const std::vector<int> rank = ClusterRanks(radii);
    const int shells = rank.empty() ? 0 : *std::max_element(rank.begin(), rank.end()) + 1;
    std::vector<int> members(static_cast<std::size_t>(shells), 0);
    for (std::size_t v = 0; v < points.size(); ++v)
        ++members[rank[v]];
    int best = -1;
    for (int s = 0; s < shells; ++s) {
        const bool central = s == 0 && *std::min_element(radii.begin(), radii.end()) < Tolerance;
        if (!central && (best < 0 || members[s] < members[best]))
            best = s;
    }
    std::vector<int> shell;
    for (std::size_t v = 0; v < points.size(); ++v)
        if (rank[v] == best)
            shell.push_back(static_cast<int>(v));
    return shell;
}

struct TFrame {
    TVector3 Axis[3];

    [[nodiscard]] TVector3 In(TVector3 p) const { return {Dot(Axis[0], p), Dot(Axis[1], p), Dot(Axis[2], p)}; }
    [[nodiscard]] TVector3 Out(TVector3 c) const
    {
        return AddVectors(AddVectors(ScaleVector(Axis[0], c.X), ScaleVector(Axis[1], c.Y)), ScaleVector(Axis[2], c.Z));
    }
};

// b's part across a, as a unit vector; none when b lies on the line of a.
std::optional<TVector3> Across(TVector3 a, TVector3 b)
{
    TVector3 e1 = a;
    Normalize(e1);
    const TVector3 across = SubtractVectors(b, ScaleVector(e1, Dot(e1, b)));
    const double length = VectorLength(across);
    if (length < LineTolerance * VectorLength(b))
        return std::nullopt;
    return ScaleVector(across, 1.0 / length);
}

// The right-handed frame of (a, b), or its mirror with the third axis reversed; b must not
// lie on the line of a.
TFrame FrameOf(TVector3 a, TVector3 b, bool mirrored)
{
    TFrame frame;
    frame.Axis[0] = a;
    Normalize(frame.Axis[0]);
    frame.Axis[1] = *Across(a, b);
    frame.Axis[2] = CrossProduct(frame.Axis[0], frame.Axis[1]);
    if (mirrored)
        frame.Axis[2] = ScaleVector(frame.Axis[2], -1.0);
    return frame;
}

// Where a frame's second axis may point from vertex a: its neighbours along edges off the
// line of a, or, when some vertex of the shell has none, every vertex off that line.
struct TPartnerRule {
    bool Neighbours = true;

    [[nodiscard]] std::vector<int> Partners(const TFaceSet& set, int a) const
    {
        std::vector<int> partners;
        const auto consider = [&](int b) {
            if (b != a && Across(set.Points[a], set.Points[b]))
                partners.push_back(b);
        };
        if (Neighbours) {
            for (const int b : set.Neighbours[a])
                consider(b);
        } else {
            for (int b = 0; b < static_cast<int>(set.Points.size()); ++b)
                consider(b);
        }
        return partners;
    }
};

TPartnerRule PartnerRule(const TFaceSet& set, const std::vector<int>& shell)
{
    TPartnerRule rule;
    for (const int a : shell)
        if (rule.Partners(set, a).empty())
            rule.Neighbours = false;
    return rule;
}

struct TSymmetry {
    std::vector<int> Map;  // vertex v goes to Map[v]
    bool Proper = true;
    double Trace = 3.0;  // of the matrix: 1 for a mirror, -3 for the inversion
};

// The vertex map of the isometry taking frame from to frame to, when it carries every
// vertex onto a vertex and every face onto a face.
std::optional<std::vector<int>> MapOntoItself(const TFaceSet& set, const TPointIndex& index, const TFrame& from,
                                              const TFrame& to)
{
    const int count = static_cast<int>(set.Points.size());
    std::vector<int> map(static_cast<std::size_t>(count));
    std::vector<bool> taken(static_cast<std::size_t>(count), false);
    for (int v = 0; v < count; ++v) {
        map[v] = index.Find(to.Out(from.In(set.Points[v])));
        if (map[v] < 0 || taken[map[v]])
            return std::nullopt;
        taken[map[v]] = true;
    }
    std::vector<int> image;
    for (const std::vector<int>& face : set.Faces) {
        image.clear();
        for (const int v : face)
            image.push_back(map[v]);
        if (!std::binary_search(set.FaceKeys.begin(), set.FaceKeys.end(), CyclicKey(image)))
            return std::nullopt;
    }
    return map;
}

bool Near(double x, double y)
{
    return std::fabs(x - y) <= 10.0 * Tolerance;
}

std::vector<TSymmetry> FindSymmetries(const TFaceSet& set, const std::vector<int>& shell, const TPartnerRule& rule)
{
    const int a = shell.front();
    const int b = rule.Partners(set, a).front();
    const TVector3 pa = set.Points[a];
    const TVector3 pb = set.Points[b];
    const TFrame from = FrameOf(pa, pb, false);
    const TPointIndex index(set.Points);
    std::vector<TSymmetry> group;
    for (const int a2 : shell)
        for (const int b2 : rule.Partners(set, a2)) {
            const TVector3 qa = set.Points[a2];
            const TVector3 qb = set.Points[b2];
            if (!Near(VectorLength(qb), VectorLength(pb)) || !Near(Dot(qa, qb), Dot(pa, pb)))
                continue;
            for (const bool mirrored : {false, true}) {
                const TFrame to = FrameOf(qa, qb, mirrored);
                std::optional<std::vector<int>> map = MapOntoItself(set, index, from, to);
                if (!map)
                    continue;
                double trace = 0.0;
                for (int k = 0; k < 3; ++k)
                    trace += Dot(from.Axis[k], to.Axis[k]);
                group.push_back({std::move(*map), !mirrored, trace});
            }
        }
    return group;
}

// The order of a proper rotation: that of its vertex permutation, since a rotation fixing
// vertices off one line is the identity.
int PermutationOrder(const std::vector<int>& map)
{
    std::vector<bool> seen(map.size(), false);
    long long order = 1;
    for (std::size_t v = 0; v < map.size(); ++v) {
        long long length = 0;
        for (std::size_t w = v; !seen[w]; w = static_cast<std::size_t>(map[w])) {
            seen[w] = true;
            ++length;
        }
        if (length > 0)
            order = std::lcm(order, length);
    }
    return static_cast<int>(order);
}

// The Schoenflies name. The rotations alone are C_n (an element of order n), D_n (2n of
// them, none beyond order n) or T, O, I (12, 24, 60 of them with no element of order 6, 12
// or 30); the mirrors and the inversion then tell the full group: n mirrors through the
// axis for C_nv, one across it for C_nh, none for S_2n; n + 1 for D_nh, n for D_nd.
std::string GroupName(const std::vector<TSymmetry>& group)
{
    int rotations = 0;
    int longest = 1;
    int mirrors = 0;
    bool inversion = false;
    for (const TSymmetry& s : group) {
        if (s.Proper) {
            ++rotations;
            longest = std::max(longest, PermutationOrder(s.Map));
        } else if (std::fabs(s.Trace - 1.0) < 1e-6) {
            ++mirrors;
        } else if (std::fabs(s.Trace + 3.0) < 1e-6) {
            inversion = true;
        }
    }
    const bool improper = static_cast<int>(group.size()) > rotations;
    // Built by appending: GCC 12 warns (-Wrestrict) of the "+" chains here, which are sound.
    const auto name = [](char letter, int order, const char* suffix) {
        return std::string(1, letter).append(std::to_string(order)).append(suffix);
    };
    if (longest == rotations) {
        if (!improper)
            return name('C', rotations, "");
        if (rotations == 1)
            return std::string(inversion ? "Ci" : "Cs");
        if (mirrors == rotations)
            return name('C', rotations, "v");
        return mirrors == 1 ? name('C', rotations, "h") : name('S', 2 * rotations, "");
    }
    if (2 * longest == rotations)
        return name('D', longest, !improper ? "" : mirrors == longest + 1 ? "h" : "d");
    if (rotations == 12)
        return std::string(!improper ? "T" : inversion ? "Th" : "Td");
    return std::string(rotations == 24 ? "O" : "I").append(improper ? "h" : "");
}

int Root(std::vector<int>& parent, int v)
{
    while (parent[v] != v)
        v = parent[v] = parent[parent[v]];
    return v;
}

// Each vertex's orbit, as the least vertex in it, under the group's elements (its proper
// ones only when properOnly).
std::vector<int> Orbits(int count, const std::vector<TSymmetry>& group, bool properOnly)
{
    std::vector<int> parent(static_cast<std::size_t>(count));
    std::iota(parent.begin(), parent.end(), 0);
    for (const TSymmetry& s : group)
        if (s.Proper || !properOnly)
            for (int v = 0; v < count; ++v) {
                const int r = Root(parent, v);
                const int t = Root(parent, s.Map[v]);
                parent[std::max(r, t)] = std::min(r, t);
            }
    for (int v = 0; v < count; ++v)
        parent[v] = Root(parent, v);
    return parent;
}

// One frame's reading of the solid: the vertices' coordinates in the frame, ordered by
// their x, then y, then z (grouped within Tolerance), and the faces renumbered in that order.
struct TShapeView {
    std::vector<TVector3> Coordinates;
    std::vector<std::vector<int>> Faces;
};

std::vector<int> CanonicalOrder(const std::vector<TVector3>& c)
{
    std::vector<double> xs, ys, zs;
    for (const TVector3& p : c) {
        xs.push_back(p.X);
        ys.push_back(p.Y);
        zs.push_back(p.Z);
    }
    const std::vector<int> rx = ClusterRanks(xs), ry = ClusterRanks(ys), rz = ClusterRanks(zs);
    std::vector<int> order(c.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int i, int j) {
        return std::make_tuple(rx[i], ry[i], rz[i], i) < std::make_tuple(rx[j], ry[j], rz[j], j);
    });
    return order;
}

// -1, 0 or 1 as a's coordinates come before, level with (within Tolerance) or after b's.
int CompareCoordinates(const std::vector<TVector3>& a, const std::vector<TVector3>& b)
{
    for (std::size_t v = 0; v < a.size(); ++v)
        for (const auto coordinate : {&TVector3::X, &TVector3::Y, &TVector3::Z}) {
            const double d = a[v].*coordinate - b[v].*coordinate;
            if (std::fabs(d) > Tolerance)
                return d < 0.0 ? -1 : 1;
        }
    return 0;
}

std::vector<std::vector<int>> RenumberedFaces(const TFaceSet& set, const std::vector<int>& order)
{
    std::vector<int> position(order.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        position[order[k]] = static_cast<int>(k);
    std::vector<std::vector<int>> faces;
    std::vector<int> renumbered;
    for (const std::vector<int>& face : set.Faces) {
        renumbered.clear();
        for (const int v : face)
            renumbered.push_back(position[v]);
        faces.push_back(CyclicKey(renumbered));
    }
    std::sort(faces.begin(), faces.end());
    return faces;
}

// Coordinates in whole millionths: within Tolerance of each other, two readings of one
// solid round alike unless a coordinate lies within about 1e-12 of a half-millionth, a
// chance of about one in a million per coordinate.
std::string ShapeText(const TShapeView& view, int edges)
{
    std::string text = "V";
    text.append(std::to_string(view.Coordinates.size())).append(" F").append(std::to_string(view.Faces.size()));
    text.append(" E").append(std::to_string(edges)).append(":");
    for (const TVector3& p : view.Coordinates)
        for (const double x : {p.X, p.Y, p.Z})
            text.append(" ").append(std::to_string(std::llround(x * 1e6)));
    for (const std::vector<int>& face : view.Faces) {
        text.append(" |");
        for (const int v : face)
            text.append(" ").append(std::to_string(v));
    }
    return text;
}

// The least reading over the proper frames of (a, b), a on the shell and b a partner of
// a; one a from each orbit of the rotations on the shell suffices, since a rotation of
// the solid carries the frames at one vertex onto those at another with the same readings.
std::string CanonicalShape(const TFaceSet& set, const std::vector<int>& starts, const TPartnerRule& rule, bool mirrored)
{
    std::vector<TVector3> points = set.Points;
    if (mirrored)
        for (TVector3& p : points)
            p.X = -p.X;
    std::optional<TShapeView> best;
    std::vector<TVector3> local(points.size());
    for (const int a : starts)
        for (const int b : rule.Partners(set, a)) {
            const TFrame frame = FrameOf(points[a], points[b], false);
            for (std::size_t v = 0; v < points.size(); ++v)
                local[v] = frame.In(points[v]);
            const std::vector<int> order = CanonicalOrder(local);
            TShapeView view;
            for (const int v : order)
                view.Coordinates.push_back(local[v]);
            const int compared = best ? CompareCoordinates(view.Coordinates, best->Coordinates) : -1;
            if (compared > 0)
                continue;
            view.Faces = RenumberedFaces(set, order);
            if (compared < 0 || view.Faces < best->Faces)
                best = std::move(view);
        }
    return ShapeText(*best, static_cast<int>(set.Edges.size()));
}

void ClassifySymmetry(const TFaceSet& set, TSolidClass& result)
{
    const std::vector<int> shell = SmallestShell(set.Points);
    if (shell.empty())
        return;
    const TPartnerRule rule = PartnerRule(set, shell);
    if (rule.Partners(set, shell.front()).empty())
        return;  // every vertex on one line through the centroid: no frame to read
    const std::vector<TSymmetry> group = FindSymmetries(set, shell, rule);
    if (group.empty())
        return;  // two vertices within Tolerance: not even the identity maps them one to one
    result.Symmetry = GroupName(group);
    result.SymmetryOrder = static_cast<int>(group.size());
    result.Chiral = std::all_of(group.begin(), group.end(), [](const TSymmetry& s) { return s.Proper; });
    const int count = static_cast<int>(set.Points.size());
    const std::vector<int> orbits = Orbits(count, group, false);
    for (int v = 0; v < count; ++v)
        result.VertexOrbits += orbits[v] == v ? 1 : 0;
    const std::vector<int> rotationOrbits = Orbits(count, group, true);
    std::vector<int> starts;
    for (const int a : shell)
        if (std::none_of(starts.begin(), starts.end(), [&](int s) { return rotationOrbits[s] == rotationOrbits[a]; }))
            starts.push_back(a);
    result.Shape = CanonicalShape(set, starts, rule, false);
    result.MirrorShape = result.Chiral ? CanonicalShape(set, starts, rule, true) : result.Shape;
}

}  // namespace

TSolidClass ClassifyFaces(const TPolyFace& raw)
{
    const TFaceSet set = MakeFaceSet(raw);
    TSolidClass result;
    result.Vertices = static_cast<int>(set.Points.size());
    result.Faces = raw.FaceCount;
    result.Edges = static_cast<int>(set.Edges.size());
    result.EulerCharacteristic = result.Vertices - result.Edges + result.Faces;
    const auto [manifold, orientable] = ManifoldAndOrientable(set);
    result.Manifold = manifold;
    result.Orientable = orientable;
    if (result.Vertices > 0)
        ClassifySymmetry(set, result);
    return result;
}

TSolidClass ClassifySolid(const TBuiltSolid& solid)
{
    return ClassifyFaces(solid.Raw);
}
