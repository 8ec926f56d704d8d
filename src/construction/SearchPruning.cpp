// SPDX-License-Identifier: GPL-3.0-or-later
// Exact pruning of the one-shot search: a lower bound on the vertices of every solid that
// can still be reached from a search node. When the bound passes the vertex limit the
// node fails as a failed completion does, and nothing the plain search would record is
// lost.
//
// The geometry behind it: a regular polygon with three consecutive corners on the sphere
// is carried onto itself by a rotation about an axis through the centre, so for each
// reading (candidate) of an unfinished vertex u the polygons still missing at u are
// exactly those that completing u with that reading would place now, whoever places them
// later. Their corners that lie near no vertex (NEW) are distinct new vertices of every
// solid that completes u that way; w_u is the fewest over u's candidates that can still
// be completed (SearchFeasibility.cpp), and u with none means no solid. One new vertex
// may serve several unfinished vertices; with M_u the most requirements near any one of
// u's predicted points, y_u = 1/M_u is a feasible dual of that covering problem, so
// V + sum w_u / M_u vertices at least are needed. Points that are neither clearly at one
// vertex nor clearly new make the vertex abstain.
//
// The second layer goes one ring further out: a far NEW corner of a predicted polygon will
// be a vertex with that polygon in its fan, so its own readings place known polygons, and
// their new corners are new vertices too (shared out among the corners the same way). It
// is dearer per check and runs only where the first layer leaves the search much room:
// on the hyperbolic patches, where it cuts the tree to a small part.

#include "construction/PolyhedronBuild.h"

#include "construction/CellKeys.h"
#include "construction/PruningDistances.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

enum class TPointKind { At, New, Ambiguous };

double SquaredDistance(TVector3 a, TVector3 b)
{
    const double dx = a.X - b.X, dy = a.Y - b.Y, dz = a.Z - b.Z;
    return dx * dx + dy * dy + dz * dz;
}

constexpr double NearCellsPerUnit = 1024.0;

std::int64_t NearCell(double coordinate)
{
    return GridCell(coordinate, NearCellsPerUnit);
}

std::uint64_t NearKey(TVector3 p)
{
    return PackCell(NearCell(p.X), NearCell(p.Y), NearCell(p.Z));
}

// The cells a ball of ClearDistance round the coordinate touches along one axis.
void NearRange(double coordinate, std::int64_t& low, std::int64_t& high)
{
    low = NearCell(coordinate - 2.0 * ClearDistance);
    high = NearCell(coordinate + 2.0 * ClearDistance);
}

// The new points every contributing vertex may use, sorted by cell so that the vertices
// predicting a point near a given one are found at once. Kept per thread and reused from
// check to check: a check runs thousands of times in a long search, and allocating afresh
// each time cost as much as the geometry.
class TRequirementGrid {
public:
    void Clear()
    {
        Points.clear();
        Owners.clear();
        Keys.clear();
    }
    void Add(TVector3 p, int owner) { Add(p, NearKey(p), owner); }
    void Add(TVector3 p, std::uint64_t key, int owner)
    {
        Points.push_back(p);
        Owners.push_back(owner);
        Keys.emplace_back(key, static_cast<int>(Points.size()) - 1);
    }
    // After the last Add, before the first OwnersNear.
    void Index() { std::sort(Keys.begin(), Keys.end()); }
    // How many distinct owners have a point within ClearDistance of p.
    [[nodiscard]] int OwnersNear(TVector3 p, std::vector<int>& seen) const
    {
        seen.clear();
        std::int64_t x0 = 0, x1 = 0, y0 = 0, y1 = 0, z0 = 0, z1 = 0;
        NearRange(p.X, x0, x1);
        NearRange(p.Y, y0, y1);
        NearRange(p.Z, z0, z1);
        for (std::int64_t cx = x0; cx <= x1; ++cx)
            for (std::int64_t cy = y0; cy <= y1; ++cy)
                for (std::int64_t cz = z0; cz <= z1; ++cz) {
                    const std::uint64_t key = PackCell(cx, cy, cz);
                    auto it = std::lower_bound(Keys.begin(), Keys.end(), std::make_pair(key, -1));
                    for (; it != Keys.end() && it->first == key; ++it) {
                        const int i = it->second;
                        if (SquaredDistance(Points[i], p) <= ClearDistance * ClearDistance
                            && std::find(seen.begin(), seen.end(), Owners[i]) == seen.end())
                            seen.push_back(Owners[i]);
                    }
                }
        return static_cast<int>(seen.size());
    }
    // The same, where the ball round p lies in one cell: keys [start, end) are that cell's.
    [[nodiscard]] int OwnersNearIn(std::size_t start, std::size_t end, TVector3 p, std::vector<int>& seen) const
    {
        seen.clear();
        for (std::size_t k = start; k < end; ++k) {
            const int i = Keys[k].second;
            if (SquaredDistance(Points[i], p) <= ClearDistance * ClearDistance
                && std::find(seen.begin(), seen.end(), Owners[i]) == seen.end())
                seen.push_back(Owners[i]);
        }
        return static_cast<int>(seen.size());
    }

    // most[o] := the most distinct owners near any one point of owner o (at least 1).
    // Points alone in their cell with their owner's company only, and clear of the
    // cell's faces, need no search: most points are.
    void Multiplicities(std::vector<int>& most, std::vector<int>& seen) const
    {
        for (std::size_t start = 0; start < Keys.size();) {
            std::size_t end = start + 1;
            bool mixed = false;
            while (end < Keys.size() && Keys[end].first == Keys[start].first) {
                mixed = mixed || Owners[Keys[end].second] != Owners[Keys[start].second];
                ++end;
            }
            for (std::size_t i = start; i < end; ++i) {
                const int point = Keys[i].second;
                const bool inside = InsideCell(Points[point]);
                if (!mixed && inside)
                    continue;
                const int owner = Owners[point];
                const int near =
                    inside ? OwnersNearIn(start, end, Points[point], seen) : OwnersNear(Points[point], seen);
                most[owner] = std::max(most[owner], near);
            }
            start = end;
        }
    }

    std::vector<TVector3> Points;
    std::vector<int> Owners;

private:
    // Whether the ball round p that OwnersNear searches stays in p's own cell.
    [[nodiscard]] static bool InsideCell(TVector3 p)
    {
        std::int64_t low = 0, high = 0;
        for (const double coordinate : {p.X, p.Y, p.Z}) {
            NearRange(coordinate, low, high);
            if (low != high)
                return false;
        }
        return true;
    }

    std::vector<std::pair<std::uint64_t, int>> Keys;
};

// Everything one bound needs, reused by the next.
struct TBoundScratch {
    TRequirementGrid Grid;
    std::vector<double> Need;  // w_u of each contributing vertex, by owner index
    std::vector<int> Most;
    std::vector<int> Seen;
    std::vector<TVector3> Corners, Fresh, Usable;
    std::vector<TPredictedPolygon> Polygons;        // of the reading being weighed
    std::vector<TPredictedPolygon> CornerPolygons;  // of a far corner's reading
    TRequirementGrid Corners2;                      // the far corners' own needs
    std::vector<double> CornerNeed;
    std::vector<TVector3> CornerUsable, ReadingFresh;
    TBoundEntry Uncached;  // a vertex weighed outside the cache
    std::vector<std::pair<std::uint64_t, int>> DistinctKeys;
    std::vector<TVector3> Distinct;
};

thread_local TBoundScratch Scratch;

// Drops the points within SameCorner of one kept already in the same cell: the readings of
// a vertex, and the far corners' readings, predict many points twice over, and the count
// of owners near a point does not depend on how often an owner has a point there. What is
// kept is in the order of the cells, with the cells' keys.
void KeepDistinct(std::vector<TVector3>& points, std::vector<std::uint64_t>& keys)
{
    std::vector<std::pair<std::uint64_t, int>>& order = Scratch.DistinctKeys;
    std::vector<TVector3>& kept = Scratch.Distinct;
    order.clear();
    for (std::size_t i = 0; i < points.size(); ++i)
        order.emplace_back(NearKey(points[i]), static_cast<int>(i));
    std::sort(order.begin(), order.end());
    kept.clear();
    keys.clear();
    std::size_t cellStart = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && order[i].first != order[i - 1].first)
            cellStart = kept.size();
        const TVector3 p = points[order[i].second];
        const bool seen = std::any_of(kept.begin() + static_cast<std::ptrdiff_t>(cellStart), kept.end(),
                                      [p](TVector3 q) { return SquaredDistance(p, q) <= SameCorner * SameCorner; });
        if (!seen) {
            kept.push_back(p);
            keys.push_back(order[i].first);
        }
    }
    points.swap(kept);
}

// y = 1 / M for each owner, M the most owners near any one of its points, is a feasible
// dual of covering every requirement: the sum is a lower bound on the new vertices the
// owners need together.
double SharedNeed(TRequirementGrid& grid, const std::vector<double>& need)
{
    grid.Index();
    std::vector<int>& most = Scratch.Most;
    most.assign(need.size(), 1);
    grid.Multiplicities(most, Scratch.Seen);
    double total = 0.0;
    for (std::size_t u = 0; u < need.size(); ++u)
        total += need[u] / most[u];
    return total;
}

// A corner a far corner's reading places: at a vertex or at a point the first layer
// predicts (known), clear of both (new, unless one of fresh already stands there), or
// neither clearly (ambiguous).
// count and distance: the vertices near r and the nearest one's distance.
TPointKind ClassifyFarPoint(int count, double distance, TVector3 r, const std::vector<TVector3>& known,
                            const std::vector<TVector3>& fresh)
{
    if (count >= 1)
        return count == 1 && distance <= AtDistance ? TPointKind::At : TPointKind::Ambiguous;
    // At a predicted corner when every predicted point within reach is within AtDistance:
    // a corner two predicted polygons share stands twice in known, a hair apart.
    bool close = false;
    bool at = true;
    for (const TVector3 p : known) {
        const double apart = SquaredDistance(p, r);
        if (apart > ClearDistance * ClearDistance)
            continue;
        close = true;
        at = at && apart <= AtDistance * AtDistance;
    }
    if (close)
        return at ? TPointKind::At : TPointKind::Ambiguous;
    for (const TVector3 p : fresh) {
        const double apart = SquaredDistance(p, r);
        if (apart > ClearDistance * ClearDistance)
            continue;
        return apart <= SameCorner * SameCorner ? TPointKind::At : TPointKind::Ambiguous;
    }
    return TPointKind::New;
}

bool SamePoint(TVector3 a, TVector3 b)
{
    return a.X == b.X && a.Y == b.Y && a.Z == b.Z;
}

bool SameEntry(const TBoundEntry& a, const TBoundEntry& b)
{
    const auto sameReading = [](const TReadingNeed& x, const TReadingNeed& y) {
        return x.Need == y.Need && x.Judged == y.Judged && x.FirstPolygon == y.FirstPolygon
               && x.PolygonCount == y.PolygonCount;
    };
    const auto samePolygon = [](const TReadingPolygon& x, const TReadingPolygon& y) {
        return x.N == y.N && x.FirstCorner == y.FirstCorner && x.AllAtVertices == y.AllAtVertices;
    };
    const auto sameCorner = [](const TReadingCorner& x, const TReadingCorner& y) {
        return x.AtVertex == y.AtVertex && SamePoint(x.Place, y.Place);
    };
    return a.Abstains == b.Abstains
           && std::equal(a.Readings.begin(), a.Readings.end(), b.Readings.begin(), b.Readings.end(), sameReading)
           && std::equal(a.Polygons.begin(), a.Polygons.end(), b.Polygons.begin(), b.Polygons.end(), samePolygon)
           && std::equal(a.Corners.begin(), a.Corners.end(), b.Corners.begin(), b.Corners.end(), sameCorner)
           && std::equal(a.Usable.begin(), a.Usable.end(), b.Usable.begin(), b.Usable.end(), SamePoint);
}

}  // namespace

void TBuild::EnablePruning()
{
    // The rotation argument needs every placed chord within the circle of neighbours.
    const int k = Geometry().PolygonCount;
    PruningApplies = true;
    BoundCache.Reset(ClearDistance);
    for (int i = 0; i < k; ++i)
        PruningApplies = PruningApplies && Geometry().Chord[i] <= 2.0 * Geometry().NeighbourRadius;
    // Forcing needs distinct junctions: no proper run of the configuration closes a full
    // turn, so that a fan can only close with all its polygons.
    ForcingApplies = PruningApplies;
    for (int start = 0; start < k && ForcingApplies; ++start) {
        double sum = 0.0;
        for (int length = 1; length < k && ForcingApplies; ++length) {
            sum += Geometry().CentralAngle[(start + length - 1) % k];
            const double turns = sum / (2.0 * M_PI);
            ForcingApplies = std::fabs(turns - std::round(turns)) > 1e-9;
        }
    }
}

bool TBuild::CutAfterForcing(int n)
{
    // A vertex with one reading left has that reading's polygons in every solid below:
    // place them on the state (undone afterwards), as long as any vertex is so forced.
    // A forced vertex that cannot close, a fan no reading continues, or too many vertices
    // means no solid; otherwise the count bound is taken on the richer state.
    const int k = Geometry().PolygonCount;
    const int choice = Work.NextChoice;
    const int fanCount = Work.FanCount(n), fanFirst = Work.FanFirst(n), fanLast = Work.FanLast(n);
    const int pending = Work.PendingCount(n);
    Work.Save(n, choice);
    bool cut = false;
    bool placed = ForcingApplies;
    while (placed && !cut) {
        placed = false;
        for (int u = n + 1; u < Work.VertexCount() - 1 && !cut; ++u) {
            const int m = Work.FanCount(u);
            const std::uint32_t matching = Work.MatchingReadings(u);
            if (m < 1 || m >= k || matching == 0 || (matching & (matching - 1)) != 0)
                continue;
            Work.NextChoice = 0;
            cut = CompleteVertex(u) || Work.AnyVertexStuck();
            placed = true;
        }
    }
    // Vertex n's choices keep their numbers only while its fan is as it was.
    const bool nUnchanged = Work.FanCount(n) == fanCount && Work.FanFirst(n) == fanFirst && Work.FanLast(n) == fanLast
                            && Work.PendingCount(n) == pending;
    if (!cut)
        cut = SubtreeExceedsLimit(n, nUnchanged ? choice : 0);
    int restored = 0;
    (void)Work.Restore(restored);  // back to the state saved above, which resumes at n
    Work.NextChoice = choice;
    return cut;
}

bool TBuild::CheckDue(int n, long long steps)
{
    if (!Options.Enabled || !PruningApplies || !LimitWasCut || steps < Options.FromStep || Work.FanCount(n) < 1)
        return false;
    // Only where the vertex about to be completed still has a choice to make.
    return FindCandidates(n).Count - Work.NextChoice >= 2;
}

int TBuild::PredictMissingCorners(int u, int offset, int dir, std::vector<TPredictedPolygon>& polygons,
                                  std::vector<TVector3>& corners)
{
    // The same computation as the completion's, so that the points agree with what it would place.
    const TAxisFrame frame = AxisFrameOf(u);
    corners.clear();
    const double phi = FanEndAngle(frame, Work.Vertex(Work.FanLast(u)));
    if (!PredictPolygons(frame, Geometry(), Work.Vertex(u), phi, Work.FanCount(u), offset, dir, polygons))
        return -1;
    for (const TPredictedPolygon& polygon : polygons)
        for (int j = 0; j < polygon.N; ++j)
            if (j != 1)
                corners.push_back(polygon.Points[j]);
    return static_cast<int>(polygons.size());
}

int TBuild::NewCornerCount(const std::vector<TVector3>& corners, std::vector<TVector3>& fresh)
{
    // -1: some point is neither clearly at one vertex nor clearly new.
    fresh.clear();
    for (const TVector3 p : corners) {
        int nearest = -1;
        double distance = 0.0;
        const int count = CountNear(p, nearest, distance);
        TPointKind kind = TPointKind::New;
        if (count >= 1)
            kind = count == 1 && distance <= AtDistance ? TPointKind::At : TPointKind::Ambiguous;
        if (kind == TPointKind::Ambiguous)
            return -1;
        if (kind == TPointKind::At)
            continue;
        bool seen = false;
        for (const TVector3 q : fresh) {
            const double apart = SquaredDistance(p, q);
            if (apart > ClearDistance * ClearDistance)
                continue;
            if (apart > SameCorner * SameCorner)
                return -1;
            seen = true;
        }
        if (!seen)
            fresh.push_back(p);
    }
    return static_cast<int>(fresh.size());
}

bool TBuild::SubtreeExceedsLimit(int n, int firstChoice)
{
    const double first = SubtreeBound(n, firstChoice, false);
    if (first > Geometry().VertexLimit + 1e-9)
        return true;
    // The second layer pays where the first leaves the search much room to wander: on
    // the hyperbolic patches, whose frontier needs more than the vertices already there.
    if (!Options.SecondLayer || first < Options.SecondLayerFrom * Work.VertexCount())
        return false;
    ++Counts.SecondChecks;
    return SubtreeBound(n, firstChoice, true) > Geometry().VertexLimit + 1e-9;
}

double TBuild::SubtreeBound(int n, int firstChoice, bool secondLayer)
{
    const int k = Geometry().PolygonCount;
    const int vertices = Work.VertexCount();
    TRequirementGrid& grid = Scratch.Grid;
    std::vector<double>& need = Scratch.Need;
    grid.Clear();
    need.clear();
    BoundCache.Sync(Work);
    for (int u = n; u < vertices; ++u) {
        const int m = Work.FanCount(u);
        if (m < 1 || m >= k)
            continue;  // nothing missing, or nothing to rotate from
        const TBoundEntry& entry = VertexNeed(u, u == n ? firstChoice : 0, secondLayer);
        if (entry.Abstains)
            continue;
        const double fewest = FeasibleNeed(u, entry);
        if (fewest < 0.0)
            return HUGE_VAL;  // no reading of u can be completed: no solid below
        if (fewest == 0.0)
            continue;  // requires nothing that can be counted
        const int owner = static_cast<int>(need.size());
        for (std::size_t i = 0; i < entry.Usable.size(); ++i)
            grid.Add(entry.Usable[i], entry.Keys[i], owner);
        need.push_back(fewest);
    }
    return vertices + SharedNeed(grid, need);
}

const TBoundEntry& TBuild::VertexNeed(int u, int skipped, bool secondLayer)
{
    if (skipped > 0) {
        // Vertex n with some readings tried already: a state of one node only.
        WeighVertex(u, skipped, secondLayer, Scratch.Uncached);
        return Scratch.Uncached;
    }
    const TBoundKey key{Work.Vertex(u), Work.Vertex(Work.FanLast(u)), Work.FanCount(u), Work.MatchingReadings(u),
                        secondLayer ? 2 : 1};
    if (const TBoundEntry* kept = BoundCache.Find(key)) {
        if (Options.CacheCheck) {
            WeighVertex(u, 0, secondLayer, Scratch.Uncached);
            ++Counts.CacheCompared;
            Counts.CacheMismatches += SameEntry(*kept, Scratch.Uncached) ? 0 : 1;
        }
        return *kept;
    }
    TBoundEntry& entry = BoundCache.Start(key);
    WeighVertex(u, 0, secondLayer, entry);
    BoundCache.Finish();
    return entry;
}

void TBuild::WeighVertex(int u, int skipped, bool secondLayer, TBoundEntry& entry)
{
    // For each of u's readings (from the skipped-th on): the new points it needs, the
    // polygons it places, and the points it may use.
    const int m = Work.FanCount(u);
    const std::uint32_t matching = Work.MatchingReadings(u);
    std::vector<TPredictedPolygon>& polygons = Scratch.Polygons;
    std::vector<TVector3>& corners = Scratch.Corners;
    std::vector<TVector3>& fresh = Scratch.Fresh;
    entry.Clear();
    int c = -1;
    for (int a = 0; a < Table.Count() && !entry.Abstains; ++a) {
        if ((matching & (1u << a)) == 0)
            continue;
        ++c;
        if (c < skipped)
            continue;  // tried already, or left to the saved states above this node
        const TReadingStart start = ReadingStart(a, m);
        const int predicted = PredictMissingCorners(u, start.Offset, start.Direction, polygons, corners);
        const int count = predicted < 0 ? -1 : NewCornerCount(corners, fresh);
        entry.Abstains = count < 0 || !RecordReadingPolygons(u, polygons, entry);
        if (entry.Abstains)
            break;
        TReadingNeed& reading = entry.Readings.back();
        reading.Need = count;
        entry.Usable.insert(entry.Usable.end(), fresh.begin(), fresh.end());
        if (secondLayer && count > 0)
            reading.Need += SecondLayerNeed(polygons, corners, entry.Usable);
    }
    if (entry.Abstains) {
        entry.Clear();
        entry.Abstains = true;
        return;
    }
    std::stable_sort(entry.Readings.begin(), entry.Readings.end(),
                     [](const TReadingNeed& a, const TReadingNeed& b) { return a.Need < b.Need; });
    KeepDistinct(entry.Usable, entry.Keys);
}

int TBuild::CountNear(TVector3 p, int& nearest, double& distance)
{
    BoundCache.Examine(p);
    return Work.CountVerticesNear(p, ClearDistance, nearest, distance);
}

double TBuild::SecondLayerNeed(const std::vector<TPredictedPolygon>& polygons, const std::vector<TVector3>& known,
                               std::vector<TVector3>& usable)
{
    // A far corner q (past the two next to the vertex) of one polygon alone, clear of every
    // vertex, becomes a vertex with that one polygon in its fan; by the same rotation
    // argument each of its readings places known polygons, and their new corners are new
    // vertices beyond the first layer's. Corners that several q may use are shared out.
    TRequirementGrid& grid = Scratch.Corners2;
    std::vector<double>& need = Scratch.CornerNeed;
    std::vector<TVector3>& points = Scratch.CornerUsable;
    grid.Clear();
    need.clear();
    for (const TPredictedPolygon& polygon : polygons)
        for (int j = 3; j < polygon.N; ++j) {
            const TVector3 q = polygon.Points[j];
            int nearest = -1;
            double distance = 0.0;
            if (CountNear(q, nearest, distance) != 0)
                continue;
            int sharing = 0;
            for (const TVector3 p : known)
                sharing += SquaredDistance(p, q) <= ClearDistance * ClearDistance ? 1 : 0;
            if (sharing != 1)
                continue;  // on another predicted polygon too, or too close to one
            const int fewest = ReadingNewPoints(q, polygon, j, known, points);
            if (fewest <= 0)
                continue;
            const int owner = static_cast<int>(need.size());
            for (const TVector3 p : points)
                grid.Add(p, owner);
            need.push_back(fewest);
        }
    if (need.empty())
        return 0.0;
    usable.insert(usable.end(), grid.Points.begin(), grid.Points.end());
    return SharedNeed(grid, need);
}

int TBuild::ReadingNewPoints(TVector3 q, const TPredictedPolygon& through, int corner,
                             const std::vector<TVector3>& known, std::vector<TVector3>& usable)
{
    // q's fan is the one polygon through it, its last end the corner before q, as
    // placing the polygon would record it. -1: some point is ambiguous.
    const TVector3 lastEnd = through.Points[corner - 1];
    const std::uint32_t matching = Table.AtPlace(0, through.N, through.D);
    const TAxisFrame frame = TAxisFrame::Towards(q);
    const double phi = FanEndAngle(frame, lastEnd);
    usable.clear();
    int fewest = -1;
    std::vector<TVector3>& fresh = Scratch.ReadingFresh;
    for (int a = 0; a < Table.Count(); ++a) {
        if ((matching & (1u << a)) == 0)
            continue;
        const TReadingStart start = ReadingStart(a, 1);
        if (!PredictPolygons(frame, Geometry(), q, phi, 1, start.Offset, start.Direction, Scratch.CornerPolygons))
            return -1;
        fresh.clear();
        for (const TPredictedPolygon& polygon : Scratch.CornerPolygons)
            for (int j = 0; j < polygon.N; ++j) {
                if (j == 1)
                    continue;
                int nearest = -1;
                double distance = 0.0;
                const int count = CountNear(polygon.Points[j], nearest, distance);
                const TPointKind kind = ClassifyFarPoint(count, distance, polygon.Points[j], known, fresh);
                if (kind == TPointKind::Ambiguous)
                    return -1;
                if (kind == TPointKind::New)
                    fresh.push_back(polygon.Points[j]);
            }
        fewest = fewest < 0 ? static_cast<int>(fresh.size()) : std::min(fewest, static_cast<int>(fresh.size()));
        usable.insert(usable.end(), fresh.begin(), fresh.end());
    }
    return fewest;
}
