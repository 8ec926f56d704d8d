// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What is shown, as every mesh format needs it: the true faces (each a polygon {n/d},
// star faces as their n-corner cycles) and the triangles the view fills (star faces split
// into the triangles round their centres, faces of a dual as fans), with one material per
// colour group. Coordinates are the engine's own: unit edges, centre at the origin.

#include "common/DisplaySettings.h"
#include "construction/BuiltSolid.h"

#include <string>
#include <vector>

struct TExportMaterial {
    std::string Name;  // "solid_ff8000", "dual_00ffff": the part and the colour
    TColour Colour{};
    double Opacity = 1.0;  // 0 ... 1
    bool Dual = false;
    bool DoubleSided = false;  // the back of its faces can be seen: see-through, or a star or non-convex solid
};

struct TExportFace {
    // Into TExportScene::Vertices, round the polygon in its own order or reversed: anticlockwise
    // seen from outside where the part encloses a volume, and each edge run opposite ways by
    // the two faces on it wherever the surface can be oriented so.
    std::vector<int> Corners;
    int N = 0;
    int D = 0;  // 0 for a face of a dual
    bool Dual = false;
    int Material = 0;
};

struct TExportTriangle {
    int Corner[3] = {0, 0, 0};  // wound as the face it fills
    int Material = 0;
};

struct TExportScene {
    std::vector<TVector3> Vertices;
    std::vector<TExportFace> Faces;
    std::vector<TExportTriangle> Triangles;
    std::vector<TExportMaterial> Materials;

    [[nodiscard]] bool Empty() const { return Faces.empty(); }
};

// The solid and its dual as formed for it, as the settings show them: the solid, its dual,
// or both. Empty when the solid has no vertex.
[[nodiscard]] TExportScene DescribeShown(const TBuiltSolid& solid, const TDualSolid& dual,
                                         const TDisplaySettings& settings);
// The face normal of a triangle of the scene, of unit length (zero for a degenerate one).
[[nodiscard]] TVector3 TriangleNormal(const TExportScene& scene, const TExportTriangle& triangle);
