#include "construction/SearchSolid.h"

#include "construction/Lookups.h"

#include <algorithm>
#include <cmath>

namespace {

// Vertices are bucketed in a grid of cubes this many to the unit; a lookup visits the
// few cubes that the 1e-9 ball round the point can touch.
constexpr double CellsPerUnit = 64.0;
constexpr double CellMargin = 2.0 * VertexIdentityDistance;

std::int64_t CellIndex(double coordinate)
{
    const double scaled = coordinate * CellsPerUnit;
    if (!(scaled > -1e9 && scaled < 1e9))  // NaN or far away: all such points share one cell
        return 0;
    return static_cast<std::int64_t>(std::floor(scaled));
}

std::uint64_t CellKey(std::int64_t x, std::int64_t y, std::int64_t z)
{
    // Distinct cells may share a key; every candidate is checked by distance anyway.
    const auto part = [](std::int64_t i) { return static_cast<std::uint64_t>(i) & 0x1FFFFFu; };
    return (part(x) << 42) | (part(y) << 21) | part(z);
}

std::uint64_t CellKey(TVector3 p)
{
    return CellKey(CellIndex(p.X), CellIndex(p.Y), CellIndex(p.Z));
}

std::uint64_t Mix(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// The same for every rotation and reversal of the list.
std::uint64_t FaceKey(const int* indices, int size)
{
    std::uint64_t key = Mix(static_cast<std::uint64_t>(size) << 40);
    for (int i = 0; i < size; ++i)
        key += Mix(static_cast<std::uint64_t>(indices[i]));
    return key;
}

std::uint64_t EdgeKey(int a, int b)
{
    const auto lo = static_cast<std::uint64_t>(static_cast<std::uint32_t>(std::min(a, b)));
    const auto hi = static_cast<std::uint64_t>(static_cast<std::uint32_t>(std::max(a, b)));
    return (lo << 32) | hi;
}

}  // namespace

bool TArrangementTable::Matches(int a, const int* fanN, const int* fanD, int m) const
{
    const int* n = &N[static_cast<std::size_t>(a) * K];
    const int* d = &D[static_cast<std::size_t>(a) * K];
    for (int j = 0; j < m; ++j)
        if (fanN[j] != n[j] || fanD[j] != d[j])
            return false;
    return true;
}

void TSearchSolid::Reset(const TArrangementTable& table)
{
    Table = &table;
    Stride = 2 * std::max(table.K, 1);
    StuckCount = 0;
    NextChoice = 0;
    Points.clear();
    Fans.clear();
    FanNs.clear();
    FanDs.clear();
    FanFaceList.clear();
    PendingList.clear();
    CellNext.clear();
    CellHead.clear();
    FaceStart.clear();
    FaceSizes.clear();
    FaceNs.clear();
    FaceDs.clear();
    FaceVertices.clear();
    FaceNext.clear();
    FaceKeys.clear();
    FaceHead.clear();
    EdgeEnds.clear();
    EdgeKeys.clear();
    Trail.clear();
    Marks.clear();
}

int TSearchSolid::FindOrAddVertex(TVector3 point)
{
    int found = -1;
    const std::int64_t x0 = CellIndex(point.X - CellMargin), x1 = CellIndex(point.X + CellMargin);
    const std::int64_t y0 = CellIndex(point.Y - CellMargin), y1 = CellIndex(point.Y + CellMargin);
    const std::int64_t z0 = CellIndex(point.Z - CellMargin), z1 = CellIndex(point.Z + CellMargin);
    for (std::int64_t x = x0; x <= x1; ++x)
        for (std::int64_t y = y0; y <= y1; ++y)
            for (std::int64_t z = z0; z <= z1; ++z) {
                const auto head = CellHead.find(CellKey(x, y, z));
                if (head == CellHead.end())
                    continue;
                for (int v = head->second; v >= 0; v = CellNext[v])
                    if ((found < 0 || v < found)
                        && VectorLength(SubtractVectors(Points[v], point)) <= VertexIdentityDistance)
                        found = v;
            }
    if (found >= 0)
        return found;

    const int v = VertexCount();
    Points.push_back(point);
    Fans.push_back(TFan{});
    const std::size_t size = Slot(v + 1);
    FanNs.resize(size);
    FanDs.resize(size);
    FanFaceList.resize(size);
    PendingList.resize(size);
    auto [cell, inserted] = CellHead.try_emplace(CellKey(point), v);
    CellNext.push_back(inserted ? -1 : cell->second);
    cell->second = v;
    return v;
}

int TSearchSolid::FindOrAddFace(const int* indices, int size, int n, int d)
{
    const std::uint64_t key = FaceKey(indices, size);
    const auto head = FaceHead.find(key);
    int found = -1;
    if (head != FaceHead.end())
        for (int f = head->second; f >= 0; f = FaceNext[f])
            if (SameCyclicFace(&FaceVertices[FaceStart[f]], FaceSizes[f], indices, size))
                found = f;  // the list runs newest first, so the last match is the lowest
    if (found >= 0)
        return found;

    const int f = FaceCount();
    FaceStart.push_back(static_cast<int>(FaceVertices.size()));
    FaceVertices.insert(FaceVertices.end(), indices, indices + size);
    FaceSizes.push_back(size);
    FaceNs.push_back(n);
    FaceDs.push_back(d);
    FaceKeys.push_back(key);
    FaceNext.push_back(head == FaceHead.end() ? -1 : head->second);
    FaceHead[key] = f;
    return f;
}

void TSearchSolid::AddEdge(int a, int b)
{
    if (EdgeKeys.insert(EdgeKey(a, b)).second)
        EdgeEnds.emplace_back(a, b);
}

void TSearchSolid::EnsureRoom(int v, int count)
{
    (void)v;
    if (count <= Stride)
        return;
    // Cannot happen while every vertex is checked before each completion (a fan then
    // holds at most 2k entries), but a wider layout costs nothing to keep correct.
    const int oldStride = Stride;
    Stride *= 2;
    const auto widen = [&](std::vector<int>& list) {
        std::vector<int> wide(Slot(VertexCount()));
        for (int u = 0; u < VertexCount(); ++u)
            std::copy_n(&list[static_cast<std::size_t>(u) * oldStride], oldStride, &wide[Slot(u)]);
        list.swap(wide);
    };
    widen(FanNs);
    widen(FanDs);
    widen(FanFaceList);
    widen(PendingList);
}

void TSearchSolid::UpdateStuck(int v)
{
    TFan& fan = Fans[v];
    bool stuck = fan.Count + fan.PendingCount > Table->K;
    if (!stuck) {
        stuck = true;
        for (int a = 0; a < Table->Count && stuck; ++a)
            stuck = !Table->Matches(a, FanN(v), FanD(v), fan.Count);
    }
    if (stuck != fan.Stuck)
        StuckCount += stuck ? 1 : -1;
    fan.Stuck = stuck;
}

void TSearchSolid::Changed(int v, TChange change, int oldEnd, int face, bool wasStuck)
{
    if (!Marks.empty())  // changes before the first mark are never undone
        Trail.push_back(TTrailEntry{change, wasStuck, v, oldEnd, face});
    UpdateStuck(v);
}

void TSearchSolid::StartFan(int v, int first, int last, int n, int d, int face)
{
    TFan& fan = Fans[v];
    const bool wasStuck = fan.Stuck;
    const std::size_t s = Slot(v);
    FanNs[s] = n;
    FanDs[s] = d;
    FanFaceList[s] = face;
    fan.Count = 1;
    fan.First = first;
    fan.Last = last;
    Changed(v, TChange::StartFan, -1, face, wasStuck);
}

void TSearchSolid::AppendToFan(int v, int last, int n, int d, int face)
{
    EnsureRoom(v, Fans[v].Count + 1);
    TFan& fan = Fans[v];
    const bool wasStuck = fan.Stuck;
    const std::size_t s = Slot(v) + static_cast<std::size_t>(fan.Count);
    FanNs[s] = n;
    FanDs[s] = d;
    FanFaceList[s] = face;
    ++fan.Count;
    const int oldLast = fan.Last;
    fan.Last = last;
    Changed(v, TChange::Append, oldLast, face, wasStuck);
}

void TSearchSolid::PrependToFan(int v, int first, int n, int d, int face)
{
    EnsureRoom(v, Fans[v].Count + 1);
    TFan& fan = Fans[v];
    const bool wasStuck = fan.Stuck;
    const std::size_t s = Slot(v);
    for (std::vector<int>* list : {&FanNs, &FanDs, &FanFaceList}) {
        int* entries = list->data() + s;
        std::copy_backward(entries, entries + fan.Count, entries + fan.Count + 1);
    }
    FanNs[s] = n;
    FanDs[s] = d;
    FanFaceList[s] = face;
    ++fan.Count;
    const int oldFirst = fan.First;
    fan.First = first;
    Changed(v, TChange::Prepend, oldFirst, face, wasStuck);
}

void TSearchSolid::AddPending(int v, int face)
{
    EnsureRoom(v, Fans[v].PendingCount + 1);
    TFan& fan = Fans[v];
    const bool wasStuck = fan.Stuck;
    PendingList[Slot(v) + static_cast<std::size_t>(fan.PendingCount)] = face;
    ++fan.PendingCount;
    Changed(v, TChange::AddPending, -1, face, wasStuck);
}

void TSearchSolid::RemoveFirstPending(int v, int face)
{
    TFan& fan = Fans[v];
    int* list = PendingList.data() + Slot(v);
    int* end = list + fan.PendingCount;
    int* at = std::find(list, end, face);
    if (at == end)
        return;
    const bool wasStuck = fan.Stuck;
    const int position = static_cast<int>(at - list);
    std::copy(at + 1, end, at);
    --fan.PendingCount;
    Changed(v, TChange::RemovePending, position, face, wasStuck);
}

void TSearchSolid::Undo(const TTrailEntry& entry)
{
    const int v = entry.Vertex;
    TFan& fan = Fans[v];
    const std::size_t s = Slot(v);
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
        for (std::vector<int>* list : {&FanNs, &FanDs, &FanFaceList}) {
            int* entries = list->data() + s;
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
        int* list = PendingList.data() + s;
        std::copy_backward(list + entry.OldEnd, list + fan.PendingCount, list + fan.PendingCount + 1);
        list[entry.OldEnd] = entry.Face;
        ++fan.PendingCount;
        break;
    }
    }
    if (fan.Stuck != entry.WasStuck)
        StuckCount += entry.WasStuck ? 1 : -1;
    fan.Stuck = entry.WasStuck;
}

void TSearchSolid::Save(int resumeVertex, int nextChoice)
{
    Marks.push_back(TMark{Trail.size(), VertexCount(), FaceCount(), EdgeCount(), resumeVertex, nextChoice});
}

int TSearchSolid::Restore(int& nextChoice)
{
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
        if (Fans[v].Stuck)
            --StuckCount;
        const auto cell = CellHead.find(CellKey(Points[v]));
        if (CellNext[v] < 0)
            CellHead.erase(cell);
        else
            cell->second = CellNext[v];
    }
    Points.resize(static_cast<std::size_t>(count));
    Fans.resize(static_cast<std::size_t>(count));
    CellNext.resize(static_cast<std::size_t>(count));
    FanNs.resize(Slot(count));
    FanDs.resize(Slot(count));
    FanFaceList.resize(Slot(count));
    PendingList.resize(Slot(count));
}

void TSearchSolid::DropFacesFrom(int count)
{
    for (int f = FaceCount() - 1; f >= count; --f) {
        const auto head = FaceHead.find(FaceKeys[f]);
        if (FaceNext[f] < 0)
            FaceHead.erase(head);
        else
            head->second = FaceNext[f];
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
    for (int e = EdgeCount() - 1; e >= count; --e)
        EdgeKeys.erase(EdgeKey(EdgeEnds[e].first, EdgeEnds[e].second));
    EdgeEnds.resize(static_cast<std::size_t>(count));
}

void TSearchSolid::ExportTo(TPolyFace& solid) const
{
    solid.Clear();
    for (int v = 0; v < VertexCount(); ++v) {
        solid.AppendVertex(Points[v]);
        const TFan& fan = Fans[v];
        const std::size_t s = Slot(v);
        solid.FanN[v].assign(FanNs.data() + s, FanNs.data() + s + fan.Count);
        solid.FanD[v].assign(FanDs.data() + s, FanDs.data() + s + fan.Count);
        solid.FanFaces[v].assign(FanFaceList.data() + s, FanFaceList.data() + s + fan.Count);
        solid.FanCount[v] = fan.Count;
        solid.FanFirst[v] = fan.First;
        solid.FanLast[v] = fan.Last;
        solid.Pending[v].assign(PendingList.data() + s, PendingList.data() + s + fan.PendingCount);
        solid.PendingCount[v] = fan.PendingCount;
    }
    for (int f = 0; f < FaceCount(); ++f)
        solid.AppendFace(&FaceVertices[FaceStart[f]], FaceSizes[f], FaceNs[f], FaceDs[f]);
    for (const auto& [a, b] : EdgeEnds)
        solid.AppendEdge(a, b, false);
    solid.NextChoice = NextChoice;
}
