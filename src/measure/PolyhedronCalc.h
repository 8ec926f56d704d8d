#pragma once
// Figures of a built solid and of its dual: counts, surface area, volume, the per-polygon
// table, the label texts and the dual's edge-length report. All for unit edge; all read
// the engine and change nothing.

#include "construction/PolyhedronBuild.h"

#include <array>
#include <string>
#include <vector>

// Counts of list position s (0: the solid under construction, s >= 1: found solid
// s - 1); 0 for a position outside the list.
[[nodiscard]] int CountFaces(const TBuild& engine, int s);
[[nodiscard]] int CountEdges(const TBuild& engine, int s);
[[nodiscard]] int CountVertices(const TBuild& engine, int s);
// The dual's faces and vertices as a person counts them, whatever pieces store them.
[[nodiscard]] int CountDualFaces(const TBuild& engine);
[[nodiscard]] int CountDualVertices(const TBuild& engine);
// Surface area and volume of list position s; 0 when a face matches no polygon of the
// configuration or s is outside the list.
[[nodiscard]] double SurfaceArea(const TBuild& engine, int s);
[[nodiscard]] double Volume(const TBuild& engine, int s);

// Rows 1 to 4 of the per-polygon table: the row title, then one cell per placed polygon.
[[nodiscard]] std::vector<std::vector<std::string>> PolygonTableRows(const TBuild& engine);
// The six figure labels: faces, vertices, edges, area, volume, sphere radius.
[[nodiscard]] std::array<std::string, 6> SolidFigureTexts(const TBuild& engine, int s, bool dualShown, bool areaBlank);

// The dual's edge lengths grouped, with the precision their spread allows; lines
// separated by CR LF. The group means go to groupLengths when it is given.
[[nodiscard]] std::string DualEdgeReport(const TBuild& engine, std::vector<double>* groupLengths = nullptr);

// Appends the dual edge-length report to the pane, one line per CR LF, then the separator,
// as the window does after the first redraw that shows a dual.
void AppendDualReport(const TBuild& engine, TInfoPane& pane);
