#pragma once
// Figures of a built solid and of its dual: counts, surface area, volume, the per-polygon
// table, the label texts and the dual's edge-length report. All for unit edge.

#include "view/PolyhedronView.h"

#include <array>
#include <string>
#include <vector>

class TCalc : public TView {
public:
    // Counts of list position s (0: the solid under construction, s >= 1: found solid
    // s - 1); 0 for a position outside the list.
    [[nodiscard]] int CountFaces(int s) const;
    [[nodiscard]] int CountEdges(int s) const;
    [[nodiscard]] int CountVertices(int s) const;
    // The dual's faces and vertices as a person counts them, whatever pieces store them.
    [[nodiscard]] int CountDualFaces() const;
    [[nodiscard]] int CountDualVertices() const;
    // Surface area and volume of list position s; 0 when a face matches no polygon of the
    // configuration or s is outside the list.
    [[nodiscard]] double SurfaceArea(int s) const;
    [[nodiscard]] double Volume(int s) const;

    // Rows 1 to 4 of the per-polygon table: the row title, then one cell per placed polygon.
    [[nodiscard]] std::vector<std::vector<std::string>> PolygonTableRows() const;
    // The six figure labels: faces, vertices, edges, area, volume, sphere radius.
    [[nodiscard]] std::array<std::string, 6> SolidFigureTexts(int s, bool dualShown, bool areaBlank) const;

    // The dual's edge lengths grouped, with the precision their spread allows; lines
    // separated by CR LF. Leaves the group means in DualEdgeLengths.
    [[nodiscard]] std::string DualEdgeReport();

private:
    [[nodiscard]] const TPolyFace* SolidAt(int s) const;
    // The configuration polygon a face is, matched by n and d; -1 when none.
    [[nodiscard]] int PolygonOfFace(const TPolyFace& solid, int f) const;
};

// Appends the dual edge-length report to the pane, one line per CR LF, then the separator,
// as the window does after the first redraw that shows a dual.
void AppendDualReport(TCalc& engine, TInfoPane& pane);
