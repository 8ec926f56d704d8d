// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/PolyhedronInfo.h"
#include "measure/PolyhedronCalc.h"
#include "session/BuildSession.h"
#include "support/SolidDump.h"
#include "view/PolyhedronView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

struct TDualRun {
    std::unique_ptr<TBuild> Engine = std::make_unique<TBuild>();
    TLinePane Pane;
    TDualSolid Dual;
    bool Aborted = false;
    int Pick = 1;
};

// Builds the configuration and forms the dual of list position pick, as the session does.
std::unique_ptr<TDualRun> DualOf(const TVertexConfiguration& config, int pick)
{
    auto run = std::make_unique<TDualRun>();
    run->Pick = pick;
    EXPECT_FALSE(run->Engine->Prepare(config, run->Pane));
    int step = OneShotStep;
    run->Engine->Search(step, run->Pane);
    run->Aborted = DualAt(*run->Engine, pick, run->Dual, run->Pane);
    return run;
}

std::unique_ptr<TDualRun> DualOf(const std::string& text, int pick = 1)
{
    return DualOf(Config(text), pick);
}

std::unique_ptr<TDualRun> CatalogueDual(int entry)
{
    TVertexConfiguration config;
    int pick = 0;
    EXPECT_EQ(ParseCodeString(PolyhedronCatalogue()[entry].Code, config, pick).Error, "");
    return DualOf(config, pick);
}

double DistanceToLine(TVector3 p, TVector3 a, TVector3 b)
{
    const TVector3 direction = SubtractVectors(b, a);
    return VectorLength(CrossProduct(SubtractVectors(p, a), direction)) / VectorLength(direction);
}

// Every dual edge lies on a line through the midpoint of some source edge.
int EdgesMissingMidpoints(const TPolyFace& source, const TPolyFace& dual)
{
    int missing = 0;
    for (int e = 0; e < dual.EdgeCount; ++e) {
        const TVector3 a = dual.Vertices[dual.EdgeA[e]];
        const TVector3 b = dual.Vertices[dual.EdgeB[e]];
        bool crosses = false;
        for (int s = 0; s < source.EdgeCount && !crosses; ++s) {
            const TVector3 mid =
                ScaleVector(AddVectors(source.Vertices[source.EdgeA[s]], source.Vertices[source.EdgeB[s]]), 0.5);
            crosses = DistanceToLine(mid, a, b) < 1e-7;
        }
        missing += crosses ? 0 : 1;
    }
    return missing;
}

// How many vertices end some edge.
int EdgeEnds(const TPolyFace& solid)
{
    std::vector<bool> used(static_cast<std::size_t>(solid.VertexCount));
    for (int e = 0; e < solid.EdgeCount; ++e)
        used[solid.EdgeA[e]] = used[solid.EdgeB[e]] = true;
    return static_cast<int>(std::count(used.begin(), used.end(), true));
}

bool AllFinite(const TPolyFace& solid)
{
    for (int v = 0; v < solid.VertexCount; ++v)
        if (!std::isfinite(solid.Vertices[v].X) || !std::isfinite(solid.Vertices[v].Y)
            || !std::isfinite(solid.Vertices[v].Z))
            return false;
    return true;
}

}  // namespace

TEST(PolyhedronDual, CubeGivesTheOctahedronThroughItsEdgeMidpoints)
{
    const auto run = DualOf("(4, 4, 4)");
    ASSERT_FALSE(run->Aborted);
    EXPECT_EQ(CountDualVertices(run->Dual), 6);
    EXPECT_EQ(CountDualFaces(run->Dual), 8);
    EXPECT_EQ(run->Dual.Faces.EdgeCount, 12);
    EXPECT_EQ(run->Dual.FaceKind, 0);
    EXPECT_EQ(run->Dual.Pieces, 1);
    EXPECT_EQ(EdgesMissingMidpoints(RawAt(*run->Engine, 1), run->Dual.Faces), 0);
    // The layout the renderer, the figures and the writer rely on.
    EXPECT_EQ(DumpSolid(RawAt(*run->Engine, 1)).substr(0, 20), DumpSolid(run->Dual.Faces).substr(0, 20));
    for (int f = 0; f < run->Dual.Faces.FaceCount; ++f) {
        EXPECT_EQ(run->Dual.Faces.FaceN[f], 3);
        EXPECT_EQ(run->Dual.Faces.FaceD[f], 0);
    }
    for (int i = 0; i < run->Dual.Faces.EdgeCount; ++i)
        EXPECT_TRUE(run->Dual.Faces.EdgeFlag[i]);
    for (int v = 2; v < run->Dual.Faces.VertexCount; ++v)
        EXPECT_NEAR(VectorLength(run->Dual.Faces.Vertices[v]), 1.0, 1e-12);  // (1/2) / (1/2) from the centre
}

TEST(PolyhedronDual, HemiPolyhedronUsesFarPoints)
{
    const auto run = DualOf("(3, 4, 3/2, 4)");
    ASSERT_FALSE(run->Aborted);
    EXPECT_EQ(run->Dual.FaceKind, -1);
    EXPECT_EQ(run->Dual.Pieces, 6);
    EXPECT_EQ(CountDualVertices(run->Dual), 7);  // 4 poles and 3 lines of directions
    EXPECT_EQ(EdgesMissingMidpoints(RawAt(*run->Engine, 1), run->Dual.Faces), 0);
    // Far points lie on the sphere of ten circumradii, scaled with the rest.
    double farthest = 0.0;
    for (int v = 2; v < run->Dual.Faces.VertexCount; ++v)
        farthest = std::max(farthest, VectorLength(run->Dual.Faces.Vertices[v]));
    EXPECT_NEAR(farthest, 10 * run->Engine->Geometry().SphereRadius * run->Dual.Scale, 1e-9);
    EXPECT_NEAR(run->Dual.Scale, 0.5, 1e-15);  // (R^2 - 1/4) / R^2 with R = sqrt(2)/2
}

TEST(PolyhedronDual, NeighbouringFacesThroughTheCentreAbandonTheDual)
{
    const auto run = DualOf("(4, 4, 8/3, 8/5)");
    EXPECT_TRUE(run->Aborted);
    EXPECT_EQ(run->Pane.Lines.back(), "無限遠点を含むため双対図形処理を中断しました");
    EXPECT_EQ(run->Dual.Faces.VertexCount, 2);
    EXPECT_EQ(run->Dual.Faces.FaceCount, 0);
    EXPECT_EQ(run->Dual.Faces.EdgeCount, 0);
    EXPECT_EQ(run->Dual.Radius, run->Engine->Geometry().SphereRadius);
    EXPECT_EQ(run->Dual.Scale, 1.0);
    EXPECT_EQ(CountDualFaces(run->Dual), 0);
    EXPECT_EQ(CountDualVertices(run->Dual), 0);
    EXPECT_EQ(DualEdgeReport(run->Dual, run->Engine->Geometry().PolygonCount), "双対図形の辺の長さは計算不能です。");
}

TEST(PolyhedronDual, CrossedAndConcaveQuadrilateralsAreSplit)
{
    for (const int entry : {58, 61, 67, 75, 77, 83, 90}) {
        const auto run = CatalogueDual(entry);
        ASSERT_FALSE(run->Aborted) << entry;
        EXPECT_EQ(run->Dual.FaceKind, -1) << entry;
        EXPECT_EQ(run->Dual.Pieces, 2) << entry;
        // Crossing points end no edge and are not counted; the poles are.
        EXPECT_EQ(CountDualVertices(run->Dual), EdgeEnds(run->Dual.Faces)) << entry;
        EXPECT_LT(CountDualVertices(run->Dual), run->Dual.Faces.VertexCount - 2) << entry;
        EXPECT_EQ(CountDualFaces(run->Dual), RawAt(*run->Engine, run->Pick).VertexCount) << entry;
    }
    for (int entry = 115; entry <= 120; ++entry) {
        const auto run = CatalogueDual(entry);
        EXPECT_EQ(run->Dual.FaceKind, 0) << entry;
        EXPECT_EQ(run->Dual.Pieces, 2) << entry;
        EXPECT_EQ(CountDualFaces(run->Dual), RawAt(*run->Engine, run->Pick).VertexCount) << entry;
        EXPECT_EQ(CountDualVertices(run->Dual), RawAt(*run->Engine, run->Pick).FaceCount) << entry;
    }
}

TEST(PolyhedronDual, CrossingJudgedAlongTheVertexNotAWorldAxis)
{
    // Quarter turns put vertex 0, and with it the plane of its dual face, edge-on to the
    // x axis; the dual must keep its shape however the source is turned.
    const TMatrix3 turns[] = {TMatrix3{{{0, -1, 0}, {1, 0, 0}, {0, 0, 1}}},
                              TMatrix3{{{0, 0, -1}, {0, 1, 0}, {1, 0, 0}}}};
    for (const int entry : {58, 61, 67, 75, 77, 83, 90}) {
        const auto run = CatalogueDual(entry);
        const int faces = run->Dual.Faces.FaceCount;
        const int vertices = CountDualVertices(run->Dual);
        for (const TMatrix3& turn : turns) {
            TPolyFace turned;
            TransformSolid(turn, RawAt(*run->Engine, run->Pick), turned);
            ASSERT_FALSE(FormDual(turned, run->Engine->Geometry(), run->Dual, run->Pane));
            EXPECT_EQ(run->Dual.FaceKind, -1) << entry;
            EXPECT_EQ(run->Dual.Pieces, 2) << entry;
            EXPECT_EQ(run->Dual.Faces.FaceCount, faces) << entry;
            EXPECT_EQ(CountDualVertices(run->Dual), vertices) << entry;
            EXPECT_EQ(EdgesMissingMidpoints(turned, run->Dual.Faces), 0) << entry;
        }
    }
}

TEST(PolyhedronDual, EveryCatalogueSolidFormsItsDualOrAbandonsIt)
{
    for (int entry = 0; entry < CatalogueEntryCount; ++entry) {
        const auto run = CatalogueDual(entry);
        ASSERT_GE(run->Pick, 1);
        ASSERT_LE(run->Pick, run->Engine->FoundCount()) << entry;
        EXPECT_TRUE(AllFinite(run->Dual.Faces)) << entry;
        EXPECT_TRUE(std::isfinite(run->Dual.Radius) && std::isfinite(run->Dual.Scale)) << entry;
        if (run->Aborted) {
            EXPECT_EQ(run->Dual.Faces.FaceCount, 0) << entry;
            continue;
        }
        EXPECT_GT(CountDualFaces(run->Dual), 0) << entry;
        EXPECT_EQ(EdgesMissingMidpoints(RawAt(*run->Engine, run->Pick), run->Dual.Faces), 0) << entry;
    }
}

TEST(PolyhedronDual, PartialSolidsGivePartialDualsWithoutNaN)
{
    // A step build of a configuration whose polygons nearly pass through the centre
    // (R - r = 5.6e-6): the centre test must be decided once, by the polygon.
    TBuildSession session;
    TLinePane pane;
    TDualSolid dual;
    const TVertexConfiguration config = Config("(4, 5, 3/2, 5, 5/3)", 60);
    ASSERT_FALSE(session.Press(TBuildMode::Start, config, TDisplaySettings{}, pane));
    for (int press = 0; press < 60; ++press) {
        (void)DualAt(session, 0, dual, pane);
        EXPECT_TRUE(AllFinite(dual.Faces)) << press;
        EXPECT_GE(CountDualFaces(dual), 0);
        ASSERT_FALSE(session.Press(TBuildMode::Continue, config, TDisplaySettings{}, pane));
    }

    // One complete vertex: a dual of one face, whose k edges give no error estimate.
    ASSERT_FALSE(session.Press(TBuildMode::Start, Config("(3, 4, 5, 4)"), TDisplaySettings{}, pane));
    ASSERT_FALSE(DualAt(session, 0, dual, pane));
    EXPECT_EQ(CountDualFaces(dual), 1);
    EXPECT_EQ(dual.Faces.EdgeCount, 4);
    const std::string report = DualEdgeReport(dual, session.Geometry().PolygonCount);
    EXPECT_EQ(report.substr(report.size() - std::string("\r\n（誤差は計算不能です）").size()),
              "\r\n（誤差は計算不能です）");

    // No complete vertex at all: an empty dual, not an abandoned one.
    TPolyFace loose;
    loose.AppendVertex(MakeVector(1, 0, 0));
    loose.AppendVertex(MakeVector(0, 1, 0));
    EXPECT_FALSE(FormDual(loose, session.Geometry(), dual, pane));
    EXPECT_EQ(dual.Faces.VertexCount, 2);
    EXPECT_EQ(dual.Faces.FaceCount, 0);
    EXPECT_EQ(CountDualVertices(dual), 0);
    EXPECT_TRUE(std::isfinite(dual.Scale));
}

namespace {

// The cube built at one press and its only solid shown as the settings say.
void ShowCube(TBuildSession& session, TLinePane& pane, const TDisplaySettings& shown)
{
    ASSERT_FALSE(session.Press(TBuildMode::OneShot, Config("(4, 4, 4)"), shown, pane));
    session.Show(1, shown, pane);
}

}  // namespace

TEST(PolyhedronDual, ListedDualOutsideTheListTouchesNothing)
{
    TBuildSession session;
    TLinePane pane;
    TDisplaySettings shown;
    shown.DualShown = true;
    ShowCube(session, pane, shown);
    ASSERT_FALSE(session.Marks().DualAborted);
    const std::string before = DumpSolid(session.Dual().Faces);
    session.SelectionChanged(shown);
    session.Show(2, shown, pane);
    EXPECT_TRUE(session.Marks().DualAborted);
    EXPECT_EQ(DumpSolid(session.Dual().Faces), before);
    EXPECT_EQ(session.Dual().Pieces, 1);
    EXPECT_EQ(session.Dual().FaceKind, 0);
}

TEST(PolyhedronDual, ScaleFactorSolvesTheLineThroughTheMidpoint)
{
    // The line through s (2, 0, 1) along (0, 1, 0) meets (1, 3, 0.5) for s = 1/2.
    EXPECT_DOUBLE_EQ(DualScaleFactor(MakeVector(1, 3, 0.5), MakeVector(0, 1, 0), MakeVector(2, 0, 1)), 0.5);
}

TEST(PolyhedronView, CompoundSharesCoincidentVerticesAndKeepsFlags)
{
    TBuildSession session;
    TLinePane pane;
    TDisplaySettings shown;
    shown.CompoundShown = true;
    ShowCube(session, pane, shown);
    const TPolyFace& compound = session.Compound();
    EXPECT_EQ(compound.VertexCount, 14);
    EXPECT_EQ(compound.FaceCount, 14);
    EXPECT_EQ(compound.EdgeCount, 24);
    int flagged = 0;
    for (int i = 0; i < compound.EdgeCount; ++i)
        flagged += compound.EdgeFlag[i] ? 1 : 0;
    EXPECT_EQ(flagged, 12);

    // The tetrahedron's dual is a tetrahedron whose vertices are nowhere near its own.
    ASSERT_FALSE(session.Press(TBuildMode::OneShot, Config("(3, 3, 3)"), shown, pane));
    session.Show(1, shown, pane);
    EXPECT_EQ(session.Compound().VertexCount, 8);
    const std::string formed = DumpSolid(session.Compound());
    for (const int beyond : {2, -1}) {  // beyond the list: nothing
        session.SelectionChanged(shown);
        session.Show(beyond, shown, pane);
        EXPECT_EQ(DumpSolid(session.Compound()), formed);
    }
}
