#include "measure/PolyhedronCalc.h"

#include "common/NumberFormat.h"

#include <cmath>

const TPolyFace* TCalc::SolidAt(int s) const
{
    if (s == 0)
        return &Current;
    if (s < 0 || s > FoundCount)
        return nullptr;
    return &FoundSolids[s - 1];
}

int TCalc::CountFaces(int s) const
{
    const TPolyFace* solid = SolidAt(s);
    return solid ? solid->FaceCount : 0;
}

int TCalc::CountEdges(int s) const
{
    const TPolyFace* solid = SolidAt(s);
    return solid ? solid->EdgeCount : 0;
}

int TCalc::CountVertices(int s) const
{
    const TPolyFace* solid = SolidAt(s);
    return solid ? solid->VertexCount : 0;
}

int TCalc::CountDualFaces() const
{
    return DualPieces > 0 ? Dual.FaceCount / DualPieces : 0;
}

int TCalc::CountDualVertices() const
{
    if (Dual.FaceCount == 0)
        return 0;
    if (DualFaceKind == -1)
        return DualVertexCount;
    // Drop the two reference entries and, for fans, the centre added to every dual face.
    return Dual.VertexCount - CountDualFaces() * DualFaceKind - 2;
}

int TCalc::PolygonOfFace(const TPolyFace& solid, int f) const
{
    // {5} and {5/2} have the same side count but not the same area: match n and d both.
    for (std::size_t j = 0; j < PolyN.size(); ++j)
        if (PolyN[j] == solid.FaceN[f] && PolyD[j] == solid.FaceD[f])
            return static_cast<int>(j);
    return -1;
}

double TCalc::SurfaceArea(int s) const
{
    const TPolyFace* solid = SolidAt(s);
    if (solid == nullptr)
        return 0.0;
    double area = 0.0;
    for (int f = 0; f < solid->FaceCount; ++f) {
        const int j = PolygonOfFace(*solid, f);
        if (j < 0)
            return 0.0;
        area += PolygonArea[j];
    }
    return area;
}

double TCalc::Volume(int s) const
{
    const TPolyFace* solid = SolidAt(s);
    if (solid == nullptr)
        return 0.0;
    // One pyramid from the centre to every face; a face with circumradius r lies at
    // sqrt(R^2 - r^2) from the centre of the sphere through its corners.
    double volume = 0.0;
    const double big = SphereRadius * SphereRadius;
    for (int f = 0; f < solid->FaceCount; ++f) {
        const int j = PolygonOfFace(*solid, f);
        if (j < 0)
            return 0.0;
        const double height = std::sqrt(std::fabs(big - PolygonRadius[j] * PolygonRadius[j]));
        volume += height * PolygonArea[j] / 3.0;
    }
    return volume;
}

std::vector<std::vector<std::string>> TCalc::PolygonTableRows() const
{
    std::vector<std::vector<std::string>> rows = {{"正n角形"}, {"対角線"}, {"外接円半径"}, {"面積"}};
    for (int j = 0; j < PolygonCount; ++j) {
        std::string symbol = std::to_string(PolyN[j]);
        if (PolyD[j] >= 2) {
            symbol += '/';
            symbol += std::to_string(PolyD[j]);
        }
        rows[0].push_back(symbol);
        rows[1].push_back(FormatGeneral(Chord[j]));
        rows[2].push_back(FormatGeneral(PolygonRadius[j]));
        rows[3].push_back(FormatGeneral(PolygonArea[j]));
    }
    return rows;
}

std::array<std::string, 6> TCalc::SolidFigureTexts(int s, bool dualShown, bool areaBlank) const
{
    if (dualShown)
        return {"面の数：" + std::to_string(CountDualFaces()), "頂点の数：" + std::to_string(CountDualVertices()),
                "辺の数：" + std::to_string(Dual.EdgeCount),   "表面積：",
                "体積：",                                       "内接球半径：" + FormatGeneral(SphereRadius)};
    return {"面の数：" + std::to_string(CountFaces(s)),
            "頂点の数：" + std::to_string(CountVertices(s)),
            "辺の数：" + std::to_string(CountEdges(s)),
            areaBlank ? "表面積：" : "表面積：" + FormatGeneral(SurfaceArea(s)),
            areaBlank ? "体積：" : "体積：" + FormatGeneral(Volume(s)),
            "外接球半径：" + FormatGeneral(SphereRadius)};
}

void AppendDualReport(TCalc& engine, TInfoPane& pane)
{
    const std::string report = engine.DualEdgeReport();
    std::size_t start = 0;
    for (std::size_t end = report.find("\r\n"); end != std::string::npos; end = report.find("\r\n", start)) {
        pane.AppendLine(report.substr(start, end - start));
        start = end + 2;
    }
    pane.AppendLine(report.substr(start));
    pane.AppendLine(SeparatorLine);
}
