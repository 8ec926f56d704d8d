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
