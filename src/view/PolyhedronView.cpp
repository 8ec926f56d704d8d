// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/PolyhedronView.h"

#include "construction/Lookups.h"

#include <vector>

TPolyFace BuildCompound(const TPolyFace& displaySource, const TPolyFace& dual)
{
    TPolyFace compound;
    CopyPolyFace(compound, displaySource);  // up to its counts, as every copy is made
    std::vector<int> mapped;
    for (int f = 0; f < dual.FaceCount; ++f) {
        const int size = dual.FaceSize[f];
        mapped.resize(static_cast<std::size_t>(size));
        for (int j = 0; j < size; ++j)
            mapped[j] = FindOrAddVertex(dual.Vertices[dual.Faces[f][j]], compound);
        FindOrAddFace(mapped.data(), size, dual.FaceN[f], dual.FaceD[f], compound);
    }
    for (int e = 0; e < dual.EdgeCount; ++e) {
        const int second = FindOrAddVertex(dual.Vertices[dual.EdgeB[e]], compound);
        const int first = FindOrAddVertex(dual.Vertices[dual.EdgeA[e]], compound);
        AddEdge(first, second, dual.EdgeFlag[e], compound);
    }
    return compound;
}

namespace {

void DrawTurned(const TPolyFace& solid, bool isDual, double sphereRadius, double dualRadius, double r,
                const TDrawTarget& target)
{
    TPolyFace turned;
    TransformSolid(target.ViewMatrix, solid, turned);
    DrawPolyFace(turned, isDual, sphereRadius, dualRadius, r, target);
}

}  // namespace

void DrawSolid(const TBuiltSolid& solid, double dualRadius, const TDrawTarget& target)
{
    if (solid.Raw.FaceCount < 1 || solid.Display.FaceCount < 1)
        return;
    const double sphereRadius = solid.Geometry->SphereRadius;
    DrawTurned(solid.Display, false, sphereRadius, dualRadius, sphereRadius, target);
}

void DrawDual(const TDualSolid& dual, double sphereRadius, const TDrawTarget& target)
{
    // Entries 0 and 1 are references, so a dual of its own needs three more.
    if (dual.Faces.FaceCount < 1 || dual.Faces.VertexCount < 5)
        return;
    DrawTurned(dual.Faces, true, sphereRadius, dual.Radius, dual.Radius, target);
}

void DrawCompound(const TPolyFace& compound, double sphereRadius, double dualRadius, const TDrawTarget& target)
{
    DrawTurned(compound, false, sphereRadius, dualRadius, sphereRadius, target);
}
