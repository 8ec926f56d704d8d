#pragma once
// The solid the search works on. It holds the same information as a TPolyFace, laid
// out flat, with hashed vertex, face and edge lookups, and keeps saved states as marks
// on an undo trail instead of deep copies: restoring a state undoes the fan changes
// made since its mark and drops the vertices, faces and edges added after it.
// It also knows, for every vertex, whether its fan can still be continued by some
// reading of the configuration, so the check of all vertices is one comparison.

#include "geometry/VectorFunc.h"

#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// The distinct cyclic readings of the configuration, flat: reading a holds the n's
// N[a*K] ... N[a*K+K-1] and the d's likewise.
struct TArrangementTable {
    int K = 0;
    int Count = 0;
    std::vector<int> Start;
    std::vector<int> Direction;
    std::vector<int> N;
    std::vector<int> D;

    // True when the first m polygons of a fan are the first m of reading a.
    [[nodiscard]] bool Matches(int a, const int* fanN, const int* fanD, int m) const;
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
    [[nodiscard]] const int* FanN(int v) const { return FanNs.data() + Slot(v); }
    [[nodiscard]] const int* FanD(int v) const { return FanDs.data() + Slot(v); }

    // The lowest-numbered vertex within 1e-9 of point, or a new one.
    int FindOrAddVertex(TVector3 point);
    // The lowest-numbered face with the same cyclic vertex list either way, or a new one.
    int FindOrAddFace(const int* indices, int size, int n, int d);
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
    // and drops it, giving back its resume vertex and its next choice.
    void Save(int resumeVertex, int nextChoice);
    int Restore(int& nextChoice);
    [[nodiscard]] int SavedCount() const { return static_cast<int>(Marks.size()); }

    // Writes the solid into the record every other part of the engine reads.
    void ExportTo(TPolyFace& solid) const;

    int NextChoice = 0;

private:
    struct TFan {
        int Count = 0;
        int First = -1;
        int Last = -1;
        int PendingCount = 0;
        bool Stuck = false;
    };
    enum class TChange : std::uint8_t { StartFan, Append, Prepend, AddPending, RemovePending };
    struct TTrailEntry {
        TChange Change;
        bool WasStuck;
        int Vertex;
        int OldEnd;    // the fan end replaced, or the position of a removed pending face
        int Face;
    };
    struct TMark {
        std::size_t TrailLength;
        int Vertices, Faces, Edges;
        int ResumeVertex, NextChoice;
    };

    [[nodiscard]] std::size_t Slot(int v) const { return static_cast<std::size_t>(v) * Stride; }
    void EnsureRoom(int v, int count);
    void Changed(int v, TChange change, int oldEnd, int face, bool wasStuck);
    void Undo(const TTrailEntry& entry);
    void UpdateStuck(int v);
    void DropVerticesFrom(int count);
    void DropFacesFrom(int count);
    void DropEdgesFrom(int count);

    const TArrangementTable* Table = nullptr;
    int Stride = 0;  // room for fan and pending entries per vertex
    int StuckCount = 0;

    std::vector<TVector3> Points;
    std::vector<TFan> Fans;
    std::vector<int> FanNs, FanDs, FanFaceList, PendingList;  // Stride entries per vertex
    std::vector<int> CellNext;                                // vertices sharing a grid cell
    std::unordered_map<std::uint64_t, int> CellHead;

    std::vector<int> FaceStart, FaceSizes, FaceNs, FaceDs, FaceVertices;
    std::vector<int> FaceNext;  // faces sharing a key
    std::vector<std::uint64_t> FaceKeys;
    std::unordered_map<std::uint64_t, int> FaceHead;

    std::vector<std::pair<int, int>> EdgeEnds;
    std::unordered_set<std::uint64_t> EdgeKeys;

    std::vector<TTrailEntry> Trail;
    std::vector<TMark> Marks;
};
