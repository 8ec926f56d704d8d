#include "view/PolyhedronView.h"

#include "construction/Lookups.h"

#include <vector>

TPolyFace BuildCompound(const TPolyFace& displaySource, const TPolyFace& dual)
{
    TPolyFace compound;
    TPolyhedron().CopyPolyFace(compound, displaySource);  // up to its counts, as every copy is made
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

void FormCompound(const TBuild& engine, int sel, TPolyFace& compound)
{
    if (sel < 0 || sel > engine.FoundCount)
        return;
    if (sel >= 1) {
        compound = BuildCompound(engine.FoundDisplay[sel - 1], engine.Dual);
        return;
    }
    if (engine.CurrentDisplay.FaceCount >= 1 && engine.Dual.FaceCount >= 1 && engine.Dual.VertexCount >= 5)
        compound = BuildCompound(engine.CurrentDisplay, engine.Dual);
}

namespace {

void DrawTurned(const TBuild& engine, const TPolyFace& solid, bool isDual, double r, const TDrawTarget& target)
{
    TPolyFace turned;
    engine.TransformSolid(target.ViewMatrix, solid, turned);
    DrawPolyFace(turned, isDual, engine.SphereRadius, engine.DualRadius, r, target);
}

}  // namespace

void DrawCurrentSolid(const TBuild& engine, const TDrawTarget& target)
{
    if (engine.Current.FaceCount < 1 || engine.CurrentDisplay.FaceCount < 1)
        return;
    DrawTurned(engine, engine.CurrentDisplay, false, engine.SphereRadius, target);
}

void DrawFoundSolid(const TBuild& engine, int sel, const TDrawTarget& target)
{
    const int k = sel - 1;
    if (k < 0 || k >= engine.FoundCount)
        return;
    DrawTurned(engine, engine.FoundDisplay[k], false, engine.SphereRadius, target);
}

void DrawDual(const TBuild& engine, const TDrawTarget& target)
{
    // Entries 0 and 1 are references, so a dual of its own needs three more.
    if (engine.Dual.FaceCount < 1 || engine.Dual.VertexCount < 5)
        return;
    DrawTurned(engine, engine.Dual, true, engine.DualRadius, target);
}

void DrawCompound(const TBuild& engine, const TPolyFace& compound, const TDrawTarget& target)
{
    DrawTurned(engine, compound, false, engine.SphereRadius, target);
}
