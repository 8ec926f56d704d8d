// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Vectors, 3x3 matrices and the solid record shared by every part of the engine.

#include <vector>

// A point or direction. In the view, X is depth (away from the viewer), Y screen right, Z screen down.
struct TVector3 {
    double X = 0.0;
    double Y = 0.0;
    double Z = 0.0;
};

// A 3x3 matrix stored row by row: M[row][column].
struct TMatrix3 {
    double M[3][3] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
};

[[nodiscard]] TVector3 MakeVector(double x, double y, double z);
// Euclidean length; the sum of squares and the root are formed in extended precision.
[[nodiscard]] double VectorLength(TVector3 v);
[[nodiscard]] TVector3 ScaleVector(TVector3 v, double s);
[[nodiscard]] TVector3 AddVectors(TVector3 a, TVector3 b);
[[nodiscard]] TVector3 SubtractVectors(TVector3 a, TVector3 b);
// Summed in extended precision, returned as a double.
[[nodiscard]] double DotProduct(TVector3 a, TVector3 b);
// The right-handed cross product a x b.
[[nodiscard]] TVector3 CrossProduct(TVector3 a, TVector3 b);
// v := v / |v|. A zero vector is left as it is.
void Normalize(TVector3& v);
// v := v / -|v|, the unit vector pointing the other way. A zero vector is left as it is.
void NormalizeNegated(TVector3& v);
// p := s * p. s is taken by value, so p may be the same matrix as s.
void MultiplyMatrixInto(TMatrix3 s, TMatrix3& p);

// 2 pi / n formed in extended precision and rounded to double, as every polygon angle starts.
[[nodiscard]] double TurnFraction(int n);
// asin and acos as two-argument arctangents, as the whole engine forms them.
[[nodiscard]] double ArcSin(double x);
[[nodiscard]] double ArcCos(double x);

// One solid: vertices with the fan of polygons fitted round each, faces, edges and
// two counters of search bookkeeping. A value record: copying duplicates everything.
// The counts are authoritative; the per-vertex, per-face and per-edge vectors hold
// at least that many entries.
struct TPolyFace {
    std::vector<TVector3> Vertices;
    std::vector<std::vector<int>> FanN;      // n of each polygon in the vertex's fan, first end to last end
    std::vector<std::vector<int>> FanD;      // d of each polygon in the fan
    std::vector<int> FanCount;               // polygons in the fan
    std::vector<int> FanFirst;               // neighbour at the first end of the fan, -1 while empty
    std::vector<int> FanLast;                // neighbour at the last end of the fan, -1 while empty
    std::vector<std::vector<int>> FanFaces;  // face number of each polygon in the fan
    std::vector<std::vector<int>> Pending;   // faces at the vertex that join neither end of its fan yet
    std::vector<int> PendingCount;
    int VertexCount = 0;

    std::vector<std::vector<int>> Faces;  // vertex numbers of each face in cyclic order
    int FaceCount = 0;
    std::vector<int> FaceSize;
    std::vector<int> FaceN;  // n of the polygon {n/d} the face is (or belongs to)
    std::vector<int> FaceD;  // d of that polygon; 0 marks a face of a dual

    std::vector<int> EdgeA;
    std::vector<int> EdgeB;
    std::vector<bool> EdgeFlag;
    int EdgeCount = 0;

    int NextChoice = 0;    // which matching arrangement to use at the vertex being completed
    int ResumeVertex = 0;  // in a saved state: the vertex at which the search resumes

    // Sets the three counts to zero and drops the stored entries.
    void Clear();
    // Appends a vertex with an empty fan; returns its index.
    int AppendVertex(TVector3 point);
    // Appends a face; returns its index.
    int AppendFace(const int* indices, int size, int n, int d);
    void AppendEdge(int a, int b, bool flag);
};

using TPolyFaceArray = std::vector<TPolyFace>;
