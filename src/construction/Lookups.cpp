// SPDX-License-Identifier: GPL-3.0-or-later
#include "construction/Lookups.h"

int FindOrAddVertex(TVector3 point, TPolyFace& solid)
{
    for (int v = 0; v < solid.VertexCount; ++v)
        if (VectorLength(SubtractVectors(solid.Vertices[v], point)) <= VertexIdentityDistance)
            return v;
    return solid.AppendVertex(point);
}

bool SameCyclicFace(const int* face, int faceSize, const int* indices, int size)
{
    if (faceSize != size)
        return false;
    int start = -1;
    for (int j = 0; j < size && start < 0; ++j)
        if (face[j] == indices[0])
            start = j;
    if (start < 0)
        return false;
    bool forwards = true;
    for (int i = 0; i < size && forwards; ++i)
        forwards = face[(start + i) % size] == indices[i];
    if (forwards)
        return true;
    for (int i = 0; i < size; ++i)
        if (face[(start - i + size) % size] != indices[i])
            return false;
    return true;
}

int FindOrAddFace(const int* indices, int size, int n, int d, TPolyFace& solid)
{
    for (int f = 0; f < solid.FaceCount; ++f)
        if (SameCyclicFace(solid.Faces[f].data(), solid.FaceSize[f], indices, size))
            return f;
    return solid.AppendFace(indices, size, n, d);
}

void AddEdge(int a, int b, bool flag, TPolyFace& solid)
{
    for (int e = 0; e < solid.EdgeCount; ++e)
        if ((solid.EdgeA[e] == a && solid.EdgeB[e] == b) || (solid.EdgeA[e] == b && solid.EdgeB[e] == a))
            return;
    solid.AppendEdge(a, b, flag);
}
