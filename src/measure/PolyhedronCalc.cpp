// SPDX-License-Identifier: GPL-3.0-or-later
#include "measure/PolyhedronCalc.h"
#include "solid/OuterSurface.h"

#include "common/Messages.h"
#include "common/NumberFormat.h"

#include <cmath>

int CountDualFaces(const TDualSolid& dual)
{
    return dual.Pieces > 0 ? dual.Faces.FaceCount / dual.Pieces : 0;
}

int CountDualVertices(const TDualSolid& dual)
{
    if (dual.Faces.FaceCount == 0)
        return 0;
    if (dual.FaceKind == -1)
        return dual.VertexCount;
    // Drop the two reference entries and, for fans, the centre added to every dual face.
    return dual.Faces.VertexCount - CountDualFaces(dual) * dual.FaceKind - 2;
}

namespace {

// The configuration polygon a face is, matched by n and d; -1 when none.
int PolygonOfFace(const TVertexGeometry& geometry, const TPolyFace& solid, int f)
{
    // {5} and {5/2} have the same side count but not the same area: match n and d both.
    for (std::size_t j = 0; j < geometry.PolyN.size(); ++j)
        if (geometry.PolyN[j] == solid.FaceN[f] && geometry.PolyD[j] == solid.FaceD[f])
            return static_cast<int>(j);
    return -1;
}

}  // namespace

double SurfaceArea(const TBuiltSolid& built)
{
    const TVertexGeometry& geometry = *built.Geometry;
    const TPolyFace& solid = built.Raw;
    double area = 0.0;
    for (int f = 0; f < solid.FaceCount; ++f) {
        const int j = PolygonOfFace(geometry, solid, f);
        if (j < 0)
            return 0.0;
        area += geometry.PolygonArea[j];
    }
    return area;
}

double Volume(const TBuiltSolid& built)
{
    const TVertexGeometry& geometry = *built.Geometry;
    const TPolyFace& solid = built.Raw;
    // One pyramid from the centre to every face; a face with circumradius r lies at
    // sqrt(R^2 - r^2) from the centre of the sphere through its corners.
    double volume = 0.0;
    const double big = geometry.SphereRadius * geometry.SphereRadius;
    for (int f = 0; f < solid.FaceCount; ++f) {
        const int j = PolygonOfFace(geometry, solid, f);
        if (j < 0)
            return 0.0;
        const double height = std::sqrt(std::fabs(big - geometry.PolygonRadius[j] * geometry.PolygonRadius[j]));
        volume += height * geometry.PolygonArea[j] / 3.0;
    }
    return volume;
}

std::vector<std::vector<std::string>> PolygonTableRows(const TVertexGeometry& geometry)
{
    std::vector<std::vector<std::string>> rows = {{Text(TMessage::TableRowPolygon)},
                                                  {Text(TMessage::TableRowDiagonal)},
                                                  {Text(TMessage::TableRowCircumradius)},
                                                  {Text(TMessage::TableRowArea)}};
    for (int j = 0; j < geometry.PolygonCount; ++j) {
        std::string symbol = std::to_string(geometry.PolyN[j]);
        if (geometry.PolyD[j] >= 2) {
            symbol += '/';
            symbol += std::to_string(geometry.PolyD[j]);
        }
        rows[0].push_back(symbol);
        rows[1].push_back(FormatGeneral(geometry.Chord[j]));
        rows[2].push_back(FormatGeneral(geometry.PolygonRadius[j]));
        rows[3].push_back(FormatGeneral(geometry.PolygonArea[j]));
    }
    return rows;
}

std::array<std::string, 6> SolidFigureTexts(const TVertexGeometry& geometry, const TBuiltSolid* solid,
                                            const TDualSolid* dual, bool areaBlank)
{
    if (dual != nullptr)
        return {Text(TMessage::FigureFaces) + std::to_string(CountDualFaces(*dual)),
                Text(TMessage::FigureVertices) + std::to_string(CountDualVertices(*dual)),
                Text(TMessage::FigureEdges) + std::to_string(dual->Faces.EdgeCount),
                Text(TMessage::FigureSurfaceArea),
                Text(TMessage::FigureVolume),
                Text(TMessage::FigureInradius) + FormatGeneral(geometry.SphereRadius)};
    const TPolyFace empty;
    const TPolyFace& raw = solid != nullptr ? solid->Raw : empty;
    return {Text(TMessage::FigureFaces) + std::to_string(raw.FaceCount),
            Text(TMessage::FigureVertices) + std::to_string(raw.VertexCount),
            Text(TMessage::FigureEdges) + std::to_string(raw.EdgeCount),
            Text(TMessage::FigureSurfaceArea) + (areaBlank ? "" : FormatGeneral(solid ? SurfaceArea(*solid) : 0.0)),
            Text(TMessage::FigureVolume) + (areaBlank ? "" : FormatGeneral(solid ? Volume(*solid) : 0.0)),
            Text(TMessage::FigureCircumradius) + FormatGeneral(geometry.SphereRadius)};
}

TResult EnclosedFigures(const TBuiltSolid& solid, TEnclosedFigures& figures)
{
    figures = {};
    TOuterSurface surface;
    TResult result = FormOuterSurface(SolidSurfaceFaces(solid), surface);
    if (!result.Failed()) {
        figures.Volume = surface.Volume;
        figures.Area = surface.Area;
    }
    return result;
}

void AppendDualReport(const TDualSolid& dual, int polygonCount, TInfoPane& pane)
{
    const std::string report = DualEdgeReport(dual, polygonCount);
    std::size_t start = 0;
    for (std::size_t end = report.find("\r\n"); end != std::string::npos; end = report.find("\r\n", start)) {
        pane.AppendLine(report.substr(start, end - start));
        start = end + 2;
    }
    pane.AppendLine(report.substr(start));
    pane.AppendLine(SeparatorLine);
}
