#include "view/PolyhedronView.h"

#include "construction/Lookups.h"

#include <vector>

void TView::BuildCompound(const TPolyFace& displaySource, const TPolyFace& dual)
{
    CopyPolyFace(Compound, displaySource);
    std::vector<int> mapped;
    for (int f = 0; f < dual.FaceCount; ++f) {
        const int size = dual.FaceSize[f];
        mapped.resize(static_cast<std::size_t>(size));
        for (int j = 0; j < size; ++j)
            mapped[j] = FindOrAddVertex(dual.Vertices[dual.Faces[f][j]], Compound);
        FindOrAddFace(mapped.data(), size, dual.FaceN[f], dual.FaceD[f], Compound);
    }
    for (int e = 0; e < dual.EdgeCount; ++e) {
        const int second = FindOrAddVertex(dual.Vertices[dual.EdgeB[e]], Compound);
        const int first = FindOrAddVertex(dual.Vertices[dual.EdgeA[e]], Compound);
        AddEdge(first, second, dual.EdgeFlag[e], Compound);
    }
}

void TView::FormCompound(int sel)
{
    if (sel < 0 || sel > FoundCount)
        return;
    if (sel >= 1) {
        BuildCompound(FoundDisplay[sel - 1], Dual);
        return;
    }
    if (CurrentDisplay.FaceCount >= 1 && Dual.FaceCount >= 1 && Dual.VertexCount >= 5)
        BuildCompound(CurrentDisplay, Dual);
}

void TView::DrawCurrentSolid(const TDrawTarget& target)
{
    if (Current.FaceCount < 1)
        return;
    TransformSolid(target.ViewMatrix, CurrentDisplay, ViewSolid);
    if (CurrentDisplay.FaceCount >= 1)
        DrawPolyFace(ViewSolid, false, SphereRadius, target);
}

void TView::DrawFoundSolid(int sel, const TDrawTarget& target)
{
    const int k = sel - 1;
    if (k < 0 || k >= FoundCount)
        return;
    TransformSolid(target.ViewMatrix, FoundDisplay[k], ViewSolid);
    DrawPolyFace(ViewSolid, false, SphereRadius, target);
}

void TView::DrawDual(const TDrawTarget& target)
{
    // Entries 0 and 1 are references, so a dual of its own needs three more.
    if (Dual.FaceCount < 1 || Dual.VertexCount < 5)
        return;
    TransformSolid(target.ViewMatrix, Dual, ViewSolid);
    DrawPolyFace(ViewSolid, true, DualRadius, target);
}

void TView::DrawCompound(const TDrawTarget& target)
{
    TransformSolid(target.ViewMatrix, Compound, ViewSolid);
    DrawPolyFace(ViewSolid, false, SphereRadius, target);
}
