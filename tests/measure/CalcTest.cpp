// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/NumberFormat.h"
#include "measure/PolyhedronCalc.h"
#include "support/SolidDump.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

std::unique_ptr<TBuild> Built(const std::string& text)
{
    return BuiltEngine<TBuild>(text);
}

void ExpectRelative(double actual, double expected, const std::string& what)
{
    EXPECT_NEAR(actual / expected, 1.0, 1e-9) << what << ": " << actual << " vs " << expected;
}

const double Root3 = std::sqrt(3.0);
const double Root5 = std::sqrt(5.0);

}  // namespace

TEST(PolyhedronCalc, AreaAndVolumeOfKnownSolids)
{
    const struct {
        const char* Text;
        double Area;
        double Volume;
    } rows[] = {
        {"(3, 3, 3)", Root3, std::sqrt(2.0) / 12},
        {"(4, 4, 4)", 6, 1},
        {"(3, 3, 3, 3)", 2 * Root3, std::sqrt(2.0) / 3},
        {"(5, 5, 5)", 3 * std::sqrt(25 + 10 * Root5), (15 + 7 * Root5) / 4},
        {"(3, 3, 3, 3, 3)", 5 * Root3, 5 * (3 + Root5) / 12},
        {"(3, 4, 3, 4)", 6 + 2 * Root3, 5 * std::sqrt(2.0) / 3},
        {"(5, 6, 6)", 3 * (10 * Root3 + std::sqrt(25 + 10 * Root5)), (125 + 43 * Root5) / 4},
        {"(3, 3, 3, 3, 4)", 6 + 8 * Root3, 7.88947739997539},  // snub cube, volume from its cubic
    };
    for (const auto& row : rows) {
        const auto engine = Built(row.Text);
        ExpectRelative(SurfaceArea(*engine->SolidAt(1)), row.Area, std::string(row.Text) + " area");
        ExpectRelative(Volume(*engine->SolidAt(1)), row.Volume, std::string(row.Text) + " volume");
    }
}

TEST(PolyhedronCalc, StarFacesAreMatchedByDensityToo)
{
    // (5, 5/2, 5, 5/2): 12 pentagons and 12 pentagrams, on a sphere of radius 1.
    const auto engine = Built("(5, 5/2, 5, 5/2)");
    const double pentagon = std::sqrt(25 + 10 * Root5) / 4;
    const double pentagram = std::sqrt(25 - 10 * Root5) / 4;  // inner pentagon counted twice
    ExpectRelative(engine->Geometry().SphereRadius, 1.0, "R");
    ExpectRelative(SurfaceArea(*engine->SolidAt(1)), 12 * pentagon + 12 * pentagram, "area");
    const double pentagonRadius2 = (5 + Root5) / 10;
    const double pentagramRadius2 = (5 - Root5) / 10;
    ExpectRelative(Volume(*engine->SolidAt(1)),
                   12 * std::sqrt(1 - pentagonRadius2) * pentagon / 3
                       + 12 * std::sqrt(1 - pentagramRadius2) * pentagram / 3,
                   "volume");
}

TEST(PolyhedronCalc, FigureTextsForSolidDualAndConstruction)
{
    auto engine = Built("(4, 4, 4)");
    const auto solid = SolidFigureTexts(engine->Geometry(), engine->SolidAt(1), nullptr, false);
    EXPECT_EQ(solid[0], "面の数：6");
    EXPECT_EQ(solid[1], "頂点の数：8");
    EXPECT_EQ(solid[2], "辺の数：12");
    EXPECT_EQ(solid[3].rfind("表面積：6", 0), 0u);
    EXPECT_EQ(solid[4].rfind("体積：", 0), 0u);
    EXPECT_NEAR(std::stod(solid[4].substr(std::string("体積：").size())), 1.0, 1e-12);
    EXPECT_EQ(solid[5], "外接球半径：" + FormatGeneral(engine->Geometry().SphereRadius));
    EXPECT_EQ(solid[5].substr(0, std::string("外接球半径：0.8660254").size()), "外接球半径：0.8660254");

    const auto blank = SolidFigureTexts(engine->Geometry(), engine->SolidAt(1), nullptr, true);
    EXPECT_EQ(blank[3], "表面積：");
    EXPECT_EQ(blank[4], "体積：");
    const auto beyond = SolidFigureTexts(engine->Geometry(), engine->SolidAt(5), nullptr, true);
    EXPECT_EQ(beyond[0], "面の数：0");
    EXPECT_EQ(beyond[1], "頂点の数：0");
    EXPECT_EQ(beyond[2], "辺の数：0");

    TDualSolid formed;
    ASSERT_FALSE(DualAt(*engine, 1, formed, NoLines));
    const auto dual = SolidFigureTexts(engine->Geometry(), engine->SolidAt(1), &formed, false);
    EXPECT_EQ(dual[0], "面の数：8");
    EXPECT_EQ(dual[1], "頂点の数：6");
    EXPECT_EQ(dual[2], "辺の数：12");
    EXPECT_EQ(dual[3], "表面積：");
    EXPECT_EQ(dual[4], "体積：");
    EXPECT_EQ(dual[5], "内接球半径：" + FormatGeneral(engine->Geometry().SphereRadius));
}

TEST(PolyhedronCalc, PolygonTableWritesSymbolsAndValues)
{
    const auto engine = Built("(5/2, 4, 4)");
    const auto rows = PolygonTableRows(engine->Geometry());
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"正n角形", "5/2", "4", "4"}));
    EXPECT_EQ(rows[1][0], "対角線");
    EXPECT_EQ(rows[1][2], FormatGeneral(std::sqrt(2.0)));
    EXPECT_EQ(rows[2][0], "外接円半径");
    EXPECT_EQ(rows[3][0], "面積");
    EXPECT_EQ(rows[3][2], "1");

    auto twelve = std::make_unique<TBuild>();
    TNullPane pane;
    (void)twelve->Prepare(Config("(3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4)/3"), pane);
    EXPECT_EQ(PolygonTableRows(twelve->Geometry())[0].size(), 13u);
}

TEST(DualEdgeReport, CubeListsThreeEqualSidesAndTheError)
{
    auto engine = Built("(4, 4, 4)");
    TDualSolid formed;
    ASSERT_FALSE(DualAt(*engine, 1, formed, NoLines));
    std::vector<double> groups;
    const std::string report = DualEdgeReport(formed, engine->Geometry().PolygonCount, &groups);
    const std::string side = FormatGeneral(RoundToDigit(groups[0], -14));
    EXPECT_EQ(groups.size(), 1u);
    EXPECT_EQ(report.rfind("双対立体の辺の長さ：\r\n辺 1 = 1.41421356237", 0), 0u) << report;
    const std::size_t second = report.find(", \r\n辺 2 = ");
    const std::size_t third = report.find(", \r\n辺 3 = ");
    ASSERT_NE(second, std::string::npos);
    ASSERT_NE(third, std::string::npos);
    const std::string first = report.substr(std::string("双対立体の辺の長さ：\r\n辺 1 = ").size(),
                                            second - std::string("双対立体の辺の長さ：\r\n辺 1 = ").size());
    EXPECT_EQ(report.substr(second + std::string(", \r\n辺 2 = ").size(), first.size()), first);
    EXPECT_NE(report.find("\r\n（誤差：小数点以下第1"), std::string::npos);
    EXPECT_EQ(report.substr(report.size() - std::string("位以内）").size()), "位以内）");
}

TEST(DualEdgeReport, FarPointsAndCrossedFaces)
{
    auto hemi = Built("(3, 4, 3/2, 4)");
    TDualSolid hemiDual;
    ASSERT_FALSE(DualAt(*hemi, 1, hemiDual, NoLines));
    EXPECT_EQ(DualEdgeReport(hemiDual, 4), "双対図形の辺の長さは無限大です。");

    auto crossed = Built("(4, 8, 4/3, 8/7 [,3])/0");
    TDualSolid crossedDual;
    ASSERT_FALSE(DualAt(*crossed, 1, crossedDual, NoLines));
    EXPECT_EQ(DualEdgeReport(crossedDual, crossed->Geometry().PolygonCount).rfind("双対立体の辺の長さ：\r\n辺 1 = ", 0),
              0u);
}

TEST(DualEdgeReport, ExactLengthsAndDriftingGroupsStayReadable)
{
    // A hand-made dual: one square face of exactly unit sides, more edges than k = 3.
    auto engine = Built("(3, 3, 3)");
    TDualSolid made;
    TPolyFace& dual = made.Faces;
    dual.AppendVertex(MakeVector(9, 9, 9));
    dual.AppendVertex(MakeVector(9, 9, 9));
    for (const TVector3 p : {TVector3{0, 0, 0}, TVector3{1, 0, 0}, TVector3{1, 1, 0}, TVector3{0, 1, 0}})
        dual.AppendVertex(p);
    const int square[4] = {2, 3, 4, 5};
    dual.AppendFace(square, 4, 3, 0);
    for (int i = 0; i < 4; ++i)
        dual.AppendEdge(2 + i, 2 + (i + 1) % 4, true);
    made.Pieces = 1;
    made.FaceKind = 0;
    EXPECT_EQ(DualEdgeReport(made, engine->Geometry().PolygonCount),
              "双対立体の辺の長さ：\r\n辺 1 = 1, \r\n辺 2 = 1, \r\n辺 3 = 1\r\n（誤差は検出されませんでした）");

    // Lengths 1, 1 + 0.9e-6 ... 1 + 1.9e-6: the group mean drifts more than 1e-6 from the
    // first edge, which is then shown with the nearest group.
    dual.Clear();
    dual.AppendVertex(MakeVector(9, 9, 9));
    dual.AppendVertex(MakeVector(9, 9, 9));
    dual.AppendVertex(MakeVector(0, 0, 0));
    for (const double length : {1.0, 1 + 0.9e-6, 1 + 1.4e-6, 1 + 1.7e-6, 1 + 1.9e-6}) {
        const int end = dual.AppendVertex(MakeVector(length, 0, 0));
        dual.AppendEdge(2, end, true);
    }
    dual.AppendFace(square, 3, 3, 0);
    std::vector<double> groups;
    const std::string report = DualEdgeReport(made, engine->Geometry().PolygonCount, &groups);
    EXPECT_EQ(groups.size(), 1u);
    EXPECT_EQ(report.find("NAN"), std::string::npos);
    EXPECT_EQ(report.rfind("双対立体の辺の長さ：\r\n辺 1 = 1.00000", 0), 0u) << report;
}

TEST(DualEdgeReport, LengthsWithinOneMillionthShareAGroup)
{
    // Two edges from one point: 1 and 1 + delta. Within 1e-6 (inclusive) they are one group
    // (two equal sides of the mean); just past it, two groups and two different sides.
    auto engine = Built("(3, 3, 3)");
    const auto groupsFor = [&](double delta) {
        TDualSolid made;
        TPolyFace& dual = made.Faces;
        dual.AppendVertex(MakeVector(9, 9, 9));
        dual.AppendVertex(MakeVector(9, 9, 9));
        dual.AppendVertex(MakeVector(0, 0, 0));
        for (const double length : {1.0, 1.0 + delta, 1.0}) {
            const int end = dual.AppendVertex(MakeVector(length, 0, 0));
            dual.AppendEdge(2, end, true);
        }
        const int face[3] = {2, 3, 4};
        dual.AppendFace(face, 3, 3, 0);
        std::vector<double> groups;
        (void)DualEdgeReport(made, engine->Geometry().PolygonCount, &groups);
        return groups.size();
    };
    EXPECT_EQ(groupsFor(0.999e-6), 1u);
    EXPECT_EQ(groupsFor(1.001e-6), 2u);
}

TEST(NumberFormat, RoundToDigitIsSafeEverywhere)
{
    EXPECT_DOUBLE_EQ(RoundToDigit(1.23456, -2), 1.23);
    EXPECT_DOUBLE_EQ(RoundToDigit(0.5, 0), 1.0);
    EXPECT_DOUBLE_EQ(RoundToDigit(1234.5, 2), 1200.0);
    EXPECT_EQ(FormatGeneral(RoundToDigit(123456.789, -18)), "123456.789");
    EXPECT_EQ(FormatGeneral(RoundToDigit(1e300, -18)), "1E300");
}
