// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The faces cut by one another, plane by plane. Every plane that holds a face is cut along
// the lines where the other planes meet it, as far as both planes' faces reach; the pieces
// between the cuts are the cells the outer surface is assembled from. The solid's corners
// are doubles, so a face is planar and a corner shared by several faces only to a rounding;
// rather than carry that rounding into exact arithmetic (where it leaves slivers a rounding
// wide), every point is snapped into one pool, so that a corner, or the point where three
// planes meet, is the same point in every plane that holds it.

#include "solid/OuterSurface.h"

#include <array>
#include <unordered_map>
#include <vector>

// Points closer than the snap distance are one point. The solids have unit edges and no
// two distinct features closer than about 1e-4, while a point worked out in two planes
// differs by a few roundings.
class TPointPool {
public:
    static constexpr double Snap = 1e-8;

    [[nodiscard]] int Add(const TVector3& p);
    [[nodiscard]] const std::vector<TVector3>& Points() const { return Points_; }

private:
    [[nodiscard]] static long long CellKey(long long x, long long y, long long z);
    std::vector<TVector3> Points_;
    std::unordered_map<long long, std::vector<int>> Cells_;
};

// A filled triangle of a face, in the plane's own coordinates, anticlockwise.
struct TPlaneFill {
    std::array<std::array<double, 2>, 3> Corner{};
    int Face = 0;
};

// One plane and the faces in it (faces that lie in one plane are cut and filled together,
// so that where they overlap there is one piece, not two lying on one another).
struct TFacePlane {
    TVector3 Normal;  // unit
    double Offset = 0.0;
    TVector3 Origin, U, V;  // the plane's own coordinates: p = Origin + x U + y V
    std::vector<int> Faces;
    std::vector<TPlaneFill> Fills;

    [[nodiscard]] std::array<double, 2> Project(const TVector3& p) const;
    // The first face of the plane whose filling covers q, or -1.
    [[nodiscard]] int FaceAt(const std::array<double, 2>& q) const;
};

// The planes of the faces, with each face's filling: a star round its centre (its core is
// covered more than once), any other polygon as a fan from its first corner, as the view
// fills them.
[[nodiscard]] std::vector<TFacePlane> FacePlanes(const std::vector<TSurfaceFace>& faces);

// For each plane, the edges (pairs of pool points) that cut it into cells: the sides of its
// faces and the lines where other planes' faces cross it, split wherever two of them meet
// and at every point of any plane that lies on them.
[[nodiscard]] std::vector<std::vector<std::array<int, 2>>> PlaneCuts(const std::vector<TFacePlane>& planes,
                                                                     const std::vector<TSurfaceFace>& faces,
                                                                     TPointPool& pool);

// The plane's cells as triangles: a constrained triangulation of the points (pool indices
// with their places in the plane) in which every cut is an edge; each triangle
// anticlockwise in the plane's coordinates, of pool indices. False when two cuts cross
// where no point was found for them, so that the triangulation would need a point of its
// own that no other plane has.
[[nodiscard]] bool TriangulateCuts(const std::vector<std::array<double, 2>>& places, const std::vector<int>& points,
                                   const std::vector<std::array<int, 2>>& cuts,
                                   std::vector<std::array<int, 3>>& triangles);
