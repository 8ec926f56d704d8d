#include "measure/PolyhedronCalc.h"

#include "common/Messages.h"
#include "common/NumberFormat.h"

#include <cmath>

namespace {

const TPolyFace* SolidAt(const TBuild& engine, int s)
{
    if (s == 0)
        return &engine.Current;
    if (s < 0 || s > engine.FoundCount)
        return nullptr;
    return &engine.FoundSolids[s - 1];
}

}  // namespace

int CountFaces(const TBuild& engine, int s)
{
    const TPolyFace* solid = SolidAt(engine, s);
    return solid ? solid->FaceCount : 0;
}

int CountEdges(const TBuild& engine, int s)
{
    const TPolyFace* solid = SolidAt(engine, s);
    return solid ? solid->EdgeCount : 0;
}

int CountVertices(const TBuild& engine, int s)
{
    const TPolyFace* solid = SolidAt(engine, s);
    return solid ? solid->VertexCount : 0;
}

int CountDualFaces(const TBuild& engine)
{
    return engine.DualPieces > 0 ? engine.Dual.FaceCount / engine.DualPieces : 0;
}

int CountDualVertices(const TBuild& engine)
{
    if (engine.Dual.FaceCount == 0)
        return 0;
    if (engine.DualFaceKind == -1)
        return engine.DualVertexCount;
    // Drop the two reference entries and, for fans, the centre added to every dual face.
    return engine.Dual.VertexCount - CountDualFaces(engine) * engine.DualFaceKind - 2;
}

namespace {

// The configuration polygon a face is, matched by n and d; -1 when none.
int PolygonOfFace(const TBuild& engine, const TPolyFace& solid, int f)
{
    // {5} and {5/2} have the same side count but not the same area: match n and d both.
    for (std::size_t j = 0; j < engine.PolyN.size(); ++j)
        if (engine.PolyN[j] == solid.FaceN[f] && engine.PolyD[j] == solid.FaceD[f])
            return static_cast<int>(j);
    return -1;
}

}  // namespace

double SurfaceArea(const TBuild& engine, int s)
{
    const TPolyFace* solid = SolidAt(engine, s);
    if (solid == nullptr)
        return 0.0;
    double area = 0.0;
    for (int f = 0; f < solid->FaceCount; ++f) {
        const int j = PolygonOfFace(engine, *solid, f);
        if (j < 0)
            return 0.0;
        area += engine.PolygonArea[j];
    }
    return area;
}

double Volume(const TBuild& engine, int s)
{
    const TPolyFace* solid = SolidAt(engine, s);
    if (solid == nullptr)
        return 0.0;
    // One pyramid from the centre to every face; a face with circumradius r lies at
    // sqrt(R^2 - r^2) from the centre of the sphere through its corners.
    double volume = 0.0;
    const double big = engine.SphereRadius * engine.SphereRadius;
    for (int f = 0; f < solid->FaceCount; ++f) {
        const int j = PolygonOfFace(engine, *solid, f);
        if (j < 0)
            return 0.0;
        const double height = std::sqrt(std::fabs(big - engine.PolygonRadius[j] * engine.PolygonRadius[j]));
        volume += height * engine.PolygonArea[j] / 3.0;
    }
    return volume;
}

std::vector<std::vector<std::string>> PolygonTableRows(const TBuild& engine)
{
    std::vector<std::vector<std::string>> rows = {{Text(TMessage::TableRowPolygon)},
                                                  {Text(TMessage::TableRowDiagonal)},
                                                  {Text(TMessage::TableRowCircumradius)},
                                                  {Text(TMessage::TableRowArea)}};
    for (int j = 0; j < engine.PolygonCount; ++j) {
        std::string symbol = std::to_string(engine.PolyN[j]);
        if (engine.PolyD[j] >= 2) {
            symbol += '/';
            symbol += std::to_string(engine.PolyD[j]);
        }
        rows[0].push_back(symbol);
        rows[1].push_back(FormatGeneral(engine.Chord[j]));
        rows[2].push_back(FormatGeneral(engine.PolygonRadius[j]));
        rows[3].push_back(FormatGeneral(engine.PolygonArea[j]));
    }
    return rows;
}

std::array<std::string, 6> SolidFigureTexts(const TBuild& engine, int s, bool dualShown, bool areaBlank)
{
    if (dualShown)
        return {Text(TMessage::FigureFaces) + std::to_string(CountDualFaces(engine)),
                Text(TMessage::FigureVertices) + std::to_string(CountDualVertices(engine)),
                Text(TMessage::FigureEdges) + std::to_string(engine.Dual.EdgeCount),
                Text(TMessage::FigureSurfaceArea),
                Text(TMessage::FigureVolume),
                Text(TMessage::FigureInradius) + FormatGeneral(engine.SphereRadius)};
    return {Text(TMessage::FigureFaces) + std::to_string(CountFaces(engine, s)),
            Text(TMessage::FigureVertices) + std::to_string(CountVertices(engine, s)),
            Text(TMessage::FigureEdges) + std::to_string(CountEdges(engine, s)),
            Text(TMessage::FigureSurfaceArea) + (areaBlank ? "" : FormatGeneral(SurfaceArea(engine, s))),
            Text(TMessage::FigureVolume) + (areaBlank ? "" : FormatGeneral(Volume(engine, s))),
            Text(TMessage::FigureCircumradius) + FormatGeneral(engine.SphereRadius)};
}

void AppendDualReport(const TBuild& engine, TInfoPane& pane)
{
    const std::string report = DualEdgeReport(engine);
    std::size_t start = 0;
    for (std::size_t end = report.find("\r\n"); end != std::string::npos; end = report.find("\r\n", start)) {
        pane.AppendLine(report.substr(start, end - start));
        start = end + 2;
    }
    pane.AppendLine(report.substr(start));
    pane.AppendLine(SeparatorLine);
}
