// SPDX-License-Identifier: GPL-3.0-or-later
// The outer surface of every catalogue solid: closed, every edge between two triangles
// running opposite ways, every sheet enclosing a positive volume, no two triangles
// crossing; what a convex solid encloses is its volume; the Kepler–Poinsot solids enclose
// what their geometry says; pinches are split into sheets.

#include "solid/OuterSurface.h"
#include "catalogue/PolyhedronInfo.h"
#include "construction/ConfigurationText.h"
#include "construction/Dual.h"
#include "export/PrintModel.h"
#include "measure/PolyhedronCalc.h"
#include "session/BuildSession.h"
#include "solid/OuterSurfaceParts.h"
#include "support/RunProgram.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <set>

namespace {

std::vector<int> AllEntries()
{
    std::vector<int> entries;
    for (int e = 0; e < CatalogueEntryCount; ++e)
        entries.push_back(e);
    return entries;
}

struct TEntrySolid {
    std::unique_ptr<TOneShotBuild> Build;
    const TBuiltSolid* Solid = nullptr;
    std::string Text;
};

TEntrySolid BuildEntry(int entry)
{
    TEntrySolid built;
    TVertexConfiguration config;
    int pick = 0;
    EXPECT_FALSE(ParseCodeString(PolyhedronCatalogue()[entry].Code, config, pick).Failed());
    built.Text = ConfigurationText(config);
    built.Build = std::make_unique<TOneShotBuild>(config);
    built.Build->Run(nullptr);
    built.Solid = built.Build->Search.SolidAt(pick);
    return built;
}

// Every face a convex polygon with the whole solid on its inner side.
bool Convex(const TBuiltSolid& solid)
{
    const TPolyFace& raw = solid.Raw;
    for (int f = 0; f < raw.FaceCount; ++f) {
        if (raw.FaceD[f] != 1)
            return false;
        const TVector3 a = raw.Vertices[static_cast<std::size_t>(raw.Faces[f][0])];
        const TVector3 b = raw.Vertices[static_cast<std::size_t>(raw.Faces[f][1])];
        const TVector3 c = raw.Vertices[static_cast<std::size_t>(raw.Faces[f][2])];
        TVector3 n = CrossProduct(SubtractVectors(b, a), SubtractVectors(c, a));
        if (DotProduct(n, a) < 0.0)
            n = ScaleVector(n, -1.0);
        const double offset = DotProduct(n, a);
        if (offset < 1e-9)
            return false;
        for (int v = 0; v < raw.VertexCount; ++v)
            if (DotProduct(n, raw.Vertices[static_cast<std::size_t>(v)]) > offset + 1e-9)
                return false;
    }
    return true;
}

// Closed and 2-manifold by the triangles' own indices: every directed edge once, and its
// reverse once (so every edge has exactly two triangles, facing the same way).
bool EdgesPairUp(const TOuterSurface& surface)
{
    std::map<std::pair<int, int>, int> directed;
    for (const TOuterTriangle& t : surface.Triangles)
        for (int k = 0; k < 3; ++k)
            ++directed[{t.Corners[static_cast<std::size_t>(k)], t.Corners[static_cast<std::size_t>((k + 1) % 3)]}];
    for (const auto& [edge, count] : directed) {
        const auto back = directed.find({edge.second, edge.first});
        if (count != 1 || back == directed.end() || back->second != 1)
            return false;
    }
    return true;
}

std::vector<double> SheetVolumes(const TOuterSurface& surface)
{
    std::vector<double> volumes(static_cast<std::size_t>(surface.Sheets), 0.0);
    for (const TOuterTriangle& t : surface.Triangles) {
        const TVector3 a = surface.Points[static_cast<std::size_t>(t.Corners[0])];
        const TVector3 b = surface.Points[static_cast<std::size_t>(t.Corners[1])];
        const TVector3 c = surface.Points[static_cast<std::size_t>(t.Corners[2])];
        volumes[static_cast<std::size_t>(t.Sheet)] += DotProduct(a, CrossProduct(b, c)) / 6.0;
    }
    return volumes;
}

// What admesh says it had to mend reading the printable STL of surface: edges fixed,
// facets removed or reversed, backwards edges, all added up.
double AdmeshMends(const TOuterSurface& surface, const std::string& name)
{
    const std::string path = ScratchDirectory() + name + ".stl";
    std::ofstream(path, std::ios::binary) << BinaryStl(PlaceForPrinting(surface, 60.0));
    const TProgramResult run = RunProgram("admesh", {path});
    EXPECT_EQ(run.Status, 0) << run.Err;
    double mends = 0.0;
    for (const char* label : {"Edges fixed", "Facets removed", "Facets reversed", "Backwards edges"}) {
        const std::regex pattern(std::string(label) + R"(\s*:\s*([-0-9.eE+]+))");
        std::smatch match;
        mends += std::regex_search(run.Out, match, pattern) ? std::stod(match[1].str()) : std::nan("");
    }
    return mends;
}

TOuterSurface OuterSurfaceOf(int entry)
{
    const TEntrySolid built = BuildEntry(entry);
    TOuterSurface surface;
    EXPECT_FALSE(FormOuterSurface(SolidSurfaceFaces(*built.Solid), surface).Failed()) << built.Text;
    return surface;
}

}  // namespace

class CatalogueOuterSurface : public ::testing::TestWithParam<int> {};

TEST_P(CatalogueOuterSurface, IsClosedOutwardAndUncrossed)
{
    const int entry = GetParam();
    const TEntrySolid built = BuildEntry(entry);
    ASSERT_NE(built.Solid, nullptr);
    TOuterSurface surface;
    const TResult result = FormOuterSurface(SolidSurfaceFaces(*built.Solid), surface);
    ASSERT_FALSE(result.Failed()) << built.Text << ": " << result.Error;
    ASSERT_FALSE(surface.Empty()) << built.Text;
    EXPECT_TRUE(EdgesPairUp(surface)) << built.Text;
    for (const double volume : SheetVolumes(surface))
        EXPECT_GT(volume, 0.0) << built.Text;
    const TMeshCheck check = CheckMesh(surface);
    EXPECT_TRUE(check.Closed && check.Manifold && check.Outward) << built.Text;
    EXPECT_FALSE(check.SelfIntersecting) << built.Text;
    EXPECT_NEAR(check.Volume, surface.Volume, 1e-9 * std::max(1.0, surface.Volume)) << built.Text;
    EXPECT_EQ(AdmeshMends(surface, "entry-" + std::to_string(entry)), 0.0) << built.Text;
    for (const TOuterTriangle& t : surface.Triangles) {
        ASSERT_GE(t.Face, 0);
        ASSERT_LT(t.Face, static_cast<int>(surface.Faces.size()));
    }
    // Nothing encloses more than its faces' pyramids count, the core once or more.
    EXPECT_LE(surface.Volume, Volume(*built.Solid) + 1e-9) << built.Text;
    if (Convex(*built.Solid)) {
        EXPECT_NEAR(surface.Volume, Volume(*built.Solid), 1e-9) << built.Text;
        EXPECT_NEAR(surface.Area, SurfaceArea(*built.Solid), 1e-9) << built.Text;
        EXPECT_EQ(surface.PinchPoints, 0) << built.Text;
    }
}

INSTANTIATE_TEST_SUITE_P(All, CatalogueOuterSurface, ::testing::ValuesIn(AllEntries()),
                         [](const ::testing::TestParamInfo<int>& entry) { return std::to_string(entry.param); });

// The compounds of solids with their duals: the tetrahedron's (the stella octangula), the
// other Platonic solids', four Kepler-Poinsot solids', the cuboctahedron's, a prism's and
// an antiprism's.
class CompoundOuterSurface : public ::testing::TestWithParam<int> {};

TEST_P(CompoundOuterSurface, IsClosedOutwardAndUncrossed)
{
    const TEntrySolid built = BuildEntry(GetParam());
    ASSERT_NE(built.Solid, nullptr);
    ASSERT_FALSE(DualReachesInfinity(*built.Solid)) << built.Text;
    TDualSolid dual;
    TNullPane pane;
    ASSERT_FALSE(FormDual(built.Solid->Raw, *built.Solid->Geometry, dual, pane)) << built.Text;
    TOuterSurface solid;
    TOuterSurface reciprocal;
    TOuterSurface compound;
    ASSERT_FALSE(FormOuterSurface(SolidSurfaceFaces(*built.Solid), solid).Failed());
    ASSERT_FALSE(FormOuterSurface(DualSurfaceFaces(dual), reciprocal).Failed()) << built.Text;
    const TResult result = FormOuterSurface(CompoundSurfaceFaces(*built.Solid, dual), compound);
    ASSERT_FALSE(result.Failed()) << built.Text << ": " << result.Error;
    EXPECT_TRUE(EdgesPairUp(compound)) << built.Text;
    const TMeshCheck check = CheckMesh(compound);
    EXPECT_TRUE(check.Closed && check.Manifold && check.Outward) << built.Text;
    EXPECT_FALSE(check.SelfIntersecting) << built.Text;
    // The union holds each and no more than both.
    EXPECT_GE(compound.Volume, std::max(solid.Volume, reciprocal.Volume) - 1e-9) << built.Text;
    EXPECT_LE(compound.Volume, solid.Volume + reciprocal.Volume + 1e-9) << built.Text;
    bool dualPieces = false;
    for (const TOuterTriangle& t : compound.Triangles)
        dualPieces = dualPieces || compound.Faces[static_cast<std::size_t>(t.Face)].Group == 1;
    // The dual shows where it reaches out of the solid (the small stellated dodecahedron
    // hides its great dodecahedron whole).
    EXPECT_EQ(dualPieces, compound.Volume > solid.Volume + 1e-9) << built.Text;
}

INSTANTIATE_TEST_SUITE_P(Ten, CompoundOuterSurface, ::testing::Values(0, 1, 2, 3, 4, 21, 22, 23, 24, 10, 25, 35),
                         [](const ::testing::TestParamInfo<int>& entry) { return std::to_string(entry.param); });

TEST(OuterSurface, TheStellaOctangulaHoldsOneAndAHalfTetrahedra)
{
    // Two tetrahedra of one size through each other share the octahedron of half the
    // volume of either.
    const TEntrySolid built = BuildEntry(0);
    TDualSolid dual;
    TNullPane pane;
    ASSERT_FALSE(FormDual(built.Solid->Raw, *built.Solid->Geometry, dual, pane));
    TOuterSurface compound;
    ASSERT_FALSE(FormOuterSurface(CompoundSurfaceFaces(*built.Solid, dual), compound).Failed());
    EXPECT_NEAR(compound.Volume, 1.5 * Volume(*built.Solid), 1e-9);
    EXPECT_EQ(compound.Triangles.size(), 24u);
    EXPECT_EQ(compound.Points.size(), 14u);
}

TEST(OuterSurface, FacesThatEncloseNothingGiveAnEmptySurface)
{
    // A cube without its top: open to the outside, so every piece has the outside on both
    // sides; and a single square, a fin in empty space.
    const std::vector<TVector3> c = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0},
                                     {0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}};
    const auto square = [&](int a, int b, int d, int e) {
        TSurfaceFace face;
        face.Corners = {c[static_cast<std::size_t>(a)], c[static_cast<std::size_t>(b)], c[static_cast<std::size_t>(d)],
                        c[static_cast<std::size_t>(e)]};
        face.N = 4;
        return face;
    };
    const std::vector<TSurfaceFace> open = {square(0, 3, 2, 1), square(0, 1, 5, 4), square(1, 2, 6, 5),
                                            square(2, 3, 7, 6), square(3, 0, 4, 7)};
    for (const auto& faces : {open, std::vector<TSurfaceFace>{square(0, 1, 2, 3)}}) {
        TOuterSurface surface;
        EXPECT_FALSE(FormOuterSurface(faces, surface).Failed());
        EXPECT_TRUE(surface.Empty());
        EXPECT_EQ(surface.Volume, 0.0);
    }
    // With its top the cube is whole again, whichever way its faces are wound.
    std::vector<TSurfaceFace> closed = open;
    closed.push_back(square(4, 5, 6, 7));
    std::swap(closed[1].Corners[1], closed[1].Corners[3]);
    TOuterSurface cube;
    ASSERT_FALSE(FormOuterSurface(closed, cube).Failed());
    EXPECT_NEAR(cube.Volume, 1.0, 1e-12);
    EXPECT_NEAR(cube.Area, 6.0, 1e-12);
    EXPECT_EQ(cube.Triangles.size(), 12u);
}

TEST(OuterSurface, KeplerPoinsotSolidsEncloseWhatTheirGeometrySays)
{
    const double root5 = std::sqrt(5.0);
    const double phi = (1.0 + root5) / 2.0;
    // The great dodecahedron: the icosahedron with a pyramid dug into each face, on 60
    // triangles round 32 points (its 12 vertices and the 20 dimples' floors).
    const TOuterSurface great = OuterSurfaceOf(23);
    EXPECT_NEAR(great.Volume, 1.25 * (root5 - 1.0), 1e-9);
    EXPECT_EQ(great.Triangles.size(), 60u);
    EXPECT_EQ(great.Points.size(), 32u);
    // The small stellated dodecahedron: the core dodecahedron and its twelve points.
    const TOuterSurface small = OuterSurfaceOf(22);
    EXPECT_NEAR(small.Volume, 1.25 * (7.0 + 3.0 * root5) / std::pow(phi, 9), 1e-9);
    EXPECT_EQ(small.Triangles.size(), 60u);
    // The great stellated dodecahedron: an icosahedron whose edge is the pentagram's middle
    // third (1/phi^3 of a side), with a three-sided pyramid on each face whose sides are the
    // pentagrams' points (legs 1/phi^2).
    const double a = std::pow(phi, -3);
    const double leg = std::pow(phi, -2);
    const double pyramid = std::sqrt(3.0) / 12.0 * a * a * std::sqrt(leg * leg - a * a / 3.0);
    const TOuterSurface stellated = OuterSurfaceOf(21);
    EXPECT_NEAR(stellated.Volume, 5.0 / 12.0 * (3.0 + root5) * a * a * a + 20.0 * pyramid, 1e-9);
    EXPECT_EQ(stellated.Triangles.size(), 60u);
    EXPECT_EQ(stellated.Points.size(), 32u);
}

TEST(OuterSurface, PiecesMeetingAtTheCentreBecomeSheetsOfTheirOwn)
{
    // The tetrahemihexahedron: its squares pass through the centre, where the four pieces
    // they cut from the octahedron touch one another.
    const TOuterSurface surface = OuterSurfaceOf(44);
    // Its dual's poles are at infinity: nothing of it can be held.
    EXPECT_TRUE(DualReachesInfinity(*BuildEntry(44).Solid));
    EXPECT_FALSE(DualReachesInfinity(*BuildEntry(23).Solid));
    // Four tetrahedra on the triangles, their apexes at the centre: half the octahedron.
    EXPECT_EQ(surface.Sheets, 4);
    EXPECT_NEAR(surface.Volume, std::sqrt(2.0) / 6.0, 1e-12);
    EXPECT_EQ(surface.Triangles.size(), 16u);
    EXPECT_GT(surface.PinchPoints, 0);
    EXPECT_TRUE(EdgesPairUp(surface));
    EXPECT_FALSE(CheckMesh(surface).SelfIntersecting);
}

TEST(SheetSplit, TwoCubesOnOneEdgeAndTwoTetrahedraOnOnePointComeApart)
{
    // Two unit cubes sharing the edge from (0,0,0) to (0,0,1), diagonally placed.
    std::vector<TVector3> points;
    std::vector<std::array<int, 3>> triangles;
    const auto cube = [&](double x0, double y0) {
        const int base = static_cast<int>(points.size());
        for (int i = 0; i < 8; ++i)
            points.push_back(TVector3{x0 + (i & 1), y0 + ((i >> 1) & 1), static_cast<double>((i >> 2) & 1)});
        const int quads[6][4] = {{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}};
        for (const auto& q : quads) {
            triangles.push_back({base + q[0], base + q[1], base + q[2]});
            triangles.push_back({base + q[0], base + q[2], base + q[3]});
        }
    };
    cube(0, 0);
    cube(-1, -1);
    // Weld the shared corners, as one soup from the union would have them.
    std::map<std::array<double, 3>, int> first;
    for (auto& t : triangles)
        for (int& c : t) {
            const TVector3 p = points[static_cast<std::size_t>(c)];
            c = first.try_emplace({p.X, p.Y, p.Z}, c).first->second;
        }
    ASSERT_TRUE(SplitPinches(points, triangles));
    TOuterSurface surface;
    surface.Points = points;
    for (const auto& t : triangles)
        surface.Triangles.push_back(TOuterTriangle{t, 0, 0});
    EXPECT_TRUE(EdgesPairUp(surface));
    std::set<int> used;
    for (const auto& t : triangles)
        used.insert(t.begin(), t.end());
    EXPECT_EQ(used.size(), 16u);  // the two shared corners got a copy each again

    // A soup whose triangles do not pair (an open box) is refused.
    std::vector<std::array<int, 3>> open(triangles.begin(), triangles.begin() + 10);
    EXPECT_FALSE(SplitPinches(points, open));
}
