// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the search's bound has worked out about each unfinished vertex, kept from one check
// to the next. What a vertex needs depends only on its fan (how many polygons, which
// readings can still continue it, where its last end stands) and on which vertices lie
// near the points the bound examined on its behalf. So an entry is found again by its fan,
// wherever the vertex stands in the list, and it is forgotten as soon as a vertex comes or
// goes near one of its points. Between two checks the search changes a small part of its
// frontier, and forcing puts back mostly the same vertices, so most entries are reused.

#include "construction/IndexTable.h"
#include "construction/SearchSolid.h"

#include <cstdint>
#include <vector>

struct TBoundKey {
    TVector3 At;       // the vertex
    TVector3 LastEnd;  // its fan's last end
    int FanCount = 0;
    std::uint32_t Matching = 0;  // the readings that can still continue the fan
    int Layer = 1;               // 1: its own new corners; 2: their needs in turn as well
};

// A corner of a polygon that a reading of the vertex would place: at a vertex (its exact
// place) or new.
struct TReadingCorner {
    TVector3 Place;
    bool AtVertex = false;
};

struct TReadingPolygon {
    int N = 0;
    int FirstCorner = 0;  // its corners in TBoundEntry::Corners, in order round it
    bool AllAtVertices = false;
};

struct TReadingNeed {
    double Need = 0.0;   // the new points the reading adds (and the far corners' needs, in layer 2)
    bool Judged = true;  // false: whether it can be completed is not decided (two corners at one vertex)
    int FirstPolygon = 0;
    int PolygonCount = 0;
};

struct TBoundEntry {
    bool Abstains = false;               // some predicted point is neither clearly at one vertex nor clearly new
    std::vector<TReadingNeed> Readings;  // the fewest-needing first
    std::vector<TReadingPolygon> Polygons;
    std::vector<TReadingCorner> Corners;
    std::vector<TVector3> Usable;     // the new points any of the readings may use
    std::vector<std::uint64_t> Keys;  // the bound's grid cell of each

    void Clear()
    {
        Abstains = false;
        Readings.clear();
        Polygons.clear();
        Corners.clear();
        Usable.clear();
        Keys.clear();
    }
};

class TBoundCache {
public:
    // Forgets everything. radius: how near a vertex must be to an examined point to
    // matter to it.
    void Reset(double radius);
    // Compares the vertices with those at the last call and forgets every entry that
    // examined a point near one that came or went since.
    void Sync(const TSearchSolid& work);
    // The entry kept for key, or nullptr. Entries move when one is started or the store
    // compacted: a pointer or reference holds until the next Start or Sync.
    [[nodiscard]] const TBoundEntry* Find(const TBoundKey& key) const;
    // Starts working out the entry for key: until Finish, every point passed to Examine
    // is one the entry depends on.
    TBoundEntry& Start(const TBoundKey& key);
    void Examine(TVector3 point)
    {
        if (Recording >= 0)
            Register(point);
    }
    void Finish();

private:
    struct TStored {
        TBoundKey Key;
        TBoundEntry Entry;
        std::uint32_t Version = 0;
        bool Live = false;
    };
    struct TRegistration {
        std::uint64_t Cell;
        int Entry;
        std::uint32_t Version;
        int Next;  // the cell's older registration, or -1
    };

    [[nodiscard]] int IndexOf(const TBoundKey& key) const;
    // Notes the cell of a point the entry being worked out examines.
    void Register(TVector3 point);
    // Forgets the entries that examined a point within Radius of point.
    void ForgetNear(TVector3 point);
    void CompareTails(const TSearchSolid& work, int common);
    // Drops the forgotten entries and every registration that no longer counts.
    void Compact();

    double Radius = 0.0;
    std::vector<TStored> Entries;
    TIndexTable EntryIndex;  // by the key's hash
    std::vector<TRegistration> Registrations;
    TIndexTable CellHead;  // the newest registration in each cell
    int Recording = -1;
    std::uint64_t LastCell = 0;
    std::vector<std::uint64_t> ExaminedCells;  // by the entry being worked out
    std::vector<TVector3> Seen;                // the vertices at the last Sync
    TIndexTable SeenTail;                      // scratch: the vertices that may have gone, by position
    std::vector<bool> Matched;
    std::vector<int> Moved;                              // scratch: where each entry went in a compaction
    std::size_t LiveEntries = 0, LiveRegistrations = 0;  // at the last compaction
};
