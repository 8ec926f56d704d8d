// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/PolyhedronVRML.h"

#include "export/ExportColours.h"

namespace {

const char* const Blanks8 = "        ";

std::string Transparency(int alphaItem)
{
    switch (alphaItem) {
    case 0:
        return "0.4";
    case 1:
        return "0.5";
    case 2:
        return "0.6";
    default:
        return "0.75";
    }
}

std::string PointLine(TVector3 v, double factor, bool last)
{
    return Blanks8 + CoordinateText(v.X * factor) + " " + CoordinateText(v.Y * factor) + " "
           + CoordinateText(v.Z * factor) + (last ? "" : ",");
}

void WritePoints(std::vector<std::string>& lines, const TPolyFace& solid, int first, double factor)
{
    lines.emplace_back("      point [");
    for (int v = first; v < solid.VertexCount; ++v)
        lines.push_back(PointLine(solid.Vertices[v], factor, v == solid.VertexCount - 1));
    lines.emplace_back("      ]");
}

// The colour list of a shape, and the index into it of each face.
std::string ColourList(const TDisplaySettings& settings, bool isDual)
{
    std::string list = "      color [";
    const auto palette = [&](int group) {
        for (const TColour c : settings.Groups[group].Palette)
            list += ", " + ColourText(c);
    };
    if (isDual) {
        if (settings.Groups[1].Mono)
            return list + ColourText(settings.Groups[1].Single) + "]";
        list += ColourText(settings.Groups[1].Palette[0]);
        for (int i = 1; i < PaletteSize; ++i)
            list += ", " + ColourText(settings.Groups[1].Palette[i]);
        return list + "]";
    }
    list += ColourText(settings.Groups[0].Single) + ", " + ColourText(settings.Groups[2].Single);
    if (!(settings.Groups[0].Mono && settings.Groups[2].Mono)) {
        palette(0);
        palette(2);
    }
    return list + "]";
}

int ColourIndex(const TDisplaySettings& settings, bool isDual, int n, int d)
{
    if (isDual)
        return settings.Groups[1].Mono ? 0 : n - 3;
    if (ColourGroup(n, d) == 0)
        return settings.Groups[0].Mono ? 0 : n - 1;
    return settings.Groups[2].Mono ? 1 : n + 29;
}

}  // namespace

namespace {
std::string CameraDistance(double sphereRadius, double dualRadius, const TDisplaySettings& settings);
void WriteFaceShape(double sphereRadius, std::vector<std::string>& lines, const TPolyFace& display, bool isDual,
                    const TDisplaySettings& settings);
void WriteEdgeShape(double sphereRadius, std::vector<std::string>& lines, const TPolyFace& raw, bool isDual,
                    const TDisplaySettings& settings);
}  // namespace

namespace {

std::string CameraDistance(double sphereRadius, double dualRadius, const TDisplaySettings& settings)
{
    // The fitted modes stand the camera at five radii of what is shown; the fixed ones
    // let the apparent size grow with R, as on screen.
    switch (settings.ZoomMode) {
    case 1:
        return settings.DualShown ? CoordinateText(10.0 * dualRadius / sphereRadius) : "10";
    case 2:
        return CoordinateText(20.0 / sphereRadius);
    case 3:
        return CoordinateText(10.0 / sphereRadius);
    case 4:
        return CoordinateText(5.0 / sphereRadius);
    default:
        return "10";
    }
}

}  // namespace

std::vector<std::string> WriteVRML(const TBuiltSolid& solid, const TDualSolid& dual, const TDisplaySettings& settings)
{
    const TPolyFace& raw = solid.Raw;
    const TPolyFace& display = solid.Display;
    if (display.VertexCount == 0)
        return {};
    const double sphereRadius = solid.Geometry->SphereRadius;
    std::vector<std::string> lines = {
        "#VRML V2.0 utf8",
        "NavigationInfo {",
        "  headlight TRUE",
        "  type [\"EXAMINE\" \"ANY\"]",
        "}",
        "Background {",
        "  skyColor     [" + ColourText(settings.Background) + "]",
        "}",
        "Viewpoint {",
        "  position 0 0 " + CameraDistance(sphereRadius, dual.Radius, settings),
        "}",
    };
    if (!(settings.DualShown && !settings.CompoundShown))
        WriteSolidShapes(sphereRadius, lines, raw, display, false, settings);
    if (settings.CompoundShown || settings.DualShown)
        WriteSolidShapes(sphereRadius, lines, dual.Faces, dual.Faces, true, settings);
    return lines;
}

void WriteSolidShapes(double sphereRadius, std::vector<std::string>& lines, const TPolyFace& raw,
                      const TPolyFace& display, bool isDual, const TDisplaySettings& settings)
{
    if (settings.SurfaceMode < 4)
        WriteFaceShape(sphereRadius, lines, display, isDual, settings);
    WriteEdgeShape(sphereRadius, lines, raw, isDual, settings);
}

namespace {

void WriteFaceShape(double sphereRadius, std::vector<std::string>& lines, const TPolyFace& display, bool isDual,
                    const TDisplaySettings& settings)
{
    const int skipped = isDual ? 2 : 0;  // the dual's two reference entries are not written
    lines.insert(lines.end(), {"Shape {", "  appearance Appearance {", "    material Material {"});
    if (ShownTransparent(settings, isDual))
        lines.push_back("      transparency " + Transparency(isDual ? settings.DualAlpha : settings.SolidAlpha));
    lines.insert(lines.end(), {"    }", "  }", "  geometry IndexedFaceSet {", "    solid FALSE",
                               "    colorPerVertex FALSE", "    coord Coordinate {"});
    WritePoints(lines, display, skipped, 2.0 / sphereRadius);
    lines.insert(lines.end(),
                 {"    }", "    color Color {", ColourList(settings, isDual), "    }", "    coordIndex ["});
    for (int f = 0; f < display.FaceCount; ++f) {
        std::string line = Blanks8;
        for (int j = 0; j < display.FaceSize[f]; ++j)
            line += std::to_string(display.Faces[f][j] - skipped) + " ";
        lines.push_back(line + "-1");
    }
    lines.insert(lines.end(), {"    ]", "    colorIndex ["});
    for (int f = 0; f < display.FaceCount; ++f)
        lines.push_back(Blanks8 + std::to_string(ColourIndex(settings, isDual, display.FaceN[f], display.FaceD[f])));
    lines.insert(lines.end(), {"    ]", "  }", "}"});
}

}  // namespace

namespace {

void WriteEdgeShape(double sphereRadius, std::vector<std::string>& lines, const TPolyFace& raw, bool isDual,
                    const TDisplaySettings& settings)
{
    const int skipped = isDual ? 2 : 0;
    // Edges float 0.5 % outwards so that the faces do not bury them.
    const double lift = settings.FloatLines ? 1.005 : 1.0;
    lines.insert(lines.end(),
                 {"Shape {", "  geometry IndexedLineSet {", "    colorPerVertex FALSE", "    coord Coordinate {"});
    WritePoints(lines, raw, skipped, 2.0 * lift / sphereRadius);
    lines.insert(lines.end(), {"    }", "    color Color {",
                               "      color [" + ColourText(isDual ? settings.DualEdge : settings.SolidEdge) + "]",
                               "    }", "    coordIndex ["});
    for (int e = 0; e < raw.EdgeCount; ++e)
        lines.push_back(Blanks8 + std::to_string(raw.EdgeA[e] - skipped) + " " + std::to_string(raw.EdgeB[e] - skipped)
                        + " -1");
    lines.insert(lines.end(), {"    ]", "    colorIndex ["});
    for (int e = 0; e < raw.EdgeCount; ++e)
        lines.emplace_back("        0");
    lines.insert(lines.end(), {"    ]", "  }", "}"});
}

}  // namespace
