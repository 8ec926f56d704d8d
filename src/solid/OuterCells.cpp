// SPDX-License-Identifier: GPL-3.0-or-later
// The outer surface put together from the planes' cells. Every cell is a triangle of one
// plane, and the cells meet along edges; going round an edge, the space between two
// neighbouring cells is one wedge of one region of space. Joining the sides of the cells
// wedge by wedge finds the regions the faces cut space into, the one reaching to infinity
// among them; a cell with that region on one side and another region on the other is a
// piece of the outer surface, turned to face the outside.

#include "solid/OuterSurfaceParts.h"
#include "solid/PlaneArrangement.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numeric>
#include <unordered_map>

namespace {

// A triangle of a plane's cells, anticlockwise round the plane's normal.
struct TCell {
    std::array<int, 3> Corners{};  // pool points
    int Plane = 0;
    int Face = 0;
};

using TPlaces = std::vector<std::array<double, 2>>;

double Twice(const TPlaces& place, const std::array<int, 3>& t)
{
    const auto& a = place[static_cast<std::size_t>(t[0])];
    const auto& b = place[static_cast<std::size_t>(t[1])];
    const auto& c = place[static_cast<std::size_t>(t[2])];
    return (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0]);
}

double SideLength(const TPlaces& place, int from, int to)
{
    const auto& a = place[static_cast<std::size_t>(from)];
    const auto& b = place[static_cast<std::size_t>(to)];
    return std::hypot(b[0] - a[0], b[1] - a[1]);
}

// The corner of a triangle opposite its longest side.
std::size_t Apex(const TPlaces& place, const std::array<int, 3>& t)
{
    std::size_t apex = 0;
    double longest = -1.0;
    for (std::size_t k = 0; k < 3; ++k) {
        const double length = SideLength(place, t[(k + 1) % 3], t[(k + 2) % 3]);
        if (length > longest) {
            longest = length;
            apex = k;
        }
    }
    return apex;
}

// A triangle whose corners lie on one line to a rounding: its height over its longest
// side no more than the distance at which a point counts as on a cut.
bool Flat(const TPlaces& place, const std::array<int, 3>& t)
{
    const std::size_t apex = Apex(place, t);
    const double longest = SideLength(place, t[(apex + 1) % 3], t[(apex + 2) % 3]);
    return std::fabs(Twice(place, t)) <= TPointPool::Snap * longest;
}

long long EdgeKey(int a, int b)
{
    return (static_cast<long long>(std::min(a, b)) << 32) | static_cast<long long>(std::max(a, b));
}

// The triangles of a plane with the edges each uses, so that triangles can be taken out
// and put in as the flat ones are mended.
class TPlaneTriangles {
public:
    explicit TPlaneTriangles(std::vector<std::array<int, 3>> triangles) : Triangles_(std::move(triangles))
    {
        Alive_.assign(Triangles_.size(), true);
        for (std::size_t i = 0; i < Triangles_.size(); ++i)
            Link(i);
    }
    [[nodiscard]] std::size_t Size() const { return Triangles_.size(); }
    [[nodiscard]] bool Alive(std::size_t i) const { return Alive_[i]; }
    [[nodiscard]] const std::array<int, 3>& operator[](std::size_t i) const { return Triangles_[i]; }
    // The living triangle other than f on the edge (a, b), or -1.
    [[nodiscard]] long Beyond(std::size_t f, int a, int b) const
    {
        const auto found = Sharing_.find(EdgeKey(a, b));
        if (found != Sharing_.end())
            for (const std::size_t g : found->second)
                if (g != f && Alive_[g])
                    return static_cast<long>(g);
        return -1;
    }
    void Remove(std::size_t i) { Alive_[i] = false; }
    std::size_t Add(const std::array<int, 3>& t)
    {
        Triangles_.push_back(t);
        Alive_.push_back(true);
        Link(Triangles_.size() - 1);
        return Triangles_.size() - 1;
    }
    [[nodiscard]] std::vector<std::array<int, 3>> Living() const
    {
        std::vector<std::array<int, 3>> living;
        for (std::size_t i = 0; i < Triangles_.size(); ++i)
            if (Alive_[i])
                living.push_back(Triangles_[i]);
        return living;
    }

private:
    void Link(std::size_t i)
    {
        for (std::size_t k = 0; k < 3; ++k)
            Sharing_[EdgeKey(Triangles_[i][k], Triangles_[i][(k + 1) % 3])].push_back(i);
    }
    std::vector<std::array<int, 3>> Triangles_;
    std::vector<bool> Alive_;
    std::unordered_map<long long, std::vector<std::size_t>> Sharing_;
};

// The triangulation sees a point a rounding off a cut as off it, and may join the cut's
// ends past the point with a flat triangle between; the triangle beyond that long edge
// would then meet the next plane's cells at a point that is not its corner. Each flat
// triangle is taken out and the one beyond its long edge split at the point instead.
void MendFlat(const TPlaces& place, std::vector<std::array<int, 3>>& triangles)
{
    std::vector<std::size_t> work;
    for (std::size_t i = 0; i < triangles.size(); ++i)
        if (Flat(place, triangles[i]))
            work.push_back(i);
    if (work.empty())
        return;
    TPlaneTriangles mesh(std::move(triangles));
    // Each step takes out a flat triangle; the bound only guards against a cycle.
    for (std::size_t steps = 0; !work.empty() && steps < 16 * mesh.Size(); ++steps) {
        const std::size_t f = work.back();
        work.pop_back();
        if (!mesh.Alive(f))
            continue;
        const std::array<int, 3> flat = mesh[f];
        const std::size_t apex = Apex(place, flat);
        const int m = flat[apex];
        const int a = flat[(apex + 1) % 3];
        const int b = flat[(apex + 2) % 3];
        mesh.Remove(f);
        const long g = mesh.Beyond(f, a, b);
        if (g < 0)
            continue;
        std::array<int, 3> t = mesh[static_cast<std::size_t>(g)];
        while (!((t[0] == a || t[0] == b) && (t[1] == a || t[1] == b)))
            t = {t[1], t[2], t[0]};
        mesh.Remove(static_cast<std::size_t>(g));
        for (const std::array<int, 3>& half : {std::array<int, 3>{t[0], m, t[2]}, std::array<int, 3>{m, t[1], t[2]}}) {
            const std::size_t added = mesh.Add(half);
            if (Flat(place, half))
                work.push_back(added);
        }
    }
    triangles = mesh.Living();
}

// One plane's cuts triangulated and the flat triangles mended, numbered in the plane's own
// points (each a pool point, with its place in the plane); false when the cuts cross where
// no point was found for them. local is scratch space, an entry for each pool point.
bool TriangulatePlane(const TFacePlane& plane, const std::vector<std::array<int, 2>>& cuts,
                      const std::vector<TVector3>& pool, std::vector<int>& local,
                      std::vector<std::array<int, 3>>& triangles, std::vector<int>& points, TPlaces& places)
{
    points.clear();
    for (const auto& cut : cuts)
        points.insert(points.end(), cut.begin(), cut.end());
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    places.clear();
    for (const int point : points)
        places.push_back(plane.Project(pool[static_cast<std::size_t>(point)]));
    if (!TriangulateCuts(places, points, cuts, triangles))
        return false;
    for (std::size_t i = 0; i < points.size(); ++i)
        local[static_cast<std::size_t>(points[i])] = static_cast<int>(i);
    for (auto& t : triangles)
        for (int& corner : t)
            corner = local[static_cast<std::size_t>(corner)];
    MendFlat(places, triangles);
    return true;
}

// Each plane cut and triangulated, with the triangles its faces cover.
TResult PlaneCells(const std::vector<TFacePlane>& planes, const std::vector<TSurfaceFace>& faces, TPointPool& pool,
                   std::vector<TCell>& cells)
{
    const std::vector<std::vector<std::array<int, 2>>> allCuts = PlaneCuts(planes, faces, pool);
    std::vector<int> local(pool.Points().size(), -1);
    std::vector<std::array<int, 3>> triangles;
    std::vector<int> points;
    TPlaces places;
    for (std::size_t p = 0; p < planes.size(); ++p) {
        if (!TriangulatePlane(planes[p], allCuts[p], pool.Points(), local, triangles, points, places))
            return TResult::Failure("two cuts of a face cross where no other face has a point");
        for (auto t : triangles) {
            std::array<double, 2> centre{};
            for (int& corner : t) {
                const auto& place = places[static_cast<std::size_t>(corner)];
                centre = {centre[0] + place[0] / 3.0, centre[1] + place[1] / 3.0};
                corner = points[static_cast<std::size_t>(corner)];
            }
            const int face = planes[p].FaceAt(centre);
            if (face >= 0)
                cells.push_back({t, static_cast<int>(p), face});
        }
    }
    return TResult::Success();
}

int Find(std::vector<int>& parent, int i)
{
    while (parent[static_cast<std::size_t>(i)] != i) {
        parent[static_cast<std::size_t>(i)] = parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(i)])];
        i = parent[static_cast<std::size_t>(i)];
    }
    return i;
}

void Join(std::vector<int>& parent, int a, int b)
{
    parent[static_cast<std::size_t>(Find(parent, a))] = Find(parent, b);
}

// A cell at an edge: the cell, and the point of it off the edge.
struct TWing {
    int Cell = 0;
    int Apex = 0;
    double Angle = 0.0;
};

// Side 2c of cell c faces along its plane's normal, side 2c + 1 away from it. Round each
// edge the wings are put in order of angle; the wedge between two neighbours joins the
// side of the one facing the other.
std::vector<int> JoinSides(const std::vector<TCell>& cells, const std::vector<TFacePlane>& planes,
                           const std::vector<TVector3>& points)
{
    std::vector<std::pair<std::array<int, 2>, TWing>> uses;
    for (std::size_t c = 0; c < cells.size(); ++c)
        for (std::size_t k = 0; k < 3; ++k) {
            const int a = cells[c].Corners[k];
            const int b = cells[c].Corners[(k + 1) % 3];
            uses.push_back({{std::min(a, b), std::max(a, b)}, {static_cast<int>(c), cells[c].Corners[(k + 2) % 3]}});
        }
    std::sort(uses.begin(), uses.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
    std::vector<int> parent(2 * cells.size());
    std::iota(parent.begin(), parent.end(), 0);
    const auto at = [&](int i) { return points[static_cast<std::size_t>(i)]; };
    for (std::size_t begin = 0; begin < uses.size();) {
        std::size_t end = begin;
        while (end < uses.size() && uses[end].first == uses[begin].first)
            ++end;
        const TVector3 a = at(uses[begin].first[0]);
        TVector3 axis = SubtractVectors(at(uses[begin].first[1]), a);
        Normalize(axis);
        const auto across = [&](const TWing& wing) {
            TVector3 w = SubtractVectors(at(wing.Apex), a);
            w = SubtractVectors(w, ScaleVector(axis, DotProduct(w, axis)));
            Normalize(w);
            return w;
        };
        const TVector3 reference = across(uses[begin].second);
        const TVector3 quarter = CrossProduct(axis, reference);
        std::vector<TWing> wings;
        for (std::size_t i = begin; i < end; ++i) {
            TWing wing = uses[i].second;
            const TVector3 w = across(wing);
            wing.Angle = std::atan2(DotProduct(w, quarter), DotProduct(w, reference));
            wings.push_back(wing);
        }
        std::sort(wings.begin(), wings.end(), [](const TWing& x, const TWing& y) { return x.Angle < y.Angle; });
        // The side of a wing facing the way the angle grows: along the normal when the
        // normal points that way.
        const auto sideAhead = [&](const TWing& wing) {
            const TVector3 ahead = CrossProduct(axis, across(wing));
            const TVector3 normal =
                planes[static_cast<std::size_t>(cells[static_cast<std::size_t>(wing.Cell)].Plane)].Normal;
            return 2 * wing.Cell + (DotProduct(normal, ahead) > 0.0 ? 0 : 1);
        };
        for (std::size_t i = 0; i < wings.size(); ++i) {
            const TWing& next = wings[(i + 1) % wings.size()];
            Join(parent, sideAhead(wings[i]), sideAhead(next) ^ 1);
        }
        begin = end;
    }
    return parent;
}

TVector3 CellCentre(const TCell& cell, const std::vector<TVector3>& points)
{
    TVector3 sum{};
    for (const int corner : cell.Corners)
        sum = AddVectors(sum, points[static_cast<std::size_t>(corner)]);
    return ScaleVector(sum, 1.0 / 3.0);
}

// How far inside a cell a point of its plane is (negative outside): the least, over its
// sides, of the side's length times the point's distance from it.
double Margin(const TCell& cell, const TVector3& normal, const TVector3& hit, const std::vector<TVector3>& points)
{
    double margin = std::numeric_limits<double>::infinity();
    for (std::size_t k = 0; k < 3; ++k) {
        const TVector3 p = points[static_cast<std::size_t>(cell.Corners[k])];
        const TVector3 q = points[static_cast<std::size_t>(cell.Corners[(k + 1) % 3])];
        margin = std::min(margin, DotProduct(CrossProduct(SubtractVectors(q, p), SubtractVectors(hit, p)), normal));
    }
    return margin;
}

// The side of some cell that faces the region reaching to infinity: the last cell met by a
// line through the middle of a cell, on the side the line leaves it by; -1 when there are
// no cells, or every line tried passes too near an edge to tell.
int OutsideSide(const std::vector<TCell>& cells, const std::vector<TFacePlane>& planes,
                const std::vector<TVector3>& points)
{
    if (cells.empty())
        return -1;
    const TVector3 through = CellCentre(cells.front(), points);
    const TVector3 directions[] = {{0.5377, 0.8012, 0.2625},
                                   {-0.3119, 0.4423, 0.8410},
                                   {0.7071, -0.1113, 0.6983},
                                   {0.2231, -0.9205, 0.3207},
                                   {-0.8817, 0.1499, -0.4475}};
    for (TVector3 d : directions) {
        Normalize(d);
        double farthest = -std::numeric_limits<double>::infinity();
        int side = -1;
        bool clear = true;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const TVector3 normal = planes[static_cast<std::size_t>(cells[c].Plane)].Normal;
            const double facing = DotProduct(normal, d);
            if (std::fabs(facing) < 1e-9)
                continue;
            const double s =
                (planes[static_cast<std::size_t>(cells[c].Plane)].Offset - DotProduct(normal, through)) / facing;
            const double margin = Margin(cells[c], normal, AddVectors(through, ScaleVector(d, s)), points);
            if (margin < -1e-9 || s <= farthest)
                continue;
            farthest = s;
            clear = margin > 1e-9;
            side = 2 * static_cast<int>(c) + (facing > 0.0 ? 0 : 1);
        }
        if (side >= 0 && clear)
            return side;
    }
    return -1;
}

// The cells between the outside and an enclosed region, each turned to face the outside,
// with the face each is a piece of.
void OuterCells(const std::vector<TCell>& cells, const std::vector<TFacePlane>& planes,
                const std::vector<TVector3>& points, std::vector<std::array<int, 3>>& triangles,
                std::vector<int>& faceOf)
{
    const int outside = OutsideSide(cells, planes, points);
    if (outside < 0)
        return;
    std::vector<int> parent = JoinSides(cells, planes, points);
    const int infinity = Find(parent, outside);
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const bool front = Find(parent, 2 * static_cast<int>(c)) == infinity;
        const bool back = Find(parent, 2 * static_cast<int>(c) + 1) == infinity;
        if (front == back)
            continue;
        std::array<int, 3> t = cells[c].Corners;
        if (back)
            std::swap(t[1], t[2]);
        triangles.push_back(t);
        faceOf.push_back(cells[c].Face);
    }
}

// The triangles' points renumbered from 0, in the order first used.
std::vector<TVector3> UsedPoints(const std::vector<TVector3>& pool, std::vector<std::array<int, 3>>& triangles)
{
    std::vector<int> index(pool.size(), -1);
    std::vector<TVector3> points;
    for (auto& t : triangles)
        for (int& corner : t) {
            int& slot = index[static_cast<std::size_t>(corner)];
            if (slot < 0) {
                slot = static_cast<int>(points.size());
                points.push_back(pool[static_cast<std::size_t>(corner)]);
            }
            corner = slot;
        }
    return points;
}

// Each triangle told the sheet it belongs to: the triangles joined across edges.
int NumberSheets(TOuterSurface& surface)
{
    std::vector<std::pair<std::array<int, 2>, int>> edges;
    for (std::size_t t = 0; t < surface.Triangles.size(); ++t)
        for (std::size_t k = 0; k < 3; ++k) {
            const int a = surface.Triangles[t].Corners[k];
            const int b = surface.Triangles[t].Corners[(k + 1) % 3];
            edges.push_back({{std::min(a, b), std::max(a, b)}, static_cast<int>(t)});
        }
    std::sort(edges.begin(), edges.end());
    std::vector<int> parent(surface.Triangles.size());
    std::iota(parent.begin(), parent.end(), 0);
    for (std::size_t i = 1; i < edges.size(); ++i)
        if (edges[i].first == edges[i - 1].first)
            Join(parent, edges[i].second, edges[i - 1].second);
    std::vector<int> sheetOf(parent.size(), -1);
    int sheets = 0;
    for (std::size_t t = 0; t < parent.size(); ++t) {
        int& sheet = sheetOf[static_cast<std::size_t>(Find(parent, static_cast<int>(t)))];
        if (sheet < 0)
            sheet = sheets++;
        surface.Triangles[t].Sheet = sheet;
    }
    return sheets;
}

void Clear(TOuterSurface& surface)
{
    surface.Points.clear();
    surface.Triangles.clear();
    surface.Sheets = 0;
}

}  // namespace

TResult FormOuterSurface(std::vector<TSurfaceFace> faces, TOuterSurface& surface)
{
    surface = TOuterSurface{};
    surface.Faces = std::move(faces);
    const std::vector<TFacePlane> planes = FacePlanes(surface.Faces);
    TPointPool pool;
    std::vector<TCell> cells;
    if (TResult result = PlaneCells(planes, surface.Faces, pool, cells); result.Failed())
        return result;
    std::vector<std::array<int, 3>> triangles;
    std::vector<int> faceOf;
    OuterCells(cells, planes, pool.Points(), triangles, faceOf);
    if (triangles.empty())
        return TResult::Success();
    std::vector<TVector3> points = UsedPoints(pool.Points(), triangles);
    // A region that touches itself at a point or along an edge gets a point for each sheet.
    if (!SplitPinches(points, triangles))
        return TResult::Failure("the outer surface could not be made a manifold mesh");
    surface.Points = std::move(points);
    for (std::size_t t = 0; t < triangles.size(); ++t)
        surface.Triangles.push_back({triangles[t], faceOf[t], 0});
    surface.Sheets = NumberSheets(surface);
    MergeFacePieces(surface);
    CountPinches(surface);
    MeasureSurface(surface);
    // Nothing half made is handed on: a printer given crossing triangles prints nonsense.
    const TMeshCheck check = CheckMesh(surface);
    if (!check.Closed || !check.Manifold || !check.Outward || check.SelfIntersecting) {
        Clear(surface);
        return TResult::Failure(check.SelfIntersecting ? "the outer surface has triangles that cross"
                                                       : "the outer surface did not come out closed and outward");
    }
    return TResult::Success();
}
