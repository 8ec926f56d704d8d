// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Figures of a built solid and of its dual: counts, surface area, volume, the per-polygon
// table, the label texts and the dual's edge-length report. All for unit edge; all read
// values and change nothing.

#include "common/InfoPane.h"
#include "common/Result.h"
#include "construction/BuiltSolid.h"

#include <array>
#include <string>
#include <vector>

// The dual's faces and vertices as a person counts them, whatever pieces store them.
[[nodiscard]] int CountDualFaces(const TDualSolid& dual);
[[nodiscard]] int CountDualVertices(const TDualSolid& dual);
// Surface area and volume; 0 when a face matches no polygon of the configuration.
[[nodiscard]] double SurfaceArea(const TBuiltSolid& built);
[[nodiscard]] double Volume(const TBuiltSolid& built);

// What the solid encloses and the area of its outer surface (see solid/OuterSurface.h):
// for a convex solid its volume and area, for a star solid what a model of it holds.
struct TEnclosedFigures {
    double Volume = 0.0;
    double Area = 0.0;
};
[[nodiscard]] TResult EnclosedFigures(const TBuiltSolid& solid, TEnclosedFigures& figures);

// Rows 1 to 4 of the per-polygon table: the row title, then one cell per placed polygon.
[[nodiscard]] std::vector<std::vector<std::string>> PolygonTableRows(const TVertexGeometry& geometry);
// The six figure labels: faces, vertices, edges, area, volume, sphere radius. Of the dual
// when it is given, else of the solid (counted as empty when null), with geometry's radius.
[[nodiscard]] std::array<std::string, 6> SolidFigureTexts(const TVertexGeometry& geometry, const TBuiltSolid* solid,
                                                          const TDualSolid* dual, bool areaBlank);

// The dual's edge lengths grouped, with the precision their spread allows; lines
// separated by CR LF. The group means go to groupLengths when it is given. polygonCount
// is that of the solid's vertex.
[[nodiscard]] std::string DualEdgeReport(const TDualSolid& dual, int polygonCount,
                                         std::vector<double>* groupLengths = nullptr);

// Appends the dual edge-length report to the pane, one line per CR LF, then the separator,
// as the window does the first time it shows a dual after a build.
void AppendDualReport(const TDualSolid& dual, int polygonCount, TInfoPane& pane);
