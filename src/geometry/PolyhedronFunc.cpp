// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/PolyhedronFunc.h"

#include <cassert>
#include <cmath>

void CopyPolyFace(TPolyFace& destination, const TPolyFace& source)
{
    const int nextChoice = destination.NextChoice;
    const int resumeVertex = destination.ResumeVertex;
    destination.Clear();
    for (int v = 0; v < source.VertexCount; ++v) {
        destination.AppendVertex(source.Vertices[v]);
        destination.FanN[v].assign(source.FanN[v].begin(), source.FanN[v].begin() + source.FanCount[v]);
        destination.FanD[v].assign(source.FanD[v].begin(), source.FanD[v].begin() + source.FanCount[v]);
        destination.FanFaces[v].assign(source.FanFaces[v].begin(), source.FanFaces[v].begin() + source.FanCount[v]);
        destination.FanCount[v] = source.FanCount[v];
        destination.FanFirst[v] = source.FanFirst[v];
        destination.FanLast[v] = source.FanLast[v];
        destination.Pending[v].assign(source.Pending[v].begin(), source.Pending[v].begin() + source.PendingCount[v]);
        destination.PendingCount[v] = source.PendingCount[v];
    }
    for (int f = 0; f < source.FaceCount; ++f)
        destination.AppendFace(source.Faces[f].data(), source.FaceSize[f], source.FaceN[f], source.FaceD[f]);
    for (int e = 0; e < source.EdgeCount; ++e)
        destination.AppendEdge(source.EdgeA[e], source.EdgeB[e], source.EdgeFlag[e]);
    destination.NextChoice = nextChoice;
    destination.ResumeVertex = resumeVertex;
}

void TransformSolid(const TMatrix3& matrix, const TPolyFace& source, TPolyFace& destination)
{
    CopyPolyFace(destination, source);
    const auto& m = matrix.M;
    for (int v = 0; v < destination.VertexCount; ++v) {
        const TVector3 p = destination.Vertices[v];
        destination.Vertices[v] =
            TVector3{m[0][0] * p.X + m[0][1] * p.Y + m[0][2] * p.Z, m[1][0] * p.X + m[1][1] * p.Y + m[1][2] * p.Z,
                     m[2][0] * p.X + m[2][1] * p.Y + m[2][2] * p.Z};
    }
}

void PushState(TPolyFaceArray& stack, int depth, int resumeVertex, const TPolyFace& state)
{
    stack.resize(static_cast<std::size_t>(depth + 1));
    TPolyFace& entry = stack[depth];
    CopyPolyFace(entry, state);
    entry.ResumeVertex = resumeVertex;
    entry.NextChoice = state.NextChoice + 1;
}

int PopState(TPolyFace& destination, TPolyFaceArray& stack, int depth)
{
    assert(depth >= 0 && depth < static_cast<int>(stack.size()) && "restoring a state that was never saved");
    const TPolyFace& entry = stack[depth];
    CopyPolyFace(destination, entry);
    destination.NextChoice = entry.NextChoice;
    const int resumeVertex = entry.ResumeVertex;
    stack.resize(static_cast<std::size_t>(depth));
    return resumeVertex;
}

TAxisFrame TAxisFrame::Towards(TVector3 v)
{
    // atan2(0, 0) is 0, so a vector on +X gives the identity.
    TAxisFrame frame;
    const double a = std::atan2(v.Y, v.Z);
    frame.SinA = std::sin(a);
    frame.CosA = std::cos(a);
    const double t = frame.SinA * v.Y + frame.CosA * v.Z;
    const double b = std::atan2(t, v.X);
    frame.SinB = std::sin(b);
    frame.CosB = std::cos(b);
    return frame;
}

TVector3 TAxisFrame::To(TVector3 v) const
{
    TVector3 w;
    w.Y = CosA * v.Y - SinA * v.Z;
    const double t = SinA * v.Y + CosA * v.Z;
    w.X = SinB * t + CosB * v.X;
    w.Z = CosB * t - SinB * v.X;
    return w;
}

TVector3 TAxisFrame::From(TVector3 w) const
{
    TVector3 v;
    v.X = CosB * w.X - SinB * w.Z;
    const double t = CosB * w.Z + SinB * w.X;
    v.Y = CosA * w.Y + SinA * t;
    v.Z = CosA * t - SinA * w.Y;
    return v;
}
