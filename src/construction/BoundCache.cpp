// SPDX-License-Identifier: GPL-3.0-or-later
#include "construction/BoundCache.h"

#include "construction/CellKeys.h"

#include <algorithm>
#include <bit>

namespace {

// Registrations are kept in cubes this many to the unit: fine enough that a vertex coming
// or going seldom shares a cube with points it is not near.
constexpr double CacheCellsPerUnit = 1024.0;
// Forgotten entries and their registrations stay behind until the store is compacted:
// when it holds this many times what was live at the last compaction, and some more.
constexpr std::size_t CompactionFactor = 4;
constexpr std::size_t SpareRegistrations = std::size_t{1} << 16;
constexpr std::size_t SpareEntries = 1024;

std::uint64_t Bits(double x)
{
    return std::bit_cast<std::uint64_t>(x);
}

bool Same(TVector3 a, TVector3 b)
{
    return Bits(a.X) == Bits(b.X) && Bits(a.Y) == Bits(b.Y) && Bits(a.Z) == Bits(b.Z);
}

std::uint64_t PointHash(TVector3 p, std::uint64_t seed)
{
    seed = Mix(seed ^ Bits(p.X));
    seed = Mix(seed ^ Bits(p.Y));
    return Mix(seed ^ Bits(p.Z));
}

std::uint64_t KeyHash(const TBoundKey& key)
{
    const std::uint64_t h = PointHash(key.LastEnd, PointHash(key.At, static_cast<std::uint64_t>(key.Layer)));
    return Mix(h ^ (static_cast<std::uint64_t>(key.FanCount) << 32 | key.Matching));
}

bool SameKey(const TBoundKey& a, const TBoundKey& b)
{
    return Same(a.At, b.At) && Same(a.LastEnd, b.LastEnd) && a.FanCount == b.FanCount && a.Matching == b.Matching
           && a.Layer == b.Layer;
}

std::int64_t CacheCell(double coordinate)
{
    return GridCell(coordinate, CacheCellsPerUnit);
}

}  // namespace

void TBoundCache::Reset(double radius)
{
    Radius = radius;
    Entries.clear();
    EntryIndex.Clear();
    Registrations.clear();
    CellHead.Clear();
    Recording = -1;
    Seen.clear();
    LiveEntries = 0;
    LiveRegistrations = 0;
}

void TBoundCache::Sync(const TSearchSolid& work)
{
    if (Registrations.size() > CompactionFactor * LiveRegistrations + SpareRegistrations
        || Entries.size() > CompactionFactor * LiveEntries + SpareEntries)
        Compact();
    // The vertices form a stack: those below the first difference are the same vertices.
    const int count = work.VertexCount();
    const int shorter = std::min(count, static_cast<int>(Seen.size()));
    int common = 0;
    while (common < shorter && Same(Seen[common], work.Vertex(common)))
        ++common;
    CompareTails(work, common);
    Seen.resize(static_cast<std::size_t>(count));
    for (int v = common; v < count; ++v)
        Seen[v] = work.Vertex(v);
}

void TBoundCache::CompareTails(const TSearchSolid& work, int common)
{
    // A vertex put back exactly where it stood (forcing puts back much the same vertices
    // at every check) changes nothing that was examined.
    const int gone = static_cast<int>(Seen.size()) - common;
    SeenTail.Clear();
    Matched.assign(static_cast<std::size_t>(gone), false);
    for (int i = 0; i < gone; ++i)
        SeenTail.Set(PointHash(Seen[common + i], 0), i);
    for (int v = common; v < work.VertexCount(); ++v) {
        const TVector3 p = work.Vertex(v);
        const int i = SeenTail.Find(PointHash(p, 0));
        if (i >= 0 && !Matched[i] && Same(Seen[common + i], p))
            Matched[i] = true;
        else
            ForgetNear(p);
    }
    for (int i = 0; i < gone; ++i)
        if (!Matched[i])
            ForgetNear(Seen[common + i]);
}

void TBoundCache::Compact()
{
    // The live entries move down, in order, and their registrations with them.
    std::vector<int>& moved = Moved;
    moved.assign(Entries.size(), -1);
    EntryIndex.Clear();
    int kept = 0;
    for (std::size_t i = 0; i < Entries.size(); ++i) {
        if (!Entries[i].Live)
            continue;
        moved[i] = kept;
        if (static_cast<int>(i) != kept)
            std::swap(Entries[kept], Entries[i]);
        EntryIndex.Set(KeyHash(Entries[kept].Key), kept);
        ++kept;
    }
    Entries.resize(static_cast<std::size_t>(kept));
    CellHead.Clear();
    std::size_t registrations = 0;
    for (const TRegistration& registration : Registrations) {
        const int entry = moved[registration.Entry];
        if (entry < 0 || Entries[entry].Version != registration.Version)
            continue;
        TRegistration& to = Registrations[registrations];
        to = registration;
        to.Entry = entry;
        to.Next = CellHead.Find(to.Cell);
        CellHead.Set(to.Cell, static_cast<int>(registrations));
        ++registrations;
    }
    Registrations.resize(registrations);
    LiveEntries = Entries.size();
    LiveRegistrations = registrations;
}

void TBoundCache::ForgetNear(TVector3 point)
{
    // Every cube the ball round point reaches, with room for rounding.
    const double margin = 2.0 * Radius;
    const std::int64_t x0 = CacheCell(point.X - margin), x1 = CacheCell(point.X + margin);
    const std::int64_t y0 = CacheCell(point.Y - margin), y1 = CacheCell(point.Y + margin);
    const std::int64_t z0 = CacheCell(point.Z - margin), z1 = CacheCell(point.Z + margin);
    for (std::int64_t cx = x0; cx <= x1; ++cx)
        for (std::int64_t cy = y0; cy <= y1; ++cy)
            for (std::int64_t cz = z0; cz <= z1; ++cz) {
                const std::uint64_t cell = PackCell(cx, cy, cz);
                for (int r = CellHead.Find(cell); r >= 0; r = Registrations[r].Next) {
                    TStored& stored = Entries[Registrations[r].Entry];
                    if (stored.Version == Registrations[r].Version)
                        stored.Live = false;
                }
                CellHead.Erase(cell);
            }
}

int TBoundCache::IndexOf(const TBoundKey& key) const
{
    return EntryIndex.Find(KeyHash(key));
}

const TBoundEntry* TBoundCache::Find(const TBoundKey& key) const
{
    const int i = IndexOf(key);
    if (i < 0 || !Entries[i].Live || !SameKey(Entries[i].Key, key))
        return nullptr;
    return &Entries[i].Entry;
}

TBoundEntry& TBoundCache::Start(const TBoundKey& key)
{
    int i = IndexOf(key);
    if (i < 0) {
        i = static_cast<int>(Entries.size());
        Entries.emplace_back();
        EntryIndex.Set(KeyHash(key), i);
    }
    TStored& stored = Entries[i];
    stored.Key = key;
    stored.Live = false;
    ++stored.Version;  // the registrations of what stood here before no longer count
    stored.Entry.Clear();
    Recording = i;
    LastCell = ~std::uint64_t{0};
    return stored.Entry;
}

void TBoundCache::Register(TVector3 point)
{
    const std::uint64_t cell = PackCell(CacheCell(point.X), CacheCell(point.Y), CacheCell(point.Z));
    if (cell != LastCell)
        ExaminedCells.push_back(cell);
    LastCell = cell;
}

void TBoundCache::Finish()
{
    // One registration for each cell the entry examined: the readings examine many
    // points again and again.
    std::sort(ExaminedCells.begin(), ExaminedCells.end());
    ExaminedCells.erase(std::unique(ExaminedCells.begin(), ExaminedCells.end()), ExaminedCells.end());
    const std::uint32_t version = Entries[Recording].Version;
    for (const std::uint64_t cell : ExaminedCells) {
        const int r = static_cast<int>(Registrations.size());
        Registrations.push_back(TRegistration{cell, Recording, version, CellHead.Find(cell)});
        CellHead.Set(cell, r);
    }
    ExaminedCells.clear();
    Entries[Recording].Live = true;
    Recording = -1;
}
