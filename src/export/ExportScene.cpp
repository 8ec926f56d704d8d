// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/ExportScene.h"

#include "export/ExportColours.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace {

constexpr double Flat = 1e-12;  // a triangle with less area than this fills nothing

// One part of the scene: the solid or its dual, from its own vertex list.
struct TPartSource {
    const TPolyFace& Raw;  // true faces
    int Skipped = 0;       // leading vertices that are not points of the solid (the dual's reference entries)
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

// Six times the volume the face's cycle cuts off towards the centre, signed: positive when
// the cycle runs anticlockwise seen from the side away from the centre. Summed over a closed
// surface it is six times the volume it winds round; a star cycle counts as often as it
// winds, as the view fills it.
double ConeVolume6(const TExportScene& scene, const TExportFace& face, double& magnitude)
{
    const TVector3 a = scene.Vertices[static_cast<std::size_t>(face.Corners[0])];
    double volume = 0.0;
    for (std::size_t j = 1; j + 1 < face.Corners.size(); ++j) {
        const TVector3 b = scene.Vertices[static_cast<std::size_t>(face.Corners[j])];
        const TVector3 c = scene.Vertices[static_cast<std::size_t>(face.Corners[j + 1])];
        const double term = DotProduct(a, CrossProduct(b, c));
        volume += term;
        magnitude += std::fabs(term);
    }
    return volume;
}

// Winds the part's faces (from firstFace on): every edge two faces share is run one way by
// one and the other way by the other, as far as the surface can be oriented, and each
// connected set of faces is turned so that it winds round a positive volume. Every format
// takes its winding from here: the fill triangles follow their face's cycle.
void OrientFaces(TExportScene& scene, std::size_t firstFace)
{
    const int count = static_cast<int>(scene.Faces.size() - firstFace);
    const auto faceAt = [&](int f) -> TExportFace& { return scene.Faces[firstFace + static_cast<std::size_t>(f)]; };
    // Each edge's uses: the face and whether it runs from the lower vertex number up.
    std::map<std::pair<int, int>, std::vector<std::pair<int, bool>>> uses;
    for (int f = 0; f < count; ++f) {
        const std::vector<int>& corners = faceAt(f).Corners;
        for (std::size_t j = 0; j < corners.size(); ++j) {
            const int a = corners[j];
            const int b = corners[(j + 1) % corners.size()];
            uses[{std::min(a, b), std::max(a, b)}].emplace_back(f, a < b);
        }
    }
    std::vector<int> flipped(static_cast<std::size_t>(count), -1);  // -1 not reached yet
    for (int seed = 0; seed < count; ++seed) {
        if (flipped[static_cast<std::size_t>(seed)] >= 0)
            continue;
        std::vector<int> reached{seed};
        flipped[static_cast<std::size_t>(seed)] = 0;
        for (std::size_t next = 0; next < reached.size(); ++next) {
            const int f = reached[next];
            const std::vector<int>& corners = faceAt(f).Corners;
            for (std::size_t j = 0; j < corners.size(); ++j) {
                const int a = corners[j];
                const int b = corners[(j + 1) % corners.size()];
                const auto& edge = uses[{std::min(a, b), std::max(a, b)}];
                if (edge.size() != 2)
                    continue;  // a free edge, or one where more than two faces meet: no neighbour to agree with
                const auto& other = edge[0].first == f ? edge[1] : edge[0];
                if (other.first == f || flipped[static_cast<std::size_t>(other.first)] >= 0)
                    continue;
                const bool upHere = (a < b) != (flipped[static_cast<std::size_t>(f)] == 1);
                flipped[static_cast<std::size_t>(other.first)] = upHere == other.second ? 1 : 0;
                reached.push_back(other.first);
            }
        }
        double magnitude = 0.0;
        double volume = 0.0;
        for (const int f : reached)
            volume +=
                (flipped[static_cast<std::size_t>(f)] == 1 ? -1.0 : 1.0) * ConeVolume6(scene, faceAt(f), magnitude);
        if (volume < -1e-9 * magnitude)
            for (const int f : reached)
                flipped[static_cast<std::size_t>(f)] = 1 - flipped[static_cast<std::size_t>(f)];
    }
    for (int f = 0; f < count; ++f)
        if (flipped[static_cast<std::size_t>(f)] == 1) {
            std::vector<int>& corners = faceAt(f).Corners;
            std::reverse(corners.begin() + 1, corners.end());  // the first corner stays first
        }
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
    const TExportTriangle triangle{{a, b, c}, material};
    if (VectorLength(TriangleNormal(scene, triangle)) == 0.0)
        return;
    scene.Triangles.push_back(triangle);
}

// The triangles the view fills face with, wound as its cycle: a convex polygon as a fan from
// its first corner, a star or backward one as triangles round its centre (a point the
// part's faces may share).
void AddFill(TExportScene& scene, const TExportFace& face, int firstCentre)
{
    const std::vector<int>& corners = face.Corners;
    const int size = static_cast<int>(corners.size());
    if (face.D <= 1) {
        for (int j = 1; j + 1 < size; ++j)
            AddTriangle(scene, corners[0], corners[j], corners[j + 1], face.Material);
        return;
    }
    TVector3 sum{};
    for (const int c : corners)
        sum = AddVectors(sum, scene.Vertices[static_cast<std::size_t>(c)]);
    const TVector3 point = ScaleVector(sum, 1.0 / size);
    int centre = firstCentre;
    while (centre < static_cast<int>(scene.Vertices.size())
           && VectorLength(SubtractVectors(scene.Vertices[static_cast<std::size_t>(centre)], point)) > 1e-9)
        ++centre;
    if (centre == static_cast<int>(scene.Vertices.size()))
        scene.Vertices.push_back(point);
    for (int j = 0; j < size; ++j)
        AddTriangle(scene, centre, corners[j], corners[(j + 1) % size], face.Material);
}

void AddPart(TExportScene& scene, const TPartSource& part, const TDisplaySettings& settings)
{
    const int base = static_cast<int>(scene.Vertices.size()) - part.Skipped;
    const int firstVertex = static_cast<int>(scene.Vertices.size());
    const std::size_t firstFace = scene.Faces.size();
    const std::size_t firstMaterial = scene.Materials.size();
    for (int v = part.Skipped; v < part.Raw.VertexCount; ++v)
        scene.Vertices.push_back(part.Raw.Vertices[static_cast<std::size_t>(v)]);
    for (int f = 0; f < part.Raw.FaceCount; ++f) {
        TExportFace face;
        face.N = part.Dual ? part.Raw.FaceSize[f] : part.Raw.FaceN[f];
        face.D = part.Dual ? 0 : part.Raw.FaceD[f];
        face.Dual = part.Dual;
        // A dual face stored in pieces (triangles round a centre, or a crossed quadrilateral
        // split) keeps in FaceN the corner count of the whole face, which the view colours by.
        face.Material = MaterialOf(scene, settings, part.Dual, part.Raw.FaceN[f], face.D);
        for (int j = 0; j < part.Raw.FaceSize[f]; ++j)
            face.Corners.push_back(base + part.Raw.Faces[f][j]);
        scene.Faces.push_back(face);
    }
    OrientFaces(scene, firstFace);
    const int firstCentre = static_cast<int>(scene.Vertices.size());
    for (std::size_t f = firstFace; f < scene.Faces.size(); ++f)
        AddFill(scene, scene.Faces[f], firstCentre);
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
    TExportScene scene;
    if (solid.Display.VertexCount == 0)
        return scene;
    if (!(settings.DualShown && !settings.CompoundShown))
        AddPart(scene, TPartSource{raw, 0, false}, settings);
    if ((settings.CompoundShown || settings.DualShown) && dual.Faces.VertexCount > 2)
        AddPart(scene, TPartSource{dual.Faces, 2, true}, settings);
    return scene;
}
