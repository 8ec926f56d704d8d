// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The solid the search works on. It holds the same information as a TPolyFace, laid
// out flat, with hashed vertex, face and edge lookups, and keeps saved states as marks
// on an undo trail instead of deep copies: restoring a state undoes the fan changes
// made since its mark and drops the vertices, faces and edges added after it.
// It also knows, for every vertex, whether its fan can still be continued by some
// reading of the configuration, so the check of all vertices is one comparison.

#include "geometry/PolyhedronFunc.h"

#include "construction/IndexTable.h"
#include "construction/RowStore.h"

#include <array>
#include <cstdint>
#include <vector>

// The distinct cyclic readings of the configuration (at most 2 x 16, so a set of them
// fits in 32 bits), with, for every place j and polygon kind, the set of readings that
// have that kind at place j: a fan matches the readings common to all its places.
class TArrangementTable {
public:
    // readings[a] = [start, direction, n0 ... nk-1], ds[a] = [d0 ... dk-1].
    void Build(int k, const std::vector<std::vector<int>>& readings, const std::vector<std::vector<int>>& ds);

    [[nodiscard]] int K() const { return Polygons; }
    [[nodiscard]] int Count() const { return static_cast<int>(Start.size()); }
    [[nodiscard]] int StartOf(int a) const { return Start[a]; }
    [[nodiscard]] int DirectionOf(int a) const { return Direction[a]; }
    [[nodiscard]] std::uint32_t All() const { return AllReadings; }
    // The readings whose polygon at place j is {n/d}.
    [[nodiscard]] std::uint32_t AtPlace(int j, int n, int d) const;
    // The readings whose first m polygons are those of the fan.
    [[nodiscard]] std::uint32_t Matching(const int* fanN, const int* fanD, int m) const;

private:
    int Polygons = 0;
    int KindCount = 0;
    std::uint32_t AllReadings = 0;
    std::vector<int> Start;
    std::vector<int> Direction;
    std::vector<int> KindIndex;            // by n * 33 + d; -1 for kinds not in the configuration
    std::vector<std::uint32_t> PlaceMask;  // by j * KindCount + kind
};

class TSearchSolid {
public:
    void Reset(const TArrangementTable& table);

    [[nodiscard]] int VertexCount() const { return static_cast<int>(Points.size()); }
    [[nodiscard]] int FaceCount() const { return static_cast<int>(FaceSizes.size()); }
    [[nodiscard]] int EdgeCount() const { return static_cast<int>(EdgeEnds.size()); }
    [[nodiscard]] TVector3 Vertex(int v) const { return Points[v]; }
    [[nodiscard]] int FanCount(int v) const { return Fans[v].Count; }
    [[nodiscard]] int FanFirst(int v) const { return Fans[v].First; }
    [[nodiscard]] int FanLast(int v) const { return Fans[v].Last; }
    [[nodiscard]] int PendingCount(int v) const { return Fans[v].PendingCount; }
    [[nodiscard]] const int* FanN(int v) const { return FanNs.Row(v); }
    [[nodiscard]] const int* FanD(int v) const { return FanDs.Row(v); }
    // The readings of the configuration that can continue v's fan.
    [[nodiscard]] std::uint32_t MatchingReadings(int v) const { return Fans[v].Matching; }

    // The lowest-numbered vertex within 1e-9 of point, or a new one.
    int FindOrAddVertex(TVector3 point);
    // How many vertices lie within radius of point (radius well below a grid cell, 1/64),
    // counting no further than two; nearest gets the closest of them and its distance.
    int CountVerticesNear(TVector3 point, double radius, int& nearest, double& nearestDistance) const;
    // The lowest-numbered face with the same cyclic vertex list either way, or -1.
    [[nodiscard]] int FindFace(const int* indices, int size) const;
    // The same, or a new one.
    int FindOrAddFace(const int* indices, int size, int n, int d);
    // The faces through v that are not in its fan (they join it when v is completed).
    [[nodiscard]] const int* Pending(int v) const { return PendingList.Row(v); }
    void AddEdge(int a, int b);

    // Fan changes at vertex v, each recorded on the trail.
    void StartFan(int v, int first, int last, int n, int d, int face);
    void AppendToFan(int v, int last, int n, int d, int face);
    void PrependToFan(int v, int first, int n, int d, int face);
    void AddPending(int v, int face);
    void RemoveFirstPending(int v, int face);  // no change when face is not pending at v

    // True when some vertex's fan can no longer be continued by any reading.
    [[nodiscard]] bool AnyVertexStuck() const { return StuckCount > 0; }

    // Saved states: Save marks the present state; Restore returns to the newest mark
    // and drops it, giving back its resume vertex and its next choice. There must be one.
    void Save(int resumeVertex, int nextChoice);
    [[nodiscard]] int Restore(int& nextChoice);
    [[nodiscard]] int SavedCount() const { return static_cast<int>(Marks.size()); }

    // The axis frame of vertex v (sin A, cos A, sin B, cos B), once it has been worked out:
    // a vertex never moves, so its frame is computed once however often it is completed.
    [[nodiscard]] const TAxisFrame* KnownFrame(int v) const { return FrameKnown[v] ? &Frames[v] : nullptr; }
    void KeepFrame(int v, const TAxisFrame& frame)
    {
        Frames[v] = frame;
        FrameKnown[v] = true;
    }

    // Writes the solid into the record every other part of the engine reads.
    void ExportTo(TPolyFace& solid) const;

    int NextChoice = 0;

private:
    struct TFan {
        int Count = 0;
        int First = -1;
        int Last = -1;
        int PendingCount = 0;
        int NeighbourCount = 0;
        std::uint32_t Matching = 0;  // readings that agree with the fan so far
    };
    enum class TChange : std::uint8_t { StartFan, Append, Prepend, AddPending, RemovePending };
    struct TTrailEntry {
        TChange Change;
        std::uint32_t OldMatching;
        int Vertex;
        int OldEnd;  // the fan end replaced, or the position of a removed pending face
        int Face;
    };
    struct TMark {
        std::size_t TrailLength;
        int Vertices, Faces, Edges;
        int ResumeVertex, NextChoice;
    };

    [[nodiscard]] bool Stuck(const TFan& fan) const;
    // The lowest-numbered face of the key's list (head its newest) with that vertex list.
    [[nodiscard]] int FindFaceFrom(int head, const int* indices, int size) const;
    [[nodiscard]] int LowestVertexInCell(std::uint64_t cell, TVector3 point, int found) const;
    void ReserveFan(int count);
    // Records a change of v's fan on the trail and recounts the stuck vertices.
    void Changed(int v, TChange change, int oldEnd, int face, std::uint32_t oldMatching, bool wasStuck);
    void Undo(const TTrailEntry& entry);
    void DropVerticesFrom(int count);
    void DropFacesFrom(int count);
    void DropEdgesFrom(int count);

    const TArrangementTable* Table = nullptr;
    int StuckCount = 0;

    std::vector<TVector3> Points;
    std::vector<TFan> Fans;
    TRowStore FanNs, FanDs, FanFaceList, PendingList;
    TRowStore Neighbours;  // the other end of every edge at the vertex, oldest first
    std::vector<TAxisFrame> Frames;
    std::vector<bool> FrameKnown;
    std::vector<int> CellNext;  // vertices sharing a grid cell
    TIndexTable CellHead;

    std::vector<int> FaceStart, FaceSizes, FaceNs, FaceDs, FaceVertices;
    std::vector<int> FaceNext;  // faces sharing a key
    std::vector<std::uint64_t> FaceKeys;
    TIndexTable FaceHead;

    std::vector<std::pair<int, int>> EdgeEnds;

    std::vector<TTrailEntry> Trail;
    std::vector<TMark> Marks;
};
