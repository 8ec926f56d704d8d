// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Messages.h"
#include "construction/Lookups.h"
#include "construction/PolyhedronBuild.h"
#include "session/BuildSession.h"
#include "support/SolidDump.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

namespace {

// The buttons pressed on the session, as the window presses them.
struct TRun {
    TBuildSession Session;
    TLinePane Pane;

    [[nodiscard]] bool Continue(const TVertexConfiguration& config)
    {
        return Session.Press(TBuildMode::Continue, config, TDisplaySettings{}, Pane);
    }
    // A one-shot build watched by control, sliced as control says, then handed over.
    [[nodiscard]] bool OneShot(const TVertexConfiguration& config, TSearchControl& control, int* slices = nullptr)
    {
        TOneShotBuild build(config);
        build.Run(&control);
        for (int n = 1; control.TimedOut && n < 100000; ++n) {
            build.Resume(control);
            if (slices != nullptr)
                *slices = n + 1;
        }
        return Session.Adopt(build, Pane);
    }
};

std::unique_ptr<TRun> BuildAll(const std::string& text, int limit = 200)
{
    auto run = std::make_unique<TRun>();
    EXPECT_FALSE(run->Session.Press(TBuildMode::OneShot, Config(text, limit), TDisplaySettings{}, run->Pane)) << text;
    return run;
}

std::vector<std::string> Lines(std::initializer_list<const char*> lines)
{
    return std::vector<std::string>(lines.begin(), lines.end());
}

std::vector<std::string> Tail(const std::vector<std::string>& lines, std::size_t from)
{
    return std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(from), lines.end());
}

}  // namespace

TEST(PolyhedronBuild, TetrahedronPaneReadsAsTheWindowShowsIt)
{
    const auto run = BuildAll("(3, 3, 3)");
    EXPECT_EQ(
        run->Pane.Lines,
        Lines({
            "1頂点に接する稜の端点の外接円半径:",
            "　　0.577350269189626",
            "準正多面体の外接球半径（存在するなら）:",
            "　　0.612372435695794",
            "頂点周辺の構造から、この二つの値を自動計算しました（双対図形の場合は、元の立体における数値のことです）。",
            "これらを元に立体の構築を開始します。",
            "-------------------------",
            "1個この形の立体がありました。",
            "全通り調べ終わりました。",
            "-------------------------",
        }));
    ASSERT_EQ(run->Session.FoundCount(), 1);
    const TPolyFace& tetra = run->Session.SolidAt(1)->Raw;
    EXPECT_EQ(tetra.VertexCount, 4);
    EXPECT_EQ(tetra.FaceCount, 4);
    EXPECT_EQ(tetra.EdgeCount, 6);
    EXPECT_EQ(run->Session.BuildStep(), 5);  // VertexCount + 1: ended after a solid
}

TEST(PolyhedronBuild, SingleResultsHaveTheirRawCounts)
{
    const struct {
        const char* Text;
        int Vertices, Faces, Edges;
    } rows[] = {
        {"(3, 4, 3, 4)", 12, 14, 24},
        {"(5/2, 5/2, 5/2)", 20, 12, 30},
        {"(5, 5, 5, 5, 5)/2", 12, 12, 30},
        {"(3, 3, 3, 3, 3)/2", 12, 20, 30},
        {"(3, 5/2, 3, 5/2)", 30, 32, 60},
        {"(3, 4, 3/2, 4)", 6, 7, 12},
        {"(4, 6, 4/3, 6/5 [,5])/0", 60, 50, 120},
        {"(3, 4, 5, 4)", 60, 62, 120},
    };
    for (const auto& row : rows) {
        const auto run = BuildAll(row.Text);
        ASSERT_EQ(run->Session.FoundCount(), 1) << row.Text;
        const TPolyFace& solid = run->Session.SolidAt(1)->Raw;
        EXPECT_EQ(solid.VertexCount, row.Vertices) << row.Text;
        EXPECT_EQ(solid.FaceCount, row.Faces) << row.Text;
        EXPECT_EQ(solid.EdgeCount, row.Edges) << row.Text;
        for (int f = 0; f < solid.FaceCount; ++f)
            EXPECT_EQ(solid.FaceSize[f], solid.FaceN[f]) << row.Text;
        for (int v = 0; v < solid.VertexCount; ++v)
            EXPECT_NEAR(VectorLength(solid.Vertices[v]), run->Session.Geometry().SphereRadius, 1e-9) << row.Text;
        for (int e = 0; e < solid.EdgeCount; ++e)
            EXPECT_NEAR(VectorLength(SubtractVectors(solid.Vertices[solid.EdgeA[e]], solid.Vertices[solid.EdgeB[e]])),
                        1.0, 1e-9)
                << row.Text;
    }
}

TEST(PolyhedronBuild, VertexLimitBoundsWhatIsRecordedAndSaysSo)
{
    const auto cube = BuildAll("(4, 4, 4)", 10);
    EXPECT_EQ(cube->Session.FoundCount(), 1);
    EXPECT_EQ(Tail(cube->Pane.Lines, 7),
              Lines({"1個この形の立体がありました。", "全通り調べ終わりました。", "-------------------------"}));
    // The rhombicosidodecahedron needs 60 vertices: at 10 every branch is cut, and the
    // pane must not read as if no such solid existed.
    const auto icosi = BuildAll("(3, 4, 5, 4)", 10);
    EXPECT_EQ(icosi->Session.FoundCount(), 0);
    EXPECT_EQ(Tail(icosi->Pane.Lines, 7),
              Lines({"頂点数の上限（10）で打ち切った枝があります。上限を上げると見つかる立体があるかもしれません。",
                     "全通り調べ終わりました。", "-------------------------"}));
    EXPECT_EQ(icosi->Session.BuildStep(), SearchEndedAfterFailure);
    // Solids found and branches cut in one search: the warning comes after the count.
    const auto snub = BuildAll("(3, 3, 3, 3, 3, 5/2)", 60);
    EXPECT_EQ(snub->Session.FoundCount(), 1);
    EXPECT_EQ(Tail(snub->Pane.Lines, snub->Pane.Lines.size() - 4),
              Lines({"1個この形の立体がありました。",
                     "頂点数の上限（60）で打ち切った枝があります。上限を上げると見つかる立体があるかもしれません。",
                     "全通り調べ終わりました。", "-------------------------"}));
    // A later search with room enough forgets the earlier cut.
    const auto roomy = BuildAll("(3, 4, 5, 4)", 200);
    EXPECT_FALSE(roomy->Session.LimitCut());
    EXPECT_EQ(roomy->Pane.Lines.end()[-2], "全通り調べ終わりました。");
}

TEST(PolyhedronBuild, SolidsComeInTheOrderTheCatalogueReliesOn)
{
    // (3, 4, 4, 4): pseudo-rhombicuboctahedron, rhombicuboctahedron, then the pseudo form twice
    // more. Only the true one has a centre of symmetry.
    const auto run = BuildAll("(3, 4, 4, 4)");
    ASSERT_EQ(run->Session.FoundCount(), 4);
    for (int i = 0; i < 4; ++i) {
        const TPolyFace& s = run->Session.SolidAt(i + 1)->Raw;
        EXPECT_EQ(s.VertexCount, 24);
        EXPECT_EQ(s.FaceCount, 26);
        EXPECT_EQ(s.EdgeCount, 48);
        EXPECT_EQ(CentrallySymmetric(s), i == 1) << i;
    }
    // (3, 3, 3, 3, 4): the snub cube and its mirror image, which are different point sets.
    const auto snub = BuildAll("(3, 3, 3, 3, 4)");
    ASSERT_EQ(snub->Session.FoundCount(), 2);
    EXPECT_EQ(snub->Session.SolidAt(1)->Raw.FaceCount, 38);
    EXPECT_NE(DumpSolid(snub->Session.SolidAt(1)->Raw), DumpSolid(snub->Session.SolidAt(2)->Raw));
}

TEST(PolyhedronBuild, StepBuildGrowsOneVertexPerCall)
{
    TRun run;
    const TVertexConfiguration tetra = Config("(3, 3, 3)");
    const TPolyFace& current = run.Session.SolidAt(0)->Raw;
    ASSERT_FALSE(run.Continue(tetra));  // a press at start-up starts a build
    EXPECT_EQ(current.VertexCount, 4);
    EXPECT_EQ(current.FaceCount, 3);
    EXPECT_EQ(run.Session.BuildStep(), 1);
    ASSERT_FALSE(run.Continue(tetra));
    EXPECT_EQ(current.FaceCount, 4);
    EXPECT_EQ(run.Session.BuildStep(), 2);
    ASSERT_FALSE(run.Continue(tetra));
    ASSERT_FALSE(run.Continue(tetra));
    EXPECT_EQ(current.FaceCount, 4);
    EXPECT_EQ(run.Session.BuildStep(), 4);
    EXPECT_EQ(run.Session.FoundCount(), 0);
    EXPECT_EQ(run.Pane.Lines.size(), 7u);  // only the radius block so far

    ASSERT_FALSE(run.Continue(tetra));
    EXPECT_EQ(run.Session.FoundCount(), 1);
    EXPECT_EQ(run.Session.BuildStep(), 5);
    EXPECT_EQ(Tail(run.Pane.Lines, 7),
              Lines({"1個この形の立体がありました。", "全通り調べ終わりました。", "-------------------------"}));

    const std::string before = DumpSolid(current);
    ASSERT_FALSE(run.Continue(tetra));  // the search has ended
    EXPECT_EQ(DumpSolid(current), before);
    EXPECT_EQ(run.Pane.Lines.size(), 10u);
    EXPECT_EQ(run.Session.BuildStep(), 5);
}

TEST(PolyhedronBuild, CapPausesAndStepsCarryTheSameSearchOn)
{
    auto run = BuildAll("(5/2, 5/2, 5/2, 5/2, 5/3)");
    ASSERT_EQ(run->Session.FoundCount(), 100);
    EXPECT_EQ(run->Pane.Lines.back(), "たくさん立体がみつかったのでとりあえず中断します。");
    EXPECT_EQ(run->Pane.Lines[run->Pane.Lines.size() - 2], "100個この形の立体がありました。");
    ASSERT_GE(run->Session.BuildStep(), 1);

    const TVertexConfiguration config = Config("(5/2, 5/2, 5/2, 5/2, 5/3)");
    const std::size_t paused = run->Pane.Lines.size();
    int presses = 0;
    while (run->Session.FoundCount() == 100 && presses < 1000) {
        ASSERT_FALSE(run->Continue(config));
        ++presses;
    }
    EXPECT_EQ(run->Session.FoundCount(), 101);
    EXPECT_EQ(run->Pane.Lines.size(), paused + 1);  // no radius lines: the build went on, not afresh
    EXPECT_EQ(run->Pane.Lines.back(), "101個この形の立体がありました。");
}

TEST(PolyhedronBuild, DisplayFormSplitsStarFacesRoundTheirCentre)
{
    const auto run = BuildAll("(5/2, 5/2, 5/2)");
    const TPolyFace& raw = run->Session.SolidAt(1)->Raw;
    const TPolyFace& display = run->Session.SolidAt(1)->Display;
    EXPECT_EQ(display.VertexCount, raw.VertexCount + 12);  // one centre per pentagram
    EXPECT_EQ(display.FaceCount, 60);
    for (int f = 0; f < display.FaceCount; ++f) {
        EXPECT_EQ(display.FaceSize[f], 3);
        EXPECT_EQ(display.FaceN[f], 5);
        EXPECT_EQ(display.FaceD[f], 2);
    }
    // Convex faces pass through unchanged, with d read as 1.
    const auto cube = BuildAll("(4, 4, 4)");
    EXPECT_EQ(cube->Session.SolidAt(1)->Display.FaceCount, 6);
    EXPECT_EQ(cube->Session.SolidAt(1)->Display.VertexCount, 8);
}

TEST(Lookups, VertexIdentityHoldsToOneNanometreOfEdge)
{
    TPolyFace solid;
    EXPECT_EQ(FindOrAddVertex(MakeVector(1, 0, 0), solid), 0);
    EXPECT_EQ(FindOrAddVertex(MakeVector(1 + 0.9e-9, 0, 0), solid), 0);
    EXPECT_EQ(FindOrAddVertex(MakeVector(1, 2e-9, 0), solid), 1);
    // Both earlier vertices are within 1e-9 of this point: the lower index wins.
    EXPECT_EQ(FindOrAddVertex(MakeVector(1, 1e-9, 0), solid), 0);

    TArrangementTable table;
    table.Build(3, {{0, -1, 3, 3, 3}}, {{1, 1, 1}});
    TSearchSolid work;
    work.Reset(table);
    // Points on both sides of a grid cell boundary: the search's hashed lookup must give
    // what the plain scan gives, the lowest index within 1e-9.
    const double cell = 1.0 / 64;
    EXPECT_EQ(work.FindOrAddVertex(MakeVector(cell + 0.4e-9, 0, 0)), 0);
    EXPECT_EQ(work.FindOrAddVertex(MakeVector(cell - 0.7e-9, 0, 0)), 1);
    EXPECT_EQ(work.FindOrAddVertex(MakeVector(cell - 0.15e-9, 0, 0)), 0);
    EXPECT_EQ(work.FindOrAddVertex(MakeVector(cell - 1.5e-9, 0, 0)), 1);
    EXPECT_EQ(work.FindOrAddVertex(MakeVector(cell + 1.3e-9, 0, 0)), 0);
    EXPECT_EQ(work.FindOrAddVertex(MakeVector(cell + 2.0e-9, 0, 0)), 2);
    EXPECT_EQ(work.VertexCount(), 3);
}

TEST(Lookups, FacesMatchEitherWayRoundAndEdgesAreUnordered)
{
    TPolyFace solid;
    const int square[4] = {4, 5, 6, 7};
    EXPECT_EQ(FindOrAddFace(square, 4, 4, 1, solid), 0);
    const int rotated[4] = {6, 7, 4, 5};
    const int reversed[4] = {5, 4, 7, 6};
    const int crossed[4] = {4, 6, 5, 7};
    EXPECT_EQ(FindOrAddFace(rotated, 4, 4, 1, solid), 0);
    EXPECT_EQ(FindOrAddFace(reversed, 4, 4, 1, solid), 0);
    EXPECT_EQ(FindOrAddFace(crossed, 4, 4, 1, solid), 1);
    EXPECT_EQ(FindOrAddFace(square, 3, 3, 1, solid), 2);  // a different size is a different face

    AddEdge(1, 2, false, solid);
    AddEdge(2, 1, true, solid);
    EXPECT_EQ(solid.EdgeCount, 1);
    EXPECT_FALSE(solid.EdgeFlag[0]);
}

TEST(PolyhedronBuild, StopPausesLikeTheCapAndContinuingFindsTheSameSolids)
{
    const auto whole = BuildAll("(3, 4, 4, 4)");
    TRun run;
    TSearchControl control;
    control.StopRequested = true;  // asked before the search begins: it pauses at its first look
    ASSERT_FALSE(run.OneShot(Config("(3, 4, 4, 4)"), control));
    EXPECT_TRUE(control.Stopped);
    EXPECT_EQ(run.Pane.Lines.back(), "中止しました。「構築続行」で続きを調べます。");
    EXPECT_GE(run.Session.BuildStep(), 1);  // a vertex to complete next, as between step presses
    EXPECT_EQ(control.Completions.load(), 64);
    int presses = 0;
    while (!run.Session.SearchEnded() && presses < 10000) {
        ASSERT_FALSE(run.Continue(Config("(3, 4, 4, 4)")));
        ++presses;
    }
    ASSERT_EQ(run.Session.FoundCount(), whole->Session.FoundCount());
    for (int i = 0; i < whole->Session.FoundCount(); ++i)
        EXPECT_EQ(DumpSolid(run.Session.SolidAt(i + 1)->Raw), DumpSolid(whole->Session.SolidAt(i + 1)->Raw)) << i;
    EXPECT_EQ(run.Pane.Lines.end()[-2], "全通り調べ終わりました。");
}

TEST(PolyhedronBuild, TimeSlicedOneShotIsTheSameSearch)
{
    // A one-shot search paused at every look (its deadline long past) and carried on each
    // time must end exactly as the search run in one go: lines, solids, step.
    for (const char* text : {"(3, 4, 4, 4)", "(3, 3, 3, 3, 3, 5/2)", "(5/2, 5/2, 5/2, 5/2, 5/3)"}) {
        const auto whole = BuildAll(text, 60);
        TRun run;
        TSearchControl control;
        control.Deadline = std::chrono::steady_clock::time_point::min();
        int slices = 1;
        ASSERT_FALSE(run.OneShot(Config(text, 60), control, &slices));
        EXPECT_GT(slices, 1) << text;
        EXPECT_EQ(run.Pane.Lines, whole->Pane.Lines) << text;
        EXPECT_EQ(run.Session.BuildStep(), whole->Session.BuildStep()) << text;
        ASSERT_EQ(run.Session.FoundCount(), whole->Session.FoundCount()) << text;
        for (int i = 0; i < whole->Session.FoundCount(); ++i)
            EXPECT_EQ(DumpSolid(run.Session.SolidAt(i + 1)->Raw), DumpSolid(whole->Session.SolidAt(i + 1)->Raw))
                << text << i;
        EXPECT_EQ(DumpSolid(run.Session.SolidAt(0)->Raw), DumpSolid(whole->Session.SolidAt(0)->Raw)) << text;
    }
}

TEST(VertexLimitLine, AtTheHighestLimitItDoesNotAskForAHigherOne)
{
    SetLanguage(TLanguage::Japanese);
    EXPECT_NE(VertexLimitCutLine(990).find("上限を上げると見つかる立体があるかもしれません"), std::string::npos);
    const std::string highest = VertexLimitCutLine(MaxVertexLimit);
    EXPECT_EQ(highest.find("上限を上げると"), std::string::npos) << highest;
    EXPECT_NE(highest.find("上限はこれ以上上げられません"), std::string::npos) << highest;
    SetLanguage(TLanguage::English);
    EXPECT_NE(VertexLimitCutLine(MaxVertexLimit).find("already the highest"), std::string::npos);
    SetLanguage(TLanguage::Japanese);
}
