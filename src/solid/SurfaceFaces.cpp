// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DisplaySettings.h"
#include "solid/OuterSurface.h"

namespace {

TSurfaceFace FaceOf(const TPolyFace& solid, int f, int skipped)
{
    TSurfaceFace face;
    for (int j = 0; j < solid.FaceSize[f]; ++j) {
        const int v = solid.Faces[f][j];
        if (v >= skipped)
            face.Corners.push_back(solid.Vertices[static_cast<std::size_t>(v)]);
    }
    return face;
}

}  // namespace

std::vector<TSurfaceFace> SolidSurfaceFaces(const TBuiltSolid& solid)
{
    const TPolyFace& raw = solid.Raw;
    std::vector<TSurfaceFace> faces;
    faces.reserve(static_cast<std::size_t>(raw.FaceCount));
    for (int f = 0; f < raw.FaceCount; ++f) {
        TSurfaceFace face = FaceOf(raw, f, 0);
        face.N = raw.FaceN[f];
        face.D = raw.FaceD[f];
        face.Group = ColourGroup(face.N, face.D);
        face.Star = face.D > 1;
        faces.push_back(std::move(face));
    }
    return faces;
}

std::vector<TSurfaceFace> DualSurfaceFaces(const TDualSolid& dual)
{
    const TPolyFace& stored = dual.Faces;
    std::vector<TSurfaceFace> faces;
    if (stored.VertexCount <= 2)
        return faces;
    for (int f = 0; f < stored.FaceCount; ++f) {
        // Entries 0 and 1 are the source's reference vertices, no corner of any face.
        TSurfaceFace face = FaceOf(stored, f, 2);
        face.N = stored.FaceSize[f];
        face.D = 0;
        face.Group = 1;
        faces.push_back(std::move(face));
    }
    return faces;
}

TBuiltSolid OuterSurfaceSolid(const TOuterSurface& surface, const TBuiltSolid& source)
{
    TBuiltSolid solid;
    solid.Geometry = source.Geometry;
    for (const TVector3& p : surface.Points)
        (void)solid.Raw.AppendVertex(p);
    for (const TOuterTriangle& t : surface.Triangles) {
        const TSurfaceFace& face = surface.Faces[static_cast<std::size_t>(t.Face)];
        (void)solid.Raw.AppendFace(t.Corners.data(), 3, face.N, face.D);
    }
    solid.Display = solid.Raw;
    return solid;
}
