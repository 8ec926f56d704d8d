// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DisplaySettings.h"
#include "solid/OuterSurface.h"

#include <cmath>
#include <iterator>

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

std::vector<TSurfaceFace> CompoundSurfaceFaces(const TBuiltSolid& solid, const TDualSolid& dual)
{
    std::vector<TSurfaceFace> faces = SolidSurfaceFaces(solid);
    std::vector<TSurfaceFace> dualFaces = DualSurfaceFaces(dual);
    faces.insert(faces.end(), std::make_move_iterator(dualFaces.begin()), std::make_move_iterator(dualFaces.end()));
    return faces;
}

bool DualReachesInfinity(const TBuiltSolid& solid)
{
    for (const TSurfaceFace& face : SolidSurfaceFaces(solid)) {
        // The face's plane through its corners' centre; its distance from the solid's centre
        // (the origin) by Newell's normal.
        TVector3 normal{};
        TVector3 centre{};
        const std::vector<TVector3>& c = face.Corners;
        for (std::size_t j = 0; j < c.size(); ++j) {
            normal = AddVectors(normal, CrossProduct(c[j], c[(j + 1) % c.size()]));
            centre = AddVectors(centre, c[j]);
        }
        const double length = VectorLength(normal);
        if (length > 0.0 && std::fabs(DotProduct(normal, centre)) / (length * static_cast<double>(c.size())) < 1e-9)
            return true;
    }
    return false;
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
