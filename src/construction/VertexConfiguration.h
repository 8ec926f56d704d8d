// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the user asks for: the polygons round every vertex, how often they wind round it,
// and how far the search may go.

inline constexpr int MaxPolygonCount = 16;
inline constexpr int MinPolygonCount = 3;
inline constexpr int MaxPolygonCorners = 32;  // n of {n/d} is 3 ... 32

// The highest vertex limit the controls and the command line offer.
inline constexpr int MaxVertexLimit = 1000;

struct TVertexConfiguration {
    int PolygonCount = 3;         // k, 3 ... 16
    int N[MaxPolygonCount] = {};  // polygon i is {N[i]/D[i]}, in cyclic order round the vertex
    int D[MaxPolygonCount] = {};
    int Winding = 1;        // full turns the polygons make round the vertex, 0 ... 7
    bool AddLast = false;   // the last polygon lies between the first and the second-to-last
    int VertexLimit = 200;  // 10 ... MaxVertexLimit in steps of 10
};
