// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/VectorFunc.h"

#include <cmath>

TVector3 MakeVector(double x, double y, double z)
{
    return TVector3{x, y, z};
}

double VectorLength(TVector3 v)
{
    const long double x = v.X;
    const long double y = v.Y;
    const long double z = v.Z;
    return static_cast<double>(std::sqrt(x * x + y * y + z * z));
}

TVector3 ScaleVector(TVector3 v, double s)
{
    return TVector3{s * v.X, s * v.Y, s * v.Z};
}

TVector3 AddVectors(TVector3 a, TVector3 b)
{
    return TVector3{a.X + b.X, a.Y + b.Y, a.Z + b.Z};
}

TVector3 SubtractVectors(TVector3 a, TVector3 b)
{
    return TVector3{a.X - b.X, a.Y - b.Y, a.Z - b.Z};
}

double DotProduct(TVector3 a, TVector3 b)
{
    const long double sum =
        static_cast<long double>(a.X) * b.X + static_cast<long double>(a.Y) * b.Y + static_cast<long double>(a.Z) * b.Z;
    return static_cast<double>(sum);
}

TVector3 CrossProduct(TVector3 a, TVector3 b)
{
    return TVector3{a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X};
}

void Normalize(TVector3& v)
{
    const double length = VectorLength(v);
    if (length == 0.0)
        return;
    v = TVector3{v.X / length, v.Y / length, v.Z / length};
}

void NormalizeNegated(TVector3& v)
{
    const double length = -VectorLength(v);
    if (length == 0.0)
        return;
    v = TVector3{v.X / length, v.Y / length, v.Z / length};
}

void MultiplyMatrixInto(TMatrix3 s, TMatrix3& p)
{
    TMatrix3 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r.M[i][j] = s.M[i][0] * p.M[0][j] + s.M[i][1] * p.M[1][j] + s.M[i][2] * p.M[2][j];
    p = r;
}

void TPolyFace::Clear()
{
    Vertices.clear();
    FanN.clear();
    FanD.clear();
    FanCount.clear();
    FanFirst.clear();
    FanLast.clear();
    FanFaces.clear();
    Pending.clear();
    PendingCount.clear();
    VertexCount = 0;
    Faces.clear();
    FaceSize.clear();
    FaceN.clear();
    FaceD.clear();
    FaceCount = 0;
    EdgeA.clear();
    EdgeB.clear();
    EdgeFlag.clear();
    EdgeCount = 0;
}

int TPolyFace::AppendVertex(TVector3 point)
{
    const int v = VertexCount;
    const auto size = static_cast<std::size_t>(v + 1);
    Vertices.resize(size);
    FanN.resize(size);
    FanD.resize(size);
    FanCount.resize(size);
    FanFirst.resize(size);
    FanLast.resize(size);
    FanFaces.resize(size);
    Pending.resize(size);
    PendingCount.resize(size);
    Vertices[v] = point;
    FanN[v].clear();
    FanD[v].clear();
    FanFaces[v].clear();
    Pending[v].clear();
    FanCount[v] = 0;
    FanFirst[v] = -1;
    FanLast[v] = -1;
    PendingCount[v] = 0;
    VertexCount = v + 1;
    return v;
}

int TPolyFace::AppendFace(const int* indices, int size, int n, int d)
{
    const int f = FaceCount;
    const auto count = static_cast<std::size_t>(f + 1);
    Faces.resize(count);
    FaceSize.resize(count);
    FaceN.resize(count);
    FaceD.resize(count);
    Faces[f].assign(indices, indices + size);
    FaceSize[f] = size;
    FaceN[f] = n;
    FaceD[f] = d;
    FaceCount = f + 1;
    return f;
}

void TPolyFace::AppendEdge(int a, int b, bool flag)
{
    const auto count = static_cast<std::size_t>(EdgeCount + 1);
    EdgeA.resize(count);
    EdgeB.resize(count);
    EdgeFlag.resize(count);
    EdgeA[EdgeCount] = a;
    EdgeB[EdgeCount] = b;
    EdgeFlag[EdgeCount] = flag;
    EdgeCount = EdgeCount + 1;
}

double TurnFraction(int n)
{
    constexpr long double extendedPi = 3.141592653589793238462643383279502884L;
    return static_cast<double>(2.0L * extendedPi / n);
}

double ArcSin(double x)
{
    return std::atan2(x, std::sqrt(1.0 - x * x));
}

double ArcCos(double x)
{
    return std::atan2(std::sqrt(1.0 - x * x), x);
}
