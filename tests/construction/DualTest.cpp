#include "catalogue/PolyhedronInfo.h"
#include "measure/PolyhedronCalc.h"
#include "support/SolidDump.h"
#include "view/PolyhedronView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

struct TDualRun {
    std::unique_ptr<TBuild> Engine = std::make_unique<TBuild>();
    TBuildDriver Driver;
    TLinePane Pane;
    bool Aborted = false;
    int Pick = 1;
};

// Builds the configuration and forms the dual of list position pick, as the window does.
std::unique_ptr<TDualRun> DualOf(const TVertexConfiguration& config, int pick)
{
    auto run = std::make_unique<TDualRun>();
    run->Pick = pick;
    EXPECT_FALSE(run->Driver.BuildAll(*run->Engine, config, run->Pane));
    run->Aborted =
        pick == 0 ? run->Engine->BuildCurrentDual(run->Pane) : run->Engine->BuildListedDual(pick - 1, run->Pane);
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
    EXPECT_EQ(ParseCodeString(PolyhedronCatalogue()[entry].Code, config, pick), "");
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
    const TBuild& e = *run->Engine;
    ASSERT_FALSE(run->Aborted);
    EXPECT_EQ(CountDualVertices(e), 6);
    EXPECT_EQ(CountDualFaces(e), 8);
    EXPECT_EQ(e.Dual.EdgeCount, 12);
    EXPECT_EQ(e.DualFaceKind, 0);
    EXPECT_EQ(e.DualPieces, 1);
    EXPECT_EQ(EdgesMissingMidpoints(e.FoundSolids[0], e.Dual), 0);
    // The layout the renderer, the figures and the writer rely on.
    EXPECT_EQ(DumpSolid(e.FoundSolids[0]).substr(0, 20), DumpSolid(e.Dual).substr(0, 20));
    for (int f = 0; f < e.Dual.FaceCount; ++f) {
        EXPECT_EQ(e.Dual.FaceN[f], 3);
        EXPECT_EQ(e.Dual.FaceD[f], 0);
    }
    for (int i = 0; i < e.Dual.EdgeCount; ++i)
        EXPECT_TRUE(e.Dual.EdgeFlag[i]);
    for (int v = 2; v < e.Dual.VertexCount; ++v)
        EXPECT_NEAR(VectorLength(e.Dual.Vertices[v]), 1.0, 1e-12);  // (1/2) / (1/2) from the centre
}

TEST(PolyhedronDual, HemiPolyhedronUsesFarPoints)
{
    const auto run = DualOf("(3, 4, 3/2, 4)");
    const TBuild& e = *run->Engine;
    ASSERT_FALSE(run->Aborted);
    EXPECT_EQ(e.DualFaceKind, -1);
    EXPECT_EQ(e.DualPieces, 6);
    EXPECT_EQ(CountDualVertices(e), 7);  // 4 poles and 3 lines of directions
    EXPECT_EQ(EdgesMissingMidpoints(e.FoundSolids[0], e.Dual), 0);
    // Far points lie on the sphere of ten circumradii, scaled with the rest.
    double farthest = 0.0;
    for (int v = 2; v < e.Dual.VertexCount; ++v)
        farthest = std::max(farthest, VectorLength(e.Dual.Vertices[v]));
    EXPECT_NEAR(farthest, 10 * e.SphereRadius * e.DualScale, 1e-9);
    EXPECT_NEAR(e.DualScale, 0.5, 1e-15);  // (R^2 - 1/4) / R^2 with R = sqrt(2)/2
}

TEST(PolyhedronDual, NeighbouringFacesThroughTheCentreAbandonTheDual)
{
    const auto run = DualOf("(4, 4, 8/3, 8/5)");
    const TBuild& e = *run->Engine;
    EXPECT_TRUE(run->Aborted);
    EXPECT_EQ(run->Pane.Lines.back(), "無限遠点を含むため双対図形処理を中断しました");
    EXPECT_EQ(e.Dual.VertexCount, 2);
    EXPECT_EQ(e.Dual.FaceCount, 0);
    EXPECT_EQ(e.Dual.EdgeCount, 0);
    EXPECT_EQ(e.DualRadius, e.SphereRadius);
    EXPECT_EQ(e.DualScale, 1.0);
    EXPECT_EQ(CountDualFaces(e), 0);
    EXPECT_EQ(CountDualVertices(e), 0);
    EXPECT_EQ(DualEdgeReport(*run->Engine), "双対図形の辺の長さは計算不能です。");
}

TEST(PolyhedronDual, CrossedAndConcaveQuadrilateralsAreSplit)
{
    for (const int entry : {58, 61, 67, 75, 77, 83, 90}) {
        const auto run = CatalogueDual(entry);
        const TBuild& e = *run->Engine;
        ASSERT_FALSE(run->Aborted) << entry;
        EXPECT_EQ(e.DualFaceKind, -1) << entry;
        EXPECT_EQ(e.DualPieces, 2) << entry;
        // Crossing points end no edge and are not counted; the poles are.
        EXPECT_EQ(CountDualVertices(e), EdgeEnds(e.Dual)) << entry;
        EXPECT_LT(CountDualVertices(e), e.Dual.VertexCount - 2) << entry;
        EXPECT_EQ(CountDualFaces(e), e.FoundSolids[run->Pick - 1].VertexCount) << entry;
    }
    for (int entry = 115; entry <= 120; ++entry) {
        const auto run = CatalogueDual(entry);
        const TBuild& e = *run->Engine;
        EXPECT_EQ(e.DualFaceKind, 0) << entry;
        EXPECT_EQ(e.DualPieces, 2) << entry;
        EXPECT_EQ(CountDualFaces(e), e.FoundSolids[run->Pick - 1].VertexCount) << entry;
        EXPECT_EQ(CountDualVertices(e), e.FoundSolids[run->Pick - 1].FaceCount) << entry;
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
        TBuild& e = *run->Engine;
        const int faces = e.Dual.FaceCount;
        const int vertices = CountDualVertices(e);
        for (const TMatrix3& turn : turns) {
            TPolyFace turned;
            e.TransformSolid(turn, e.FoundSolids[run->Pick - 1], turned);
            ASSERT_FALSE(e.BuildDual(turned, run->Pane));
            EXPECT_EQ(e.DualFaceKind, -1) << entry;
            EXPECT_EQ(e.DualPieces, 2) << entry;
            EXPECT_EQ(e.Dual.FaceCount, faces) << entry;
            EXPECT_EQ(CountDualVertices(e), vertices) << entry;
            EXPECT_EQ(EdgesMissingMidpoints(turned, e.Dual), 0) << entry;
        }
    }
}

TEST(PolyhedronDual, EveryCatalogueSolidFormsItsDualOrAbandonsIt)
{
    for (int entry = 0; entry < CatalogueEntryCount; ++entry) {
        const auto run = CatalogueDual(entry);
        const TBuild& e = *run->Engine;
        ASSERT_GE(run->Pick, 1);
        ASSERT_LE(run->Pick, e.FoundCount) << entry;
        EXPECT_TRUE(AllFinite(e.Dual)) << entry;
        EXPECT_TRUE(std::isfinite(e.DualRadius) && std::isfinite(e.DualScale)) << entry;
        if (run->Aborted) {
            EXPECT_EQ(e.Dual.FaceCount, 0) << entry;
            continue;
        }
        EXPECT_GT(CountDualFaces(e), 0) << entry;
        EXPECT_EQ(EdgesMissingMidpoints(e.FoundSolids[run->Pick - 1], e.Dual), 0) << entry;
    }
}

TEST(PolyhedronDual, PartialSolidsGivePartialDualsWithoutNaN)
{
    // A step build of a configuration whose polygons nearly pass through the centre
    // (R - r = 5.6e-6): the centre test must be decided once, by the polygon.
    auto engine = std::make_unique<TBuild>();
    TBuildDriver driver;
    TLinePane pane;
    const TVertexConfiguration config = Config("(4, 5, 3/2, 5, 5/3)", 60);
    ASSERT_FALSE(driver.StartSteps(*engine, config, pane));
    for (int press = 0; press < 60; ++press) {
        (void)engine->BuildCurrentDual(pane);
        EXPECT_TRUE(AllFinite(engine->Dual)) << press;
        EXPECT_GE(CountDualFaces(*engine), 0);
        ASSERT_FALSE(driver.ContinueSteps(*engine, config, pane));
    }

    // One complete vertex: a dual of one face, whose k edges give no error estimate.
    ASSERT_FALSE(driver.StartSteps(*engine, Config("(3, 4, 5, 4)"), pane));
    ASSERT_FALSE(engine->BuildCurrentDual(pane));
    EXPECT_EQ(CountDualFaces(*engine), 1);
    EXPECT_EQ(engine->Dual.EdgeCount, 4);
    const std::string report = DualEdgeReport(*engine);
    EXPECT_EQ(report.substr(report.size() - std::string("\r\n（誤差は計算不能です）").size()),
              "\r\n（誤差は計算不能です）");

    // No complete vertex at all: an empty dual, not an abandoned one.
    TPolyFace loose;
    loose.AppendVertex(MakeVector(1, 0, 0));
    loose.AppendVertex(MakeVector(0, 1, 0));
    EXPECT_FALSE(engine->BuildDual(loose, pane));
    EXPECT_EQ(engine->Dual.VertexCount, 2);
    EXPECT_EQ(engine->Dual.FaceCount, 0);
    EXPECT_EQ(CountDualVertices(*engine), 0);
    EXPECT_TRUE(std::isfinite(engine->DualScale));
}

TEST(PolyhedronDual, ListedDualOutsideTheListTouchesNothing)
{
    const auto run = DualOf("(4, 4, 4)");
    TBuild& e = *run->Engine;
    const std::string before = DumpSolid(e.Dual);
    EXPECT_TRUE(e.BuildListedDual(1, run->Pane));
    EXPECT_TRUE(e.BuildListedDual(-1, run->Pane));
    EXPECT_EQ(DumpSolid(e.Dual), before);
    EXPECT_EQ(e.DualPieces, 1);
    EXPECT_EQ(e.DualFaceKind, 0);
}

TEST(PolyhedronDual, ScaleFactorSolvesTheLineThroughTheMidpoint)
{
    // The line through s (2, 0, 1) along (0, 1, 0) meets (1, 3, 0.5) for s = 1/2.
    EXPECT_DOUBLE_EQ(DualScaleFactor(MakeVector(1, 3, 0.5), MakeVector(0, 1, 0), MakeVector(2, 0, 1)), 0.5);
}

TEST(PolyhedronView, CompoundSharesCoincidentVerticesAndKeepsFlags)
{
    auto run = DualOf("(4, 4, 4)");
    TBuild& e = *run->Engine;
    TPolyFace compound;
    FormCompound(e, 1, compound);
    EXPECT_EQ(compound.VertexCount, 14);
    EXPECT_EQ(compound.FaceCount, 14);
    EXPECT_EQ(compound.EdgeCount, 24);
    int flagged = 0;
    for (int i = 0; i < compound.EdgeCount; ++i)
        flagged += compound.EdgeFlag[i] ? 1 : 0;
    EXPECT_EQ(flagged, 12);

    // The tetrahedron's dual is a tetrahedron whose vertices are nowhere near its own.
    auto tetra = DualOf("(3, 3, 3)");
    TPolyFace tetraCompound;
    FormCompound(*tetra->Engine, 1, tetraCompound);
    EXPECT_EQ(tetraCompound.VertexCount, 8);
    const std::string formed = DumpSolid(tetraCompound);
    FormCompound(*tetra->Engine, 2, tetraCompound);  // beyond the list: nothing
    FormCompound(*tetra->Engine, -1, tetraCompound);
    EXPECT_EQ(DumpSolid(tetraCompound), formed);
}
