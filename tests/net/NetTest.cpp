// SPDX-License-Identifier: GPL-3.0-or-later
// Paper models of every catalogue solid, in both modes, checked as a model builder would
// find them: on each page no two faces or tabs overlap (their triangles clipped by one
// another, not the net's own test of separating sides) and every piece lies inside the printable area;
// the pieces' areas add up to the outer surface; every glued pair of sides has one tab and
// one label on both sides; and folding the net back along its fold angles puts every
// corner where the surface has it.

#include "catalogue/PolyhedronInfo.h"
#include "construction/ConfigurationText.h"
#include "net/NetLayout.h"
#include "session/BuildSession.h"
#include "solid/OuterSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <numeric>

namespace {

struct TEntrySurface {
    std::unique_ptr<TOneShotBuild> Build;
    TOuterSurface Surface;
    TSurfaceRegions Regions;
};

std::unique_ptr<TEntrySurface> EntrySurface(int entry)
{
    auto built = std::make_unique<TEntrySurface>();
    TVertexConfiguration config;
    int pick = 0;
    EXPECT_FALSE(ParseCodeString(PolyhedronCatalogue()[entry].Code, config, pick).Failed());
    built->Build = std::make_unique<TOneShotBuild>(config);
    built->Build->Run(nullptr);
    const TBuiltSolid* solid = built->Build->Search.SolidAt(pick);
    EXPECT_NE(solid, nullptr);
    if (solid == nullptr)
        return nullptr;
    EXPECT_FALSE(FormOuterSurface(SolidSurfaceFaces(*solid), built->Surface).Failed());
    const TResult split = SplitIntoRegions(built->Surface, built->Regions);
    EXPECT_FALSE(split.Failed()) << split.Error;
    return built;
}

using TTriangle = std::array<TPoint2, 3>;

double SignedArea(const std::vector<TPoint2>& corners)
{
    double twice = 0.0;
    for (size_t k = 0; k < corners.size(); ++k)
        twice += Cross2(corners[k], corners[(k + 1) % corners.size()]);
    return twice / 2.0;
}

// The area two anticlockwise triangles share: one clipped by the other's three sides
// (Sutherland and Hodgman).
double CommonArea(const TTriangle& a, const TTriangle& b)
{
    std::vector<TPoint2> clipped(a.begin(), a.end());
    for (int k = 0; k < 3 && !clipped.empty(); ++k) {
        const TPoint2 p = b[k];
        const TPoint2 d = b[(k + 1) % 3] - p;
        std::vector<TPoint2> kept;
        for (size_t i = 0; i < clipped.size(); ++i) {
            const TPoint2 u = clipped[i];
            const TPoint2 v = clipped[(i + 1) % clipped.size()];
            const double su = Cross2(d, u - p);
            const double sv = Cross2(d, v - p);
            if (su >= 0.0)
                kept.push_back(u);
            if ((su >= 0.0) != (sv >= 0.0))
                kept.push_back(u + (su / (su - sv)) * (v - u));
        }
        clipped = std::move(kept);
    }
    return clipped.size() < 3 ? 0.0 : SignedArea(clipped);
}

struct TPageShape {
    std::vector<TTriangle> Triangles;
    double X0 = INFINITY, X1 = -INFINITY, Y0 = INFINITY, Y1 = -INFINITY;
};

// A triangle as drawn on its page, anticlockwise whatever the page's y does.
TTriangle OnPage(const TPiecePlace& place, TPoint2 a, TPoint2 b, TPoint2 c)
{
    TTriangle t{place.OnPage(a), place.OnPage(b), place.OnPage(c)};
    if (Cross2(t[1] - t[0], t[2] - t[0]) < 0.0)
        std::swap(t[1], t[2]);
    return t;
}

// The faces and tabs of the pieces on one page as triangles: each face cut as the surface
// was (the region's own triangles), each tab fanned from its first corner.
std::vector<TPageShape> PageShapes(const TNet& net, const TNetSheet& sheet, int page)
{
    std::vector<TPageShape> shapes;
    const auto bound = [](TPageShape& shape) {
        for (const TTriangle& t : shape.Triangles)
            for (const TPoint2& c : t) {
                shape.X0 = std::min(shape.X0, c.X);
                shape.X1 = std::max(shape.X1, c.X);
                shape.Y0 = std::min(shape.Y0, c.Y);
                shape.Y1 = std::max(shape.Y1, c.Y);
            }
    };
    for (size_t p = 0; p < net.Pieces.size(); ++p) {
        const TPiecePlace& place = sheet.Places[p];
        if (place.Page != page)
            continue;
        for (const TNetFace& face : net.Pieces[p].Faces) {
            TPageShape shape;
            for (const auto& t : face.Triangles)
                shape.Triangles.push_back(OnPage(place, t[0], t[1], t[2]));
            bound(shape);
            shapes.push_back(std::move(shape));
        }
        for (const TNetTab& tab : net.Pieces[p].Tabs) {
            TPageShape shape;
            for (size_t k = 1; k + 1 < tab.Corners.size(); ++k)
                shape.Triangles.push_back(OnPage(place, tab.Corners[0], tab.Corners[k], tab.Corners[k + 1]));
            bound(shape);
            shapes.push_back(std::move(shape));
        }
    }
    return shapes;
}

// No two faces or tabs on a page share more than a speck of area: every two triangles of
// different shapes clipped by each other.
void ExpectNothingOverlaps(const TNet& net, const TNetSheet& sheet, int page)
{
    const std::vector<TPageShape> shapes = PageShapes(net, sheet, page);
    std::vector<size_t> order(shapes.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return shapes[a].X0 < shapes[b].X0; });
    int overlaps = 0;
    for (size_t oi = 0; oi < order.size(); ++oi)
        for (size_t oj = oi + 1; oj < order.size() && shapes[order[oj]].X0 < shapes[order[oi]].X1; ++oj) {
            const TPageShape& a = shapes[order[oi]];
            const TPageShape& b = shapes[order[oj]];
            if (b.Y0 >= a.Y1 || a.Y0 >= b.Y1)
                continue;
            double area = 0.0;
            for (const TTriangle& s : a.Triangles)
                for (const TTriangle& t : b.Triangles)
                    area += CommonArea(s, t);
            if (area > 1e-6 && ++overlaps <= 3)
                ADD_FAILURE() << "page " << page + 1 << ": shapes " << order[oi] << " and " << order[oj]
                              << " overlap by " << area << " mm2";
        }
    EXPECT_EQ(overlaps, 0) << "on page " << page + 1;
}

void ExpectInsideArea(const TNetPage& page, const TPrintableArea& area)
{
    for (const auto* list : {&page.Faces, &page.Tabs})
        for (const TDrawnPolygon& p : *list)
            for (const TPoint2& c : p.Corners) {
                ASSERT_GE(c.X, area.X0 - 1e-9);
                ASSERT_LE(c.X, area.X1 + 1e-9);
                ASSERT_GE(c.Y, area.Y0 - 1e-9);
                ASSERT_LE(c.Y, area.Y1 + 1e-9);
            }
}

const TNetSideMark& MarkOf(const TNet& net, const TSurfaceRegions& regions, int r, int k)
{
    const TRegionDrawing& drawing = net.Regions[r];
    const TNetFace& face = net.Pieces[drawing.Piece].Faces[drawing.Face];
    return face.Sides[drawing.DrawnSide(k, static_cast<int>(regions.Regions[r].Corners.size()))];
}

// Every glued pair: folded on both sides, or cut with one tab and one label.
void ExpectPairsGlued(const TNet& net, const TSurfaceRegions& regions)
{
    int tabMarks = 0;
    for (int r = 0; r < static_cast<int>(regions.Regions.size()); ++r)
        for (int k = 0; k < static_cast<int>(regions.Regions[r].Sides.size()); ++k) {
            const TRegionSide& side = regions.Regions[r].Sides[k];
            const TNetSideMark& mine = MarkOf(net, regions, r, k);
            const TNetSideMark& theirs = MarkOf(net, regions, side.Neighbour, side.NeighbourSide);
            ASSERT_EQ(mine.Fold, theirs.Fold) << "region " << r << " side " << k;
            if (mine.Fold) {
                EXPECT_EQ(net.Regions[r].Piece, net.Regions[side.Neighbour].Piece);
                continue;
            }
            EXPECT_EQ((mine.Tab ? 1 : 0) + (theirs.Tab ? 1 : 0), 1) << "region " << r << " side " << k;
            EXPECT_FALSE(mine.Label.empty());
            EXPECT_EQ(mine.Label, theirs.Label) << "region " << r << " side " << k;
        }
    for (const TNetPiece& piece : net.Pieces) {
        for (const TNetFace& face : piece.Faces)
            for (const TNetSideMark& mark : face.Sides)
                tabMarks += mark.Tab ? 1 : 0;
        EXPECT_EQ(tabMarks, static_cast<int>(piece.Tabs.size()));
        tabMarks = 0;
    }
}

// A turn in space and a shift: where a face of the flat net goes once folded.
struct TFrame {
    std::array<std::array<double, 3>, 3> R{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    std::array<double, 3> T{0, 0, 0};

    [[nodiscard]] std::array<double, 3> Apply(std::array<double, 3> p) const
    {
        std::array<double, 3> q{};
        for (int i = 0; i < 3; ++i)
            q[i] = R[i][0] * p[0] + R[i][1] * p[1] + R[i][2] * p[2] + T[i];
        return q;
    }
    // This frame after a turn by angle about the line through a with direction e (unit),
    // both given in the flat net's plane.
    [[nodiscard]] TFrame TurnedAbout(TPoint2 a, TPoint2 e, double angle) const
    {
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        const std::array<double, 3> u{e.X, e.Y, 0.0};
        std::array<std::array<double, 3>, 3> turn{};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                turn[i][j] = (i == j ? c : 0.0) + (1 - c) * u[i] * u[j];
        turn[0][1] -= s * u[2];
        turn[0][2] += s * u[1];
        turn[1][0] += s * u[2];
        turn[1][2] -= s * u[0];
        turn[2][0] -= s * u[1];
        turn[2][1] += s * u[0];
        // p -> R (turn (p - a) + a) + T
        TFrame result;
        const std::array<double, 3> a3{a.X, a.Y, 0.0};
        std::array<double, 3> shift{};
        for (int i = 0; i < 3; ++i)
            shift[i] = a3[i] - (turn[i][0] * a3[0] + turn[i][1] * a3[1] + turn[i][2] * a3[2]);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                result.R[i][j] = R[i][0] * turn[0][j] + R[i][1] * turn[1][j] + R[i][2] * turn[2][j];
        result.T = Apply(shift);
        return result;
    }
};

std::array<double, 3> Minus(std::array<double, 3> a, std::array<double, 3> b)
{
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
double Length3(std::array<double, 3> a)
{
    return std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
}
std::array<double, 3> Of(TVector3 v)
{
    return {v.X, v.Y, v.Z};
}

// Each piece folded back, a mountain fold turning the next face away from the printed side
// by pi minus the solid's angle there: every corner's distance to every other corner of
// the piece is the surface's own.
void ExpectFoldsBack(const TNet& net, const TSurfaceRegions& regions)
{
    for (const TNetPiece& piece : net.Pieces) {
        std::vector<TFrame> frames(piece.Faces.size());
        for (size_t f = 0; f < piece.Faces.size(); ++f) {
            const TNetFace& face = piece.Faces[f];
            if (face.Parent < 0)
                continue;
            ASSERT_LT(face.Parent, static_cast<int>(f)) << "a face is folded from one laid before it";
            const int m = static_cast<int>(face.Corners.size());
            // The parent's side runs from this face's corner ParentSide + 1 to ParentSide.
            const TPoint2 from = face.Corners[(face.ParentSide + 1) % m];
            const TPoint2 to = face.Corners[face.ParentSide];
            const TPoint2 e = (1.0 / Length2(to - from)) * (to - from);
            const double dihedral = regions.Regions[face.Region].Sides[face.ParentSide].Dihedral;
            frames[f] = frames[face.Parent].TurnedAbout(from, e, M_PI - dihedral);
        }
        std::vector<std::array<double, 3>> folded;
        std::vector<int> points;
        for (size_t f = 0; f < piece.Faces.size(); ++f) {
            const TNetFace& face = piece.Faces[f];
            for (size_t k = 0; k < face.Corners.size(); ++k) {
                folded.push_back(frames[f].Apply({face.Corners[k].X, face.Corners[k].Y, 0.0}));
                points.push_back(regions.Regions[face.Region].Corners[k]);
            }
        }
        // Distances from three corners of the first face fix every point in space (up to a
        // reflection, which the fold signs already rule out with the area check below).
        const int first = static_cast<int>(piece.Faces[0].Corners.size());
        for (size_t i = 0; i < folded.size(); ++i)
            for (int a = 0; a < std::min(first, 3); ++a) {
                const double there = Length3(Minus(folded[i], folded[a]));
                const double here = Length3(Minus(Of(regions.Points[points[i]]), Of(regions.Points[points[a]])));
                ASSERT_NEAR(there, here, 1e-9) << "corner " << i << " against " << a;
            }
        // And the folded first face keeps the outside up: a corner off its plane lies below
        // (inside) exactly where the surface has it inside.
        const TVector3 n = regions.Regions[piece.Faces[0].Region].Normal;
        const TVector3 o = regions.Points[points[0]];
        for (size_t i = 0; i < folded.size(); ++i) {
            const double height = DotProduct(SubtractVectors(regions.Points[points[i]], o), n);
            ASSERT_NEAR(folded[i][2], height, 1e-9) << "corner " << i;
        }
    }
}

// Each region is its kind's drawing turned (or reflected, as marked) into place.
void ExpectPartsMatch(const TNet& net, const TSurfaceRegions& regions)
{
    for (int r = 0; r < static_cast<int>(regions.Regions.size()); ++r) {
        const TRegionDrawing& d = net.Regions[r];
        const TNetFace& face = net.Pieces[d.Piece].Faces[0];
        const std::vector<int>& corners = regions.Regions[r].Corners;
        const int m = static_cast<int>(corners.size());
        ASSERT_EQ(static_cast<int>(face.Corners.size()), m);
        for (int i = 0; i < m; ++i)
            for (int j = i + 1; j < m; ++j) {
                const double drawn = Length2(face.Corners[d.DrawnCorner(i, m)] - face.Corners[d.DrawnCorner(j, m)]);
                const double real =
                    VectorLength(SubtractVectors(regions.Points[corners[i]], regions.Points[corners[j]]));
                ASSERT_NEAR(drawn, real, 1e-6) << "region " << r;
            }
    }
}

void CheckModel(const TEntrySurface& entry, TNetMode mode)
{
    TNet net;
    const TResult made = MakeNet(entry.Regions, TNetOptions{mode, true, TLanguage::English}, net);
    ASSERT_FALSE(made.Failed()) << made.Error;
    double area = 0.0;
    for (const TNetPiece& piece : net.Pieces)
        for (const TNetFace& face : piece.Faces)
            area += piece.Count * SignedArea(face.Corners);
    EXPECT_NEAR(area, entry.Surface.Area, 1e-9);
    ExpectPairsGlued(net, entry.Regions);
    if (mode == TNetMode::Net)
        ExpectFoldsBack(net, entry.Regions);
    else
        ExpectPartsMatch(net, entry.Regions);
    TNetSheetOptions options;
    TNetSheet sheet;
    const TResult laid = LayOutNet(net, options, sheet);
    ASSERT_FALSE(laid.Failed()) << laid.Error;
    for (size_t p = 0; p < sheet.Pages.size(); ++p) {
        ExpectNothingOverlaps(net, sheet, static_cast<int>(p));
        ExpectInsideArea(sheet.Pages[p], PieceArea(options.Paper));
    }
}

class CatalogueNet : public testing::TestWithParam<int> {};

TEST_P(CatalogueNet, BothModesFoldBackWithoutOverlapsAndGlueEveryPairOnce)
{
    const std::unique_ptr<TEntrySurface> entry = EntrySurface(GetParam());
    ASSERT_NE(entry, nullptr);
    {
        SCOPED_TRACE("net");
        CheckModel(*entry, TNetMode::Net);
    }
    {
        SCOPED_TRACE("parts");
        CheckModel(*entry, TNetMode::Parts);
    }
}

std::vector<int> AllEntries()
{
    std::vector<int> entries;
    for (int e = 0; e < CatalogueEntryCount; ++e)
        entries.push_back(e);
    return entries;
}

INSTANTIATE_TEST_SUITE_P(All, CatalogueNet, testing::ValuesIn(AllEntries()));

}  // namespace
