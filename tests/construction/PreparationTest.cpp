// SPDX-License-Identifier: GPL-3.0-or-later
#include "construction/PolyhedronPreparation.h"
#include "support/SolidDump.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct TPrepared {
    TPreparation Engine;
    TLinePane Pane;
    bool Failed = false;
};

std::unique_ptr<TPrepared> Prepare(const std::string& text)
{
    auto p = std::make_unique<TPrepared>();
    p->Failed = p->Engine.Prepare(Config(text), p->Pane);
    return p;
}

const std::vector<std::string> TooLarge = {
    "不可能な組み合わせです。構築不能です。",
    "一番角数の大きい多角形の角数を下げるか。",
    "それ以外の正多角形の角数を上げてください。",
    "-------------------------",
};

}  // namespace

TEST(PolyhedronPreparation, RadiiOfKnownVertexFigures)
{
    const struct {
        const char* Text;
        double R;
        double Big;
    } rows[] = {
        {"(3, 3, 3)", 1 / std::sqrt(3.0), std::sqrt(6.0) / 4},
        {"(4, 4, 4)", std::sqrt(2.0 / 3.0), std::sqrt(3.0) / 2},
        {"(3, 4, 3/2, 4)", std::sqrt(2.0) / 2, std::sqrt(2.0) / 2},
        {"(3, 4, 5, 4)", NAN, 2.232950509},
        {"(5/2, 5/2, 5/2)", 0.356822089, 0.535233135},
        {"(3, 3, 3, 3, 3)/2", 0.525731112, 0.587785252},
        {"(5, 5, 5, 5, 5)/2", 0.850650808, 0.951056516},
    };
    for (const auto& row : rows) {
        const auto p = Prepare(row.Text);
        ASSERT_FALSE(p->Failed) << row.Text;
        if (!std::isnan(row.R)) {
            EXPECT_NEAR(p->Engine.Geometry().NeighbourRadius, row.R, 1e-9) << row.Text;
        }
        EXPECT_NEAR(p->Engine.Geometry().SphereRadius, row.Big, 1e-9) << row.Text;
        const double r = p->Engine.Geometry().NeighbourRadius;
        EXPECT_NEAR(p->Engine.Geometry().PlaneOffset, p->Engine.Geometry().SphereRadius - std::sqrt(1 - r * r), 1e-15);
        EXPECT_TRUE(p->Pane.Lines.empty()) << row.Text;
    }
    const auto tetra = Prepare("(3, 3, 3)");
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(tetra->Engine.Geometry().CentralAngle[i], 2 * M_PI / 3, 1e-12);
    EXPECT_FALSE(tetra->Engine.Geometry().IrregularVertex);
    EXPECT_TRUE(Prepare("(3, 3, 3, 3, 3)/2")->Engine.Geometry().IrregularVertex);
    EXPECT_TRUE(Prepare("(3, 4, 3/2, 4)")->Engine.Geometry().IrregularVertex);
}

TEST(PolyhedronPreparation, PolygonTablesCarrySignAndDensity)
{
    const auto p = Prepare("(5/2, 4, 5/3, 4)");
    ASSERT_FALSE(p->Failed);
    const TVertexGeometry& e = p->Engine.Geometry();
    EXPECT_NEAR(e.Chord[0], (std::sqrt(5.0) - 1) / 2, 1e-15);  // 2 cos(2 pi/5)
    EXPECT_EQ(e.ChordSign[0], 1.0);
    EXPECT_EQ(e.ChordSign[2], -1.0);
    EXPECT_NEAR(e.Chord[1], std::sqrt(2.0), 1e-15);
    EXPECT_NEAR(e.PolygonRadius[1], std::sqrt(2.0) / 2, 1e-15);
    EXPECT_NEAR(e.PolygonArea[1], 1.0, 1e-14);
    EXPECT_NEAR(e.CentralAngle[2], 2 * M_PI - (M_PI - 2 * ArcCos(e.Chord[2] / 2 / e.NeighbourRadius)), 1e-12);
}

TEST(PolyhedronPreparation, AddedLastPolygonFixesTheCircleByItsTriangle)
{
    const auto p = Prepare("(4, 6, 4/3, 6/5 [,5])/0");
    ASSERT_FALSE(p->Failed);
    const TVertexGeometry& e = p->Engine.Geometry();
    EXPECT_TRUE(e.LastAdded);
    EXPECT_EQ(e.PolygonCount, 4);
    EXPECT_NEAR(e.NeighbourRadius, std::sqrt(6.0 / 7.0), 1e-12);
    EXPECT_NEAR(e.SphereRadius, std::sqrt(7.0) / 2, 1e-12);
    const double degrees[] = {99.594, 138.590, 260.406, 221.410};
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(e.CentralAngle[i] * 180 / M_PI, degrees[i], 5e-4) << i;

    const auto three = Prepare("(3, 3 [,3])");  // with three polygons the option does nothing
    EXPECT_FALSE(three->Engine.Geometry().LastAdded);
    EXPECT_EQ(three->Engine.Geometry().PolygonCount, 3);
}

TEST(PolyhedronPreparation, RefusesWhatCannotCloseRoundAVertex)
{
    EXPECT_EQ(Prepare("(6, 6, 6)")->Pane.Lines, TooLarge);
    EXPECT_TRUE(Prepare("(6, 6, 6)")->Failed);
    // Each numbered refusal is followed by what it means in plain words.
    EXPECT_EQ(Prepare("(3, 3, 3)/2")->Pane.Lines,
              (std::vector<std::string>{
                  "構築不能です。(001)",
                  "多角形の角を合わせても頂点の周りを指定の周数だけ回りきれず、頂点図形が閉じません。"}));
    EXPECT_EQ(Prepare("(4, 4, 8/7)/0")->Pane.Lines,
              (std::vector<std::string>{
                  "構築不能です。(002)",
                  "多角形の角を合わせると頂点の周りを指定の周数より多く回ってしまい、頂点図形が閉じません。"}));
    // The added-last triangle is checked too: a flat tiling gives r = 1, and chords that
    // break the triangle inequality give no circle at all.
    EXPECT_EQ(Prepare("(6, 6, 6, 6 [,6])")->Pane.Lines, TooLarge);
    EXPECT_EQ(Prepare("(12/5, 3, 12/5 [,4])")->Pane.Lines, TooLarge);
    EXPECT_TRUE(Prepare("(12/5, 3, 12/5 [,4])")->Failed);
}

TEST(PolyhedronPreparation, ArrangementTableListsEachReadingOnce)
{
    const auto square = Prepare("(3, 4, 3, 4)");
    ASSERT_EQ(square->Engine.Geometry().ArrangementCount, 2);
    EXPECT_EQ(square->Engine.Geometry().Arrangements[0], (std::vector<int>{0, -1, 3, 4, 3, 4}));
    EXPECT_EQ(square->Engine.Geometry().Arrangements[1], (std::vector<int>{1, -1, 4, 3, 4, 3}));
    EXPECT_EQ(Prepare("(3, 4, 5, 6)")->Engine.Geometry().ArrangementCount, 8);
    EXPECT_EQ(Prepare("(3, 3, 3, 3, 4)")->Engine.Geometry().ArrangementCount, 5);
    EXPECT_EQ(Prepare("(3, 3, 3)")->Engine.Geometry().ArrangementCount, 1);

    // Readings differ by d as well as n: {5/2} and {5/3} are different polygons.
    const auto stars = Prepare("(5/2, 5/3, 5/2, 5/3)");
    EXPECT_EQ(stars->Engine.Geometry().ArrangementCount, 2);
    EXPECT_EQ(stars->Engine.Geometry().ArrangementD[0], (std::vector<int>{2, 3, 2, 3}));
    EXPECT_EQ(stars->Engine.Geometry().ArrangementD[1], (std::vector<int>{3, 2, 3, 2}));

    const auto sixteen = Prepare("(3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4)/4");
    EXPECT_EQ(sixteen->Engine.Geometry().PolygonCount, 16);
    EXPECT_EQ(sixteen->Engine.Geometry().PolyN[15], 4);
}

TEST(PolyhedronPreparation, NeighbourCircleJustInsideTheLimitBuildsJustOutsideIsRefused)
{
    // r = 0.9999898 (found by the bisection) and 0.9999887 (the added-last triangle) are
    // accepted; r = 0.9999914, by either route, is refused as too large to close.
    for (const char* text : {"(32, 22, 5, 32/25, 10, 19/16)", "(29/5, 3, 21 [,25/7])"}) {
        const auto inside = Prepare(text);
        EXPECT_FALSE(inside->Failed) << text;
        EXPECT_GT(inside->Engine.Geometry().NeighbourRadius, 0.999988) << text;
        EXPECT_LT(inside->Engine.Geometry().NeighbourRadius, 0.99999) << text;
    }
    for (const char* text : {"(19, 25, 27/11)", "(25, 3, 27/11 [,19])"}) {
        const auto outside = Prepare(text);
        EXPECT_TRUE(outside->Failed) << text;
        EXPECT_EQ(outside->Pane.Lines, TooLarge) << text;
    }
}
