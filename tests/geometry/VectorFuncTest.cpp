// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/PolyhedronFunc.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(VectorFunc, ProductsAndNormalisation)
{
    const TVector3 z = CrossProduct(MakeVector(1, 0, 0), MakeVector(0, 1, 0));
    EXPECT_EQ(z.X, 0.0);
    EXPECT_EQ(z.Y, 0.0);
    EXPECT_EQ(z.Z, 1.0);
    const TVector3 v = MakeVector(0.3, -1.7, 2.9);
    const TVector3 self = CrossProduct(v, v);
    EXPECT_EQ(VectorLength(self), 0.0);

    TVector3 n = MakeVector(0, 0, 2);
    NormalizeNegated(n);
    EXPECT_EQ(n.X, 0.0);
    EXPECT_EQ(n.Y, 0.0);
    EXPECT_EQ(n.Z, -1.0);

    EXPECT_EQ(VectorLength(MakeVector(3, 4, 12)), 13.0);
    EXPECT_EQ(DotProduct(MakeVector(1, 2, 3), MakeVector(4, -5, 6)), 12.0);
}

TEST(VectorFunc, MatrixTimesItselfIsItsSquare)
{
    TMatrix3 m{{{1, 2, 0}, {0, 1, 3}, {4, 0, 1}}};
    MultiplyMatrixInto(m, m);
    const double square[3][3] = {{1, 4, 6}, {12, 1, 6}, {8, 8, 1}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(m.M[i][j], square[i][j]) << i << "," << j;
}

TEST(PolyhedronFunc, AxisFrameTurnsItsVectorOntoXAndBack)
{
    const TVector3 dirs[] = {{0.3, -1.2, 0.7}, {1, 0, 0}, {-2, 0, 0}, {0, 0, -1}, {0, 5, 0}};
    for (const TVector3 d : dirs) {
        const TAxisFrame frame = TAxisFrame::Towards(d);
        const TVector3 w = frame.To(d);
        EXPECT_NEAR(w.X, VectorLength(d), 1e-12);
        EXPECT_NEAR(w.Y, 0.0, 1e-12);
        EXPECT_NEAR(w.Z, 0.0, 1e-12);
        const TVector3 p = MakeVector(-0.4, 2.2, 1.3);
        const TVector3 back = frame.From(frame.To(p));
        EXPECT_NEAR(back.X, p.X, 1e-12);
        EXPECT_NEAR(back.Y, p.Y, 1e-12);
        EXPECT_NEAR(back.Z, p.Z, 1e-12);
    }
    // the first vertex of every build: identity
    const TVector3 same = TAxisFrame::Towards(MakeVector(2, 0, 0)).To(MakeVector(0.5, 0.25, -1));
    EXPECT_EQ(same.X, 0.5);
    EXPECT_EQ(same.Y, 0.25);
    EXPECT_EQ(same.Z, -1.0);
}

TEST(PolyhedronFunc, CopyKeepsBookkeepingAndDropsOldFaces)
{
    TPolyFace source;
    source.AppendVertex(MakeVector(1, 0, 0));
    source.AppendVertex(MakeVector(0, 1, 0));
    source.AppendEdge(0, 1, true);
    source.NextChoice = 7;

    TPolyFace destination;
    const int face[3] = {0, 1, 2};
    destination.AppendFace(face, 3, 3, 1);
    destination.NextChoice = 2;
    destination.ResumeVertex = 5;
    CopyPolyFace(destination, source);
    EXPECT_EQ(destination.FaceCount, 0);
    EXPECT_EQ(destination.VertexCount, 2);
    EXPECT_EQ(destination.EdgeCount, 1);
    EXPECT_TRUE(destination.EdgeFlag[0]);
    EXPECT_EQ(destination.NextChoice, 2);
    EXPECT_EQ(destination.ResumeVertex, 5);
}

TEST(PolyhedronFunc, PushThenPopRestoresWithNextChoiceOneHigher)
{
    TPolyFace state;
    state.AppendVertex(MakeVector(0, 0, 1));
    state.NextChoice = 3;
    TPolyFaceArray stack(5);  // entries above the pushed depth are dropped
    PushState(stack, 1, 9, state);
    EXPECT_EQ(stack.size(), 2u);

    TPolyFace restored;
    restored.AppendVertex(MakeVector(1, 1, 1));
    restored.AppendVertex(MakeVector(2, 2, 2));
    EXPECT_EQ(PopState(restored, stack, 1), 9);
    EXPECT_EQ(restored.VertexCount, 1);
    EXPECT_EQ(restored.Vertices[0].Z, 1.0);
    EXPECT_EQ(restored.NextChoice, 4);
    EXPECT_EQ(stack.size(), 1u);
}

TEST(PolyhedronFunc, TransformSolidAppliesTheMatrixRowByRow)
{
    TPolyFace source;
    source.AppendVertex(MakeVector(1, 2, 3));
    const TMatrix3 m{{{0, 1, 0}, {0, 0, 1}, {1, 0, 0}}};
    TPolyFace turned;
    TransformSolid(m, source, turned);
    EXPECT_EQ(turned.Vertices[0].X, 2.0);
    EXPECT_EQ(turned.Vertices[0].Y, 3.0);
    EXPECT_EQ(turned.Vertices[0].Z, 1.0);
}
