#include "geometry/PolyhedronFunc.h"

#include <cmath>

void TPolyhedron::CopyPolyFace(TPolyFace& destination, const TPolyFace& source) const
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

void TPolyhedron::TransformSolid(const TMatrix3& matrix, const TPolyFace& source, TPolyFace& destination) const
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

void TPolyhedron::PushState(TPolyFaceArray& stack, int depth, int resumeVertex, const TPolyFace& state) const
{
    stack.resize(static_cast<std::size_t>(depth + 1));
    TPolyFace& entry = stack[depth];
    CopyPolyFace(entry, state);
    entry.ResumeVertex = resumeVertex;
    entry.NextChoice = state.NextChoice + 1;
}

int TPolyhedron::PopState(TPolyFace& destination, TPolyFaceArray& stack, int depth) const
{
    const TPolyFace& entry = stack[depth];
    CopyPolyFace(destination, entry);
    destination.NextChoice = entry.NextChoice;
    const int resumeVertex = entry.ResumeVertex;
    stack.resize(static_cast<std::size_t>(depth));
    return resumeVertex;
}

void TPolyhedron::SetAxisFrame(TVector3 v)
{
    // A is the turn about X that brings v into the XZ plane, B the turn about Y that
    // then brings it onto X. atan2(0, 0) is 0, so a vector on +X gives the identity.
    const double a = std::atan2(v.Y, v.Z);
    FrameSinA = std::sin(a);
    FrameCosA = std::cos(a);
    const double t = FrameSinA * v.Y + FrameCosA * v.Z;
    const double b = std::atan2(t, v.X);
    FrameSinB = std::sin(b);
    FrameCosB = std::cos(b);
}

TVector3 TPolyhedron::ToAxisFrame(TVector3 v) const
{
    TVector3 w;
    w.Y = FrameCosA * v.Y - FrameSinA * v.Z;
    const double t = FrameSinA * v.Y + FrameCosA * v.Z;
    w.X = FrameSinB * t + FrameCosB * v.X;
    w.Z = FrameCosB * t - FrameSinB * v.X;
    return w;
}

TVector3 TPolyhedron::FromAxisFrame(TVector3 w) const
{
    TVector3 v;
    v.X = FrameCosB * w.X - FrameSinB * w.Z;
    const double t = FrameCosB * w.Z + FrameSinB * w.X;
    v.Y = FrameCosA * w.Y + FrameSinA * t;
    v.Z = FrameCosA * t - FrameSinA * w.Y;
    return v;
}
