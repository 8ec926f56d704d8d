// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/ExportScene.h"

#include "export/ExportColours.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr double Flat = 1e-12;  // a triangle with less area than this fills nothing

// One part of the scene: the solid or its dual, from its own vertex list.
struct TPartSource {
    const TPolyFace& Raw;      // true faces
    const TPolyFace& Display;  // filled faces; its vertices begin with Raw's
    int Skipped = 0;           // leading vertices that are not points of the solid (the dual's reference entries)
    bool Dual = false;
};

std::string MaterialName(bool isDual, TColour colour)
{
    char hex[8];
    std::snprintf(hex, sizeof hex, "%02x%02x%02x", RedOf(colour), GreenOf(colour), BlueOf(colour));
    return std::string(isDual ? "dual_" : "solid_") + hex;
}

int MaterialOf(TExportScene& scene, const TDisplaySettings& settings, bool isDual, int n, int d)
{
    const TColour colour = GroupBaseColour(settings, isDual ? 1 : ColourGroup(n, d), n);
    const std::string name = MaterialName(isDual, colour);
    for (std::size_t m = 0; m < scene.Materials.size(); ++m)
        if (scene.Materials[m].Name == name)
            return static_cast<int>(m);
    scene.Materials.push_back(TExportMaterial{name, colour, ShownOpacity(settings, isDual), isDual, false});
    return static_cast<int>(scene.Materials.size()) - 1;
}

// Convex: every face a convex polygon whose plane has the whole part on its inner side.
bool ConvexPart(const TExportScene& scene, std::size_t firstFace, int firstVertex)
{
    for (std::size_t f = firstFace; f < scene.Faces.size(); ++f) {
        const TExportFace& face = scene.Faces[f];
        if (face.Corners.size() < 3 || ColourGroup(face.N, face.D) == 2)  // a star polygon
            return false;
        const TVector3 a = scene.Vertices[static_cast<std::size_t>(face.Corners[0])];
        const TVector3 b = scene.Vertices[static_cast<std::size_t>(face.Corners[1])];
        const TVector3 c = scene.Vertices[static_cast<std::size_t>(face.Corners[2])];
        TVector3 normal = CrossProduct(SubtractVectors(b, a), SubtractVectors(c, a));
        if (DotProduct(normal, a) < 0.0)
            normal = ScaleVector(normal, -1.0);
        const double offset = DotProduct(normal, a);
        if (offset <= Flat)
            return false;  // a face through the centre
        for (std::size_t v = static_cast<std::size_t>(firstVertex); v < scene.Vertices.size(); ++v)
            if (DotProduct(normal, scene.Vertices[v]) > offset * (1.0 + 1e-9))
                return false;
    }
    return true;
}

void AddTriangle(TExportScene& scene, int a, int b, int c, int material)
{
    TExportTriangle triangle{{a, b, c}, material};
    const TVector3 normal = TriangleNormal(scene, triangle);
    if (VectorLength(normal) == 0.0)
        return;
    // Outward: the normal points away from the centre, as it does on every convex solid.
    const TVector3 centroid =
        AddVectors(AddVectors(scene.Vertices[static_cast<std::size_t>(a)], scene.Vertices[static_cast<std::size_t>(b)]),
                   scene.Vertices[static_cast<std::size_t>(c)]);
    if (DotProduct(normal, centroid) < 0.0)
        std::swap(triangle.Corner[1], triangle.Corner[2]);
    scene.Triangles.push_back(triangle);
}

void AddPart(TExportScene& scene, const TPartSource& part, const TDisplaySettings& settings)
{
    const int base = static_cast<int>(scene.Vertices.size()) - part.Skipped;
    const int firstVertex = static_cast<int>(scene.Vertices.size());
    const std::size_t firstFace = scene.Faces.size();
    const std::size_t firstMaterial = scene.Materials.size();
    for (int v = part.Skipped; v < part.Display.VertexCount; ++v)
        scene.Vertices.push_back(part.Display.Vertices[static_cast<std::size_t>(v)]);
    for (int f = 0; f < part.Raw.FaceCount; ++f) {
        TExportFace face;
        face.N = part.Dual ? part.Raw.FaceSize[f] : part.Raw.FaceN[f];
        face.D = part.Dual ? 0 : part.Raw.FaceD[f];
        face.Dual = part.Dual;
        face.Material = MaterialOf(scene, settings, part.Dual, face.N, face.D);
        for (int j = 0; j < part.Raw.FaceSize[f]; ++j)
            face.Corners.push_back(base + part.Raw.Faces[f][j]);
        scene.Faces.push_back(face);
    }
    // The filled triangles: each display face as a fan from its first corner.
    for (int f = 0; f < part.Display.FaceCount; ++f) {
        const std::vector<int>& corners = part.Display.Faces[f];
        const int n = part.Dual ? part.Display.FaceSize[f] : part.Display.FaceN[f];
        const int material = MaterialOf(scene, settings, part.Dual, n, part.Dual ? 0 : part.Display.FaceD[f]);
        for (int j = 1; j + 1 < part.Display.FaceSize[f]; ++j)
            AddTriangle(scene, base + corners[0], base + corners[j], base + corners[j + 1], material);
    }
    const bool convex = ConvexPart(scene, firstFace, firstVertex);
    for (std::size_t m = firstMaterial; m < scene.Materials.size(); ++m)
        scene.Materials[m].DoubleSided = !convex || scene.Materials[m].Opacity < 1.0;
}

}  // namespace

TVector3 TriangleNormal(const TExportScene& scene, const TExportTriangle& triangle)
{
    const TVector3 a = scene.Vertices[static_cast<std::size_t>(triangle.Corner[0])];
    const TVector3 b = scene.Vertices[static_cast<std::size_t>(triangle.Corner[1])];
    const TVector3 c = scene.Vertices[static_cast<std::size_t>(triangle.Corner[2])];
    const TVector3 normal = CrossProduct(SubtractVectors(b, a), SubtractVectors(c, a));
    const double length = VectorLength(normal);
    if (length < Flat)
        return TVector3{};
    return ScaleVector(normal, 1.0 / length);
}

TExportScene DescribeShown(const TBuiltSolid& solid, const TDualSolid& dual, const TDisplaySettings& settings)
{
    const TPolyFace& raw = solid.Raw;
    const TPolyFace& display = solid.Display;
    TExportScene scene;
    if (display.VertexCount == 0)
        return scene;
    if (!(settings.DualShown && !settings.CompoundShown))
        AddPart(scene, TPartSource{raw, display, 0, false}, settings);
    if ((settings.CompoundShown || settings.DualShown) && dual.Faces.VertexCount > 2)
        AddPart(scene, TPartSource{dual.Faces, dual.Faces, 2, true}, settings);
    return scene;
}
