// SPDX-License-Identifier: GPL-3.0-or-later
#include "construction/SearchSolid.h"

#include "construction/CellKeys.h"
#include "construction/Lookups.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace {

// Vertices are bucketed in a grid of cubes this many to the unit; a lookup visits the
// few cubes that the 1e-9 ball round the point can touch.
constexpr double CellsPerUnit = 64.0;
constexpr double CellMargin = 2.0 * VertexIdentityDistance;

std::int64_t CellIndex(double coordinate)
{
    return GridCell(coordinate, CellsPerUnit);
}

// True when the coordinate lies within the margin of a face of its cell (index cell).
bool NearCellBoundary(double coordinate, std::int64_t cell)
{
    const double offset = coordinate * CellsPerUnit - static_cast<double>(cell);
    const double margin = 2.0 * CellMargin * CellsPerUnit;  // twice over, for rounding
    return !(offset > margin && offset < 1.0 - margin);
}

std::uint64_t CellKey(std::int64_t x, std::int64_t y, std::int64_t z)
{
    return PackCell(x, y, z);
}

std::uint64_t CellKey(TVector3 p)
{
    return CellKey(CellIndex(p.X), CellIndex(p.Y), CellIndex(p.Z));
}

// The same for every rotation and reversal of the list.
std::uint64_t FaceKey(const int* indices, int size)
{
    std::uint64_t key = Mix(static_cast<std::uint64_t>(size) << 40);
    for (int i = 0; i < size; ++i)
        key += Mix(static_cast<std::uint64_t>(indices[i]));
    return key;
}

}  // namespace

void TArrangementTable::Build(int k, const std::vector<std::vector<int>>& readings,
                              const std::vector<std::vector<int>>& ds)
{
    Polygons = k;
    Start.clear();
    Direction.clear();
    KindIndex.assign(33 * 33, -1);
    KindCount = 0;
    for (std::size_t a = 0; a < readings.size(); ++a) {
        Start.push_back(readings[a][0]);
        Direction.push_back(readings[a][1]);
        for (int j = 0; j < k; ++j) {
            int& kind = KindIndex[static_cast<std::size_t>(readings[a][2 + j] * 33 + ds[a][j])];
            if (kind < 0)
                kind = KindCount++;
        }
    }
    AllReadings = Count() >= 32 ? 0xFFFFFFFFu : (1u << Count()) - 1u;
    PlaceMask.assign(static_cast<std::size_t>(k * KindCount), 0u);
    for (int a = 0; a < Count(); ++a)
        for (int j = 0; j < k; ++j) {
            const int kind = KindIndex[static_cast<std::size_t>(readings[a][2 + j] * 33 + ds[a][j])];
            PlaceMask[static_cast<std::size_t>(j * KindCount + kind)] |= 1u << a;
        }
}

std::uint32_t TArrangementTable::AtPlace(int j, int n, int d) const
{
    // Places past k belong to no reading; kinds outside the configuration to none either.
    if (j >= Polygons || n < 0 || n > 32 || d < 0 || d > 32)
        return 0u;
    const int kind = KindIndex[static_cast<std::size_t>(n * 33 + d)];
    return kind < 0 ? 0u : PlaceMask[static_cast<std::size_t>(j * KindCount + kind)];
}

std::uint32_t TArrangementTable::Matching(const int* fanN, const int* fanD, int m) const
{
    std::uint32_t readings = AllReadings;
    for (int j = 0; j < m && readings != 0; ++j)
        readings &= AtPlace(j, fanN[j], fanD[j]);
    return readings;
}

void TSearchSolid::Reset(const TArrangementTable& table)
{
    Table = &table;
    StuckCount = 0;
    NextChoice = 0;
    Points.clear();
    Fans.clear();
    Frames.clear();
    FrameKnown.clear();
    // While every vertex is checked before each completion a fan holds at most 2k
    // entries and a vertex at most 4k edges; the rows widen should that ever not hold.
    const int k = std::max(table.K(), 1);
    for (TRowStore* rows : {&FanNs, &FanDs, &FanFaceList, &PendingList})
        rows->Reset(2 * k);
    Neighbours.Reset(4 * k);
    CellNext.clear();
    CellHead.Clear();
    FaceStart.clear();
    FaceSizes.clear();
    FaceNs.clear();
    FaceDs.clear();
    FaceVertices.clear();
    FaceNext.clear();
    FaceKeys.clear();
    FaceHead.Clear();
    EdgeEnds.clear();
    Trail.clear();
    Marks.clear();
}

int TSearchSolid::LowestVertexInCell(std::uint64_t cell, TVector3 point, int found) const
{
    for (int v = CellHead.Find(cell); v >= 0; v = CellNext[v]) {
        if (found >= 0 && v > found)
            continue;
        const double dx = Points[v].X - point.X;
        const double dy = Points[v].Y - point.Y;
        const double dz = Points[v].Z - point.Z;
        // A cheap test first: points of one cell are usually far apart next to 1e-9.
        if (dx * dx + dy * dy + dz * dz > 4.0 * VertexIdentityDistance * VertexIdentityDistance)
            continue;
        if (VectorLength(SubtractVectors(Points[v], point)) <= VertexIdentityDistance)
            found = v;
    }
    return found;
}

int TSearchSolid::CountVerticesNear(TVector3 point, double radius, int& nearest, double& nearestDistance) const
{
    int count = 0;
    nearest = -1;
    nearestDistance = radius;
    const double margin = 2.0 * radius;  // twice over, for rounding
    const std::int64_t x0 = CellIndex(point.X - margin), x1 = CellIndex(point.X + margin);
    const std::int64_t y0 = CellIndex(point.Y - margin), y1 = CellIndex(point.Y + margin);
    const std::int64_t z0 = CellIndex(point.Z - margin), z1 = CellIndex(point.Z + margin);
    for (std::int64_t cx = x0; cx <= x1; ++cx) {
        for (std::int64_t cy = y0; cy <= y1; ++cy) {
            for (std::int64_t cz = z0; cz <= z1; ++cz) {
                for (int v = CellHead.Find(CellKey(cx, cy, cz)); v >= 0; v = CellNext[v]) {
                    const double dx = Points[v].X - point.X, dy = Points[v].Y - point.Y, dz = Points[v].Z - point.Z;
                    if (dx * dx + dy * dy + dz * dz > 4.0 * radius * radius)
                        continue;
                    const double distance = VectorLength(SubtractVectors(Points[v], point));
                    if (distance > radius)
                        continue;
                    if (distance <= nearestDistance) {
                        nearest = v;
                        nearestDistance = distance;
                    }
                    if (++count >= 2)
                        return count;
                }
            }
        }
    }
    return count;
}

int TSearchSolid::FindOrAddVertex(TVector3 point)
{
    int found = -1;
    const std::int64_t x = CellIndex(point.X), y = CellIndex(point.Y), z = CellIndex(point.Z);
    if (NearCellBoundary(point.X, x) || NearCellBoundary(point.Y, y) || NearCellBoundary(point.Z, z)) {
        // The 1e-9 ball round the point reaches into neighbouring cells.
        const std::int64_t x0 = CellIndex(point.X - CellMargin), x1 = CellIndex(point.X + CellMargin);
        const std::int64_t y0 = CellIndex(point.Y - CellMargin), y1 = CellIndex(point.Y + CellMargin);
        const std::int64_t z0 = CellIndex(point.Z - CellMargin), z1 = CellIndex(point.Z + CellMargin);
        for (std::int64_t cx = x0; cx <= x1; ++cx)
            for (std::int64_t cy = y0; cy <= y1; ++cy)
                for (std::int64_t cz = z0; cz <= z1; ++cz)
                    found = LowestVertexInCell(CellKey(cx, cy, cz), point, found);
    } else {
        found = LowestVertexInCell(CellKey(x, y, z), point, found);
    }
    if (found >= 0)
        return found;

    const int v = VertexCount();
    Points.push_back(point);
    Fans.push_back(TFan{0, -1, -1, 0, 0, Table->All()});
    Frames.emplace_back();
    FrameKnown.push_back(false);
    for (TRowStore* rows : {&FanNs, &FanDs, &FanFaceList, &PendingList, &Neighbours})
        rows->Resize(v + 1);
    const std::uint64_t cell = CellKey(point);
    CellNext.push_back(CellHead.Find(cell));
    CellHead.Set(cell, v);
    return v;
}

int TSearchSolid::FindFace(const int* indices, int size) const
{
    return FindFaceFrom(FaceHead.Find(FaceKey(indices, size)), indices, size);
}

int TSearchSolid::FindFaceFrom(int head, const int* indices, int size) const
{
    int found = -1;
    for (int f = head; f >= 0; f = FaceNext[f])
        if (SameCyclicFace(&FaceVertices[FaceStart[f]], FaceSizes[f], indices, size))
            found = f;  // the list runs newest first, so the last match is the lowest
    return found;
}

int TSearchSolid::FindOrAddFace(const int* indices, int size, int n, int d)
{
    const std::uint64_t key = FaceKey(indices, size);
    const int head = FaceHead.Find(key);
    const int found = FindFaceFrom(head, indices, size);
    if (found >= 0)
        return found;

    const int f = FaceCount();
    FaceStart.push_back(static_cast<int>(FaceVertices.size()));
    FaceVertices.insert(FaceVertices.end(), indices, indices + size);
    FaceSizes.push_back(size);
    FaceNs.push_back(n);
    FaceDs.push_back(d);
    FaceKeys.push_back(key);
    FaceNext.push_back(head);
    FaceHead.Set(key, f);
    return f;
}

void TSearchSolid::AddEdge(int a, int b)
{
    const int* aNeighbours = Neighbours.Row(a);
    if (std::find(aNeighbours, aNeighbours + Fans[a].NeighbourCount, b) != aNeighbours + Fans[a].NeighbourCount)
        return;
    Neighbours.Reserve(std::max(Fans[a].NeighbourCount, Fans[b].NeighbourCount) + 1);
    Neighbours.Row(a)[Fans[a].NeighbourCount++] = b;
    Neighbours.Row(b)[Fans[b].NeighbourCount++] = a;
    EdgeEnds.emplace_back(a, b);
}

void TSearchSolid::ReserveFan(int count)
{
    for (TRowStore* rows : {&FanNs, &FanDs, &FanFaceList})
        rows->Reserve(count);
}

bool TSearchSolid::Stuck(const TFan& fan) const
{
    return fan.Count + fan.PendingCount > Table->K() || fan.Matching == 0;
}

void TSearchSolid::Changed(int v, TChange change, int oldEnd, int face, std::uint32_t oldMatching, bool wasStuck)
{
    if (!Marks.empty())  // changes before the first mark are never undone
        Trail.push_back(TTrailEntry{change, oldMatching, v, oldEnd, face});
    const bool stuck = Stuck(Fans[v]);
    if (stuck != wasStuck)
        StuckCount += stuck ? 1 : -1;
}

void TSearchSolid::StartFan(int v, int first, int last, int n, int d, int face)
{
    TFan& fan = Fans[v];
    const bool wasStuck = Stuck(fan);
    const std::uint32_t oldMatching = fan.Matching;
    FanNs.Row(v)[0] = n;
    FanDs.Row(v)[0] = d;
    FanFaceList.Row(v)[0] = face;
    fan.Count = 1;
    fan.First = first;
    fan.Last = last;
    fan.Matching = Table->AtPlace(0, n, d);
    Changed(v, TChange::StartFan, -1, face, oldMatching, wasStuck);
}

void TSearchSolid::AppendToFan(int v, int last, int n, int d, int face)
{
    ReserveFan(Fans[v].Count + 1);
    TFan& fan = Fans[v];
    const bool wasStuck = Stuck(fan);
    const std::uint32_t oldMatching = fan.Matching;
    FanNs.Row(v)[fan.Count] = n;
    FanDs.Row(v)[fan.Count] = d;
    FanFaceList.Row(v)[fan.Count] = face;
    fan.Matching &= Table->AtPlace(fan.Count, n, d);
    ++fan.Count;
    const int oldLast = fan.Last;
    fan.Last = last;
    Changed(v, TChange::Append, oldLast, face, oldMatching, wasStuck);
}

void TSearchSolid::PrependToFan(int v, int first, int n, int d, int face)
{
    ReserveFan(Fans[v].Count + 1);
    TFan& fan = Fans[v];
    const bool wasStuck = Stuck(fan);
    const std::uint32_t oldMatching = fan.Matching;
    for (TRowStore* rows : {&FanNs, &FanDs, &FanFaceList}) {
        int* entries = rows->Row(v);
        std::copy_backward(entries, entries + fan.Count, entries + fan.Count + 1);
    }
    FanNs.Row(v)[0] = n;
    FanDs.Row(v)[0] = d;
    FanFaceList.Row(v)[0] = face;
    ++fan.Count;
    fan.Matching = Table->Matching(FanN(v), FanD(v), fan.Count);  // every place has moved
    const int oldFirst = fan.First;
    fan.First = first;
    Changed(v, TChange::Prepend, oldFirst, face, oldMatching, wasStuck);
}

void TSearchSolid::AddPending(int v, int face)
{
    PendingList.Reserve(Fans[v].PendingCount + 1);
    TFan& fan = Fans[v];
    const bool wasStuck = Stuck(fan);
    PendingList.Row(v)[fan.PendingCount] = face;
    ++fan.PendingCount;
    Changed(v, TChange::AddPending, -1, face, fan.Matching, wasStuck);
}

void TSearchSolid::RemoveFirstPending(int v, int face)
{
    TFan& fan = Fans[v];
    int* list = PendingList.Row(v);
    int* end = list + fan.PendingCount;
    int* at = std::find(list, end, face);
    if (at == end)
        return;
    const bool wasStuck = Stuck(fan);
    const int position = static_cast<int>(at - list);
    std::copy(at + 1, end, at);
    --fan.PendingCount;
    Changed(v, TChange::RemovePending, position, face, fan.Matching, wasStuck);
}

void TSearchSolid::Undo(const TTrailEntry& entry)
{
    const int v = entry.Vertex;
    TFan& fan = Fans[v];
    const bool wasStuck = Stuck(fan);
    switch (entry.Change) {
    case TChange::StartFan:
        fan.Count = 0;
        fan.First = -1;
        fan.Last = -1;
        break;
    case TChange::Append:
        --fan.Count;
        fan.Last = entry.OldEnd;
        break;
    case TChange::Prepend: {
        for (TRowStore* rows : {&FanNs, &FanDs, &FanFaceList}) {
            int* entries = rows->Row(v);
            std::copy(entries + 1, entries + fan.Count, entries);
        }
        --fan.Count;
        fan.First = entry.OldEnd;
        break;
    }
    case TChange::AddPending:
        --fan.PendingCount;
        break;
    case TChange::RemovePending: {
        int* list = PendingList.Row(v);
        std::copy_backward(list + entry.OldEnd, list + fan.PendingCount, list + fan.PendingCount + 1);
        list[entry.OldEnd] = entry.Face;
        ++fan.PendingCount;
        break;
    }
    }
    fan.Matching = entry.OldMatching;
    const bool stuck = Stuck(fan);
    if (stuck != wasStuck)
        StuckCount += stuck ? 1 : -1;
}

void TSearchSolid::Save(int resumeVertex, int nextChoice)
{
    Marks.push_back(TMark{Trail.size(), VertexCount(), FaceCount(), EdgeCount(), resumeVertex, nextChoice});
}

int TSearchSolid::Restore(int& nextChoice)
{
    assert(!Marks.empty() && "restoring with no saved state");
    const TMark mark = Marks.back();
    Marks.pop_back();
    while (Trail.size() > mark.TrailLength) {
        Undo(Trail.back());
        Trail.pop_back();
    }
    DropEdgesFrom(mark.Edges);
    DropFacesFrom(mark.Faces);
    DropVerticesFrom(mark.Vertices);
    nextChoice = mark.NextChoice;
    return mark.ResumeVertex;
}

void TSearchSolid::DropVerticesFrom(int count)
{
    for (int v = VertexCount() - 1; v >= count; --v) {
        if (Stuck(Fans[v]))
            --StuckCount;
        const std::uint64_t cell = CellKey(Points[v]);
        if (CellNext[v] < 0)
            CellHead.Erase(cell);
        else
            CellHead.Set(cell, CellNext[v]);
    }
    Points.resize(static_cast<std::size_t>(count));
    Fans.resize(static_cast<std::size_t>(count));
    Frames.resize(static_cast<std::size_t>(count));
    FrameKnown.resize(static_cast<std::size_t>(count));
    CellNext.resize(static_cast<std::size_t>(count));
    for (TRowStore* rows : {&FanNs, &FanDs, &FanFaceList, &PendingList, &Neighbours})
        rows->Resize(count);
}

void TSearchSolid::DropFacesFrom(int count)
{
    for (int f = FaceCount() - 1; f >= count; --f) {
        if (FaceNext[f] < 0)
            FaceHead.Erase(FaceKeys[f]);
        else
            FaceHead.Set(FaceKeys[f], FaceNext[f]);
    }
    if (count < FaceCount())
        FaceVertices.resize(static_cast<std::size_t>(FaceStart[count]));
    const auto size = static_cast<std::size_t>(count);
    FaceStart.resize(size);
    FaceSizes.resize(size);
    FaceNs.resize(size);
    FaceDs.resize(size);
    FaceKeys.resize(size);
    FaceNext.resize(size);
}

void TSearchSolid::DropEdgesFrom(int count)
{
    // Each dropped edge is the newest at both its ends.
    for (int e = EdgeCount() - 1; e >= count; --e) {
        --Fans[EdgeEnds[e].first].NeighbourCount;
        --Fans[EdgeEnds[e].second].NeighbourCount;
    }
    EdgeEnds.resize(static_cast<std::size_t>(count));
}

void TSearchSolid::ExportTo(TPolyFace& solid) const
{
    solid.Clear();
    for (int v = 0; v < VertexCount(); ++v) {
        solid.AppendVertex(Points[v]);
        const TFan& fan = Fans[v];
        solid.FanN[v].assign(FanNs.Row(v), FanNs.Row(v) + fan.Count);
        solid.FanD[v].assign(FanDs.Row(v), FanDs.Row(v) + fan.Count);
        solid.FanFaces[v].assign(FanFaceList.Row(v), FanFaceList.Row(v) + fan.Count);
        solid.FanCount[v] = fan.Count;
        solid.FanFirst[v] = fan.First;
        solid.FanLast[v] = fan.Last;
        solid.Pending[v].assign(PendingList.Row(v), PendingList.Row(v) + fan.PendingCount);
        solid.PendingCount[v] = fan.PendingCount;
    }
    for (int f = 0; f < FaceCount(); ++f)
        solid.AppendFace(&FaceVertices[FaceStart[f]], FaceSizes[f], FaceNs[f], FaceDs[f]);
    for (const auto& [a, b] : EdgeEnds)
        solid.AppendEdge(a, b, false);
    solid.NextChoice = NextChoice;
}
