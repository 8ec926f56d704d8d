// SPDX-License-Identifier: GPL-3.0-or-later
// Properties every catalogue solid and its dual must have, checked over all 121 entries:
// the geometry of the solid (unit edges, one circumsphere, regular faces, the vertex
// configuration at every vertex, two faces at every edge), its counts against the
// published ones, and the dual as the reciprocal of the solid in its midsphere.
// Each entry is built once per test program, when a test first asks for it.

#include "catalogue/PolyhedronInfo.h"
#include "common/Messages.h"
#include "construction/ConfigurationText.h"
#include "measure/PolyhedronCalc.h"
#include "session/BuildSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr double Tolerance = 1e-9;

// Counts of the solid each entry shows, as published: the uniform polyhedra by their
// index U1 ... U80 in the list of uniform polyhedra (Wikipedia, after Coxeter,
// Longuet-Higgins and Miller), the prisms and antiprisms by their formulas 2n, 3n, n + 2
// and 2n, 4n, 2n + 2, the pseudo-rhombicuboctahedron as the Johnson solid J37, and the
// pseudo great rhombicuboctahedron as U17 with one cap turned, which keeps its counts.
struct TPublishedCounts {
    const char* Index;
    int Vertices;
    int Edges;
    int Faces;
    int Euler;
};

// clang-format off
constexpr std::array<TPublishedCounts, CatalogueEntryCount> Published = {{
    {"U1", 4, 6, 4, 2},        {"U6", 8, 12, 6, 2},       {"U5", 6, 12, 8, 2},        {"U23", 20, 30, 12, 2},
    {"U22", 12, 30, 20, 2},    {"U2", 12, 18, 8, 2},      {"U9", 24, 36, 14, 2},      {"U8", 24, 36, 14, 2},
    {"U26", 60, 90, 32, 2},    {"U25", 60, 90, 32, 2},    {"U7", 12, 24, 14, 2},      {"U24", 30, 60, 32, 2},
    {"U11", 48, 72, 26, 2},    {"U28", 120, 180, 62, 2},  {"U10", 24, 48, 26, 2},     {"J37", 24, 48, 26, 2},
    {"U27", 60, 120, 62, 2},   {"U12", 24, 60, 38, 2},    {"U12", 24, 60, 38, 2},     {"U29", 60, 150, 92, 2},
    {"U29", 60, 150, 92, 2},   {"U52", 20, 30, 12, 2},    {"U34", 12, 30, 12, -6},    {"U35", 12, 30, 12, -6},
    {"U53", 12, 30, 20, 2},
    // 25 ... 31: the prisms {3} ... {10}; U76 the pentagonal one.
    {"prism", 6, 9, 5, 2},     {"U76", 10, 15, 7, 2},     {"prism", 12, 18, 8, 2},    {"prism", 14, 21, 9, 2},
    {"prism", 16, 24, 10, 2},  {"prism", 18, 27, 11, 2},  {"prism", 20, 30, 12, 2},
    // 32 ... 38: the antiprisms {4} ... {10}; U77 the pentagonal one.
    {"antiprism", 8, 16, 10, 2},  {"U77", 10, 20, 12, 2},       {"antiprism", 12, 24, 14, 2},
    {"antiprism", 14, 28, 16, 2}, {"antiprism", 16, 32, 18, 2}, {"antiprism", 18, 36, 20, 2},
    {"antiprism", 20, 40, 22, 2},
    {"U54", 30, 60, 32, 2},    {"U36", 30, 60, 24, -6},   {"U30", 20, 60, 32, -8},    {"U41", 20, 60, 24, -16},
    {"U47", 20, 60, 32, -8},
    // 44 ... 52: the hemipolyhedra, whose hemi-faces pass through the centre.
    {"U4", 6, 12, 7, 1},       {"U3", 12, 24, 12, 0},     {"U15", 12, 24, 10, -2},    {"U49", 30, 60, 26, -4},
    {"U51", 30, 60, 18, -12},  {"U65", 30, 60, 22, -8},   {"U62", 30, 60, 22, -8},    {"U70", 30, 60, 18, -12},
    {"U71", 30, 60, 26, -4},
    {"U13", 24, 48, 20, -4},   {"U14", 24, 48, 20, -4},   {"U16", 48, 72, 20, -4},    {"U17", 24, 48, 26, 2},
    {"pseudo U17", 24, 48, 26, 2}, {"U18", 24, 48, 18, -6}, {"U19", 24, 36, 14, 2},   {"U20", 48, 72, 26, 2},
    {"U21", 24, 48, 18, -6},   {"U31", 60, 120, 52, -8},  {"U32", 60, 180, 112, -8},  {"U33", 60, 120, 44, -16},
    {"U37", 60, 90, 24, -6},   {"U38", 60, 120, 54, -6},  {"U39", 60, 120, 42, -18},  {"U40", 60, 150, 84, -6},
    {"U42", 60, 120, 44, -16}, {"U43", 60, 120, 44, -16}, {"U44", 60, 120, 44, -16},  {"U45", 120, 180, 44, -16},
    {"U46", 60, 180, 104, -16}, {"U48", 60, 120, 52, -8}, {"U50", 60, 120, 32, -28},  {"U55", 60, 90, 32, 2},
    {"U56", 60, 120, 50, -10}, {"U57", 60, 150, 92, 2},   {"U58", 60, 90, 24, -6},    {"U59", 120, 180, 54, -6},
    {"U60", 60, 150, 84, -6},  {"U61", 60, 120, 44, -16}, {"U63", 60, 120, 32, -28},  {"U64", 60, 180, 104, -16},
    {"U66", 60, 90, 32, 2},    {"U67", 60, 120, 62, 2},   {"U68", 120, 180, 62, 2},   {"U69", 60, 150, 92, 2},
    {"U72", 60, 180, 112, -8}, {"U73", 60, 120, 42, -18}, {"U74", 60, 150, 92, 2},    {"U75", 60, 240, 124, -56},
    // 93 ... 103: the prisms {5/2}, {7/2}, {7/3}, {8/3}, {9/2}, {9/4}, {10/3}, {11/2} ... {11/5}.
    {"U78", 10, 15, 7, 2},     {"prism", 14, 21, 9, 2},   {"prism", 14, 21, 9, 2},    {"prism", 16, 24, 10, 2},
    {"prism", 18, 27, 11, 2},  {"prism", 18, 27, 11, 2},  {"prism", 20, 30, 12, 2},   {"prism", 22, 33, 13, 2},
    {"prism", 22, 33, 13, 2},  {"prism", 22, 33, 13, 2},  {"prism", 22, 33, 13, 2},
    // 104 ... 114: the antiprisms of the same stars.
    {"U79", 10, 20, 12, 2},       {"antiprism", 14, 28, 16, 2}, {"antiprism", 14, 28, 16, 2},
    {"antiprism", 16, 32, 18, 2}, {"antiprism", 18, 36, 20, 2}, {"antiprism", 18, 36, 20, 2},
    {"antiprism", 20, 40, 22, 2}, {"antiprism", 22, 44, 24, 2}, {"antiprism", 22, 44, 24, 2},
    {"antiprism", 22, 44, 24, 2}, {"antiprism", 22, 44, 24, 2},
    // 115 ... 120: the crossed antiprisms {5/3}, {7/4}, {8/5}, {9/5}, {11/7}, {11/6}.
    {"U80", 10, 20, 12, 2},       {"antiprism", 14, 28, 16, 2}, {"antiprism", 16, 32, 18, 2},
    {"antiprism", 18, 36, 20, 2}, {"antiprism", 22, 44, 24, 2}, {"antiprism", 22, 44, 24, 2},
}};
// clang-format on

constexpr bool EulerColumnAgrees()
{
    for (const TPublishedCounts& row : Published)
        if (row.Vertices - row.Edges + row.Faces != row.Euler)
            return false;
    return true;
}
static_assert(EulerColumnAgrees(), "a mistyped count in the table");

// Entries with faces in one plane: their poles coincide, so the dual has fewer vertices
// than the solid has faces. The small snub and retrosnub icosicosidodecahedra (63, 89)
// have two of their snub triangles in each plane of an icosahedron's faces; the great
// snub dodecicosidodecahedron (84) a {5/2} and a {5/3} in each plane of a dodecahedron's
// faces; the great dirhombicosidodecahedron (92) a {3} and a {3/2} in 20 planes, a {5/2}
// and a {5/3} in 12, and its 60 squares through the centre in 30.
const std::set<int> SharedFacePlanes = {63, 84, 89, 92};

struct TCatalogueBuild {
    TVertexConfiguration Config;
    int Pick = 0;
    TBuildSession Session;
    bool Refused = false;
    bool DualAbandoned = false;

    [[nodiscard]] const TPolyFace& Solid() const { return Session.SolidAt(Pick)->Raw; }
    [[nodiscard]] const TPolyFace& Dual() const { return Session.Dual().Faces; }
};

// The entry built as choosing its dual in the window builds it: a one-shot search, the
// pick shown, its dual formed. Kept for the rest of the test program.
const TCatalogueBuild& CatalogueBuild(int entry)
{
    static std::array<std::unique_ptr<TCatalogueBuild>, CatalogueEntryCount> built;
    std::unique_ptr<TCatalogueBuild>& slot = built[entry];
    if (slot)
        return *slot;
    slot = std::make_unique<TCatalogueBuild>();
    TCatalogueBuild& b = *slot;
    if (ParseCodeString(PolyhedronCatalogue()[entry].Code, b.Config, b.Pick).Failed()) {
        b.Refused = true;
        return b;
    }
    TDisplaySettings settings;
    settings.DualShown = true;
    TNullPane pane;
    b.Refused = b.Session.Press(TBuildMode::OneShot, b.Config, settings, pane);
    if (!b.Refused && b.Pick >= 1 && b.Pick <= b.Session.FoundCount()) {
        b.Session.Show(b.Pick, settings, pane);
        b.DualAbandoned = b.Session.Marks().DualAborted;
    }
    return b;
}

// "E014_SmallRhombicuboctahedronSquareSpin": the entry and its English name, letters and digits.
std::string ParamName(int entry, const std::string& name)
{
    std::string text = std::to_string(entry);
    // Appended piece by piece: GCC 12 warns (-Wrestrict) of a string "+" chain here that is sound.
    text = std::string("E").append(3 - text.size(), '0').append(text).append("_");
    bool upper = true;
    for (const char letter : name) {
        const unsigned char c = static_cast<unsigned char>(letter);
        if (c == '/') {
            text += '_';
        } else if (std::isalnum(c) != 0) {
            text += upper ? static_cast<char>(std::toupper(c)) : static_cast<char>(c);
            upper = false;
        } else {
            upper = true;
        }
    }
    return text;
}

double Distance(TVector3 a, TVector3 b)
{
    return VectorLength(SubtractVectors(a, b));
}

TVector3 Corner(const TPolyFace& solid, int f, int i)
{
    const int size = solid.FaceSize[f];
    return solid.Vertices[solid.Faces[f][((i % size) + size) % size]];
}

TVector3 FaceCentre(const TPolyFace& solid, int f)
{
    TVector3 sum{};
    for (int i = 0; i < solid.FaceSize[f]; ++i)
        sum = AddVectors(sum, Corner(solid, f, i));
    return ScaleVector(sum, 1.0 / solid.FaceSize[f]);
}

// The unit normal of a face, from its centre and first two corners (never in line for n >= 3).
TVector3 FaceNormal(const TPolyFace& solid, int f)
{
    const TVector3 c = FaceCentre(solid, f);
    TVector3 n = CrossProduct(SubtractVectors(Corner(solid, f, 0), c), SubtractVectors(Corner(solid, f, 1), c));
    Normalize(n);
    return n;
}

// A face whose centre is the centre of the solid lies in a plane through it.
bool ThroughCentre(const TPolyFace& solid, int f, double radius)
{
    return VectorLength(FaceCentre(solid, f)) < 1e-7 * radius;
}

// The pole of a face's plane in the midsphere (radius squared R^2 - 1/4 for unit edges):
// the plane at distance h along the unit normal u has its pole at rho^2 / h u, which is
// rho^2 c / |c|^2 for the face centre c, the foot of the perpendicular from the centre.
TVector3 FacePole(const TPolyFace& solid, int f, double radius)
{
    const TVector3 c = FaceCentre(solid, f);
    return ScaleVector(c, (radius * radius - 0.25) / DotProduct(c, c));
}

// The number of distinct planes the faces lie in; a plane through the centre is the same
// whichever way its normal points.
int DistinctFacePlanes(const TPolyFace& solid, double radius)
{
    std::vector<std::pair<TVector3, double>> planes;
    for (int f = 0; f < solid.FaceCount; ++f) {
        TVector3 n = FaceNormal(solid, f);
        double h = DotProduct(n, FaceCentre(solid, f));
        if (h < 0.0) {
            n = ScaleVector(n, -1.0);
            h = -h;
        }
        const bool central = ThroughCentre(solid, f, radius);
        const bool known = std::any_of(planes.begin(), planes.end(), [&](const auto& plane) {
            return std::fabs(plane.second - h) < 1e-7
                   && (Distance(plane.first, n) < 1e-7
                       || (central && Distance(plane.first, ScaleVector(n, -1.0)) < 1e-7));
        });
        if (!known)
            planes.emplace_back(n, h);
    }
    return static_cast<int>(planes.size());
}

std::pair<int, int> EdgeKey(int a, int b)
{
    return {std::min(a, b), std::max(a, b)};
}

// The faces on each side of every face: unordered corner pair -> faces with that side.
std::map<std::pair<int, int>, std::vector<int>> FacesOfSides(const TPolyFace& solid)
{
    std::map<std::pair<int, int>, std::vector<int>> sides;
    for (int f = 0; f < solid.FaceCount; ++f)
        for (int i = 0; i < solid.FaceSize[f]; ++i)
            sides[EdgeKey(solid.Faces[f][i], solid.Faces[f][(i + 1) % solid.FaceSize[f]])].push_back(f);
    return sides;
}

// The polygons placed round every vertex, {n/d} as (n, d), in the configuration's order.
std::vector<std::pair<int, int>> PlacedPolygons(const TVertexConfiguration& config)
{
    std::vector<std::pair<int, int>> polygons;
    const int placed = config.AddLast ? config.PolygonCount - 1 : config.PolygonCount;
    for (int i = 0; i < placed; ++i)
        polygons.emplace_back(config.N[i], config.D[i]);
    return polygons;
}

// Whether fan is polygons read from some polygon on, forwards or backwards.
bool SameCycleUpToTurnAndMirror(const std::vector<std::pair<int, int>>& fan,
                                const std::vector<std::pair<int, int>>& polygons)
{
    const int k = static_cast<int>(polygons.size());
    if (static_cast<int>(fan.size()) != k)
        return false;
    for (int start = 0; start < k; ++start)
        for (const int dir : {1, -1}) {
            bool same = true;
            for (int j = 0; j < k && same; ++j)
                same = fan[j] == polygons[((start + dir * j) % k + k) % k];
            if (same)
                return true;
        }
    return false;
}

std::string FanText(const std::vector<std::pair<int, int>>& fan)
{
    std::string text;
    for (const auto& [n, d] : fan) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(n);
        text += '/';
        text += std::to_string(d);
    }
    return text;
}

class CatalogueSolid : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        Entry = GetParam();
        Build = &CatalogueBuild(Entry);
        ASSERT_FALSE(Build->Refused) << PolyhedronCatalogue()[Entry].Name;
        ASSERT_GE(Build->Pick, 1);
        ASSERT_LE(Build->Pick, Build->Session.FoundCount()) << "the search finds fewer solids than the pick";
    }

    int Entry = 0;
    const TCatalogueBuild* Build = nullptr;
};

class CatalogueDual : public CatalogueSolid {
protected:
    void SetUp() override
    {
        CatalogueSolid::SetUp();
        if (HasFatalFailure())
            return;
        // The catalogue shows every one of its duals: none may be abandoned.
        ASSERT_FALSE(Build->DualAbandoned);
    }
};

TEST_P(CatalogueSolid, CountsAreThePublishedOnes)
{
    const TPolyFace& solid = Build->Solid();
    const TPublishedCounts& expected = Published[Entry];
    EXPECT_EQ(solid.VertexCount, expected.Vertices) << expected.Index;
    EXPECT_EQ(solid.EdgeCount, expected.Edges) << expected.Index;
    EXPECT_EQ(solid.FaceCount, expected.Faces) << expected.Index;
    EXPECT_EQ(solid.VertexCount - solid.EdgeCount + solid.FaceCount, expected.Euler) << expected.Index;
    // The figures the window shows are the solid's own.
    const auto texts = SolidFigureTexts(Build->Session.Geometry(), Build->Session.SolidAt(Build->Pick), nullptr, true);
    EXPECT_EQ(texts[0], Text(TMessage::FigureFaces) + std::to_string(solid.FaceCount));
    EXPECT_EQ(texts[1], Text(TMessage::FigureVertices) + std::to_string(solid.VertexCount));
    EXPECT_EQ(texts[2], Text(TMessage::FigureEdges) + std::to_string(solid.EdgeCount));
}

TEST_P(CatalogueSolid, EveryEdgeHasUnitLengthAndEveryVertexLiesOnTheCircumsphere)
{
    const TPolyFace& solid = Build->Solid();
    const double radius = Build->Session.Geometry().SphereRadius;
    for (int e = 0; e < solid.EdgeCount; ++e)
        EXPECT_NEAR(Distance(solid.Vertices[solid.EdgeA[e]], solid.Vertices[solid.EdgeB[e]]), 1.0, Tolerance)
            << "edge " << e;
    for (int v = 0; v < solid.VertexCount; ++v)
        EXPECT_NEAR(VectorLength(solid.Vertices[v]), radius, Tolerance) << "vertex " << v;
    // Vertices are distinct points: the search merges those within 1e-9 of each other.
    for (int v = 0; v < solid.VertexCount; ++v)
        for (int w = v + 1; w < solid.VertexCount; ++w)
            EXPECT_GT(Distance(solid.Vertices[v], solid.Vertices[w]), 1e-6) << v << " " << w;
}

TEST_P(CatalogueSolid, EveryFaceIsARegularPolygonOfTheConfiguration)
{
    const TPolyFace& solid = Build->Solid();
    const auto polygons = PlacedPolygons(Build->Config);
    for (int f = 0; f < solid.FaceCount; ++f) {
        const int n = solid.FaceN[f];
        const int d = solid.FaceD[f];
        ASSERT_EQ(solid.FaceSize[f], n) << "face " << f;
        EXPECT_NE(std::find(polygons.begin(), polygons.end(), std::make_pair(n, d)), polygons.end())
            << "face " << f << " is {" << n << "/" << d << "}";
        // {n/d} with unit sides: its corners on a circle of radius 1 / (2 sin(pi d/n)), in
        // one plane, each step turning the same way by 2 pi d/n, so that every second
        // corner is |2 cos(pi d/n)| away.
        const double circle = 1.0 / (2.0 * std::sin(M_PI * d / n));
        const double skip = std::fabs(2.0 * std::cos(M_PI * d / n));
        const TVector3 centre = FaceCentre(solid, f);
        const TVector3 normal = FaceNormal(solid, f);
        for (int i = 0; i < n; ++i) {
            const TVector3 p = Corner(solid, f, i);
            EXPECT_NEAR(Distance(p, Corner(solid, f, i + 1)), 1.0, Tolerance) << "face " << f << " side " << i;
            EXPECT_NEAR(Distance(p, Corner(solid, f, i + 2)), skip, Tolerance) << "face " << f << " corner " << i;
            EXPECT_NEAR(Distance(p, centre), circle, Tolerance) << "face " << f << " corner " << i;
            EXPECT_NEAR(DotProduct(SubtractVectors(p, centre), normal), 0.0, Tolerance) << "face " << f;
        }
    }
}

TEST_P(CatalogueSolid, EveryVertexFanIsTheConfigurationUpToTurnAndMirror)
{
    const TPolyFace& solid = Build->Solid();
    const auto polygons = PlacedPolygons(Build->Config);
    const int k = static_cast<int>(polygons.size());
    std::vector<std::vector<int>> facesAt(static_cast<std::size_t>(solid.VertexCount));
    for (int f = 0; f < solid.FaceCount; ++f)
        for (int i = 0; i < solid.FaceSize[f]; ++i)
            facesAt[solid.Faces[f][i]].push_back(f);
    for (int v = 0; v < solid.VertexCount; ++v) {
        // Exactly the fan's polygons pass through the vertex, and no more.
        ASSERT_EQ(solid.FanCount[v], k) << "vertex " << v;
        EXPECT_EQ(static_cast<int>(facesAt[v].size()), k) << "vertex " << v;
        std::vector<std::pair<int, int>> fan;
        std::set<int> sharedNeighbours;
        for (int j = 0; j < k; ++j) {
            const int f = solid.FanFaces[v][j];
            EXPECT_NE(std::find(facesAt[v].begin(), facesAt[v].end(), f), facesAt[v].end()) << "vertex " << v;
            EXPECT_EQ(solid.FaceN[f], solid.FanN[v][j]);
            // {n/d} and {n/(n-d)} are one polygon run the other way round: which of the
            // two a vertex reads depends on how the face turns as seen from it, and the
            // face keeps the reading of the vertex that placed it (a hemi-face of the
            // tetrahemihexahedron is {3} at some corners and {3/2} at the others).
            EXPECT_TRUE(solid.FaceD[f] == solid.FanD[v][j] || solid.FaceD[f] == solid.FaceN[f] - solid.FanD[v][j])
                << "vertex " << v << " reads face " << f << " {" << solid.FaceN[f] << "/" << solid.FaceD[f] << "} as {"
                << solid.FanN[v][j] << "/" << solid.FanD[v][j] << "}";
            fan.emplace_back(solid.FanN[v][j], solid.FanD[v][j]);
            // Neighbouring polygons of the fan meet along an edge at v, a different one
            // for each pair, so that they close round the vertex.
            const int g = solid.FanFaces[v][(j + 1) % k];
            int shared = -1;
            for (int i = 0; i < solid.FaceSize[f]; ++i) {
                if (solid.Faces[f][i] != v)
                    continue;
                for (const int w : {solid.Faces[f][(i + 1) % solid.FaceSize[f]],
                                    solid.Faces[f][(i + solid.FaceSize[f] - 1) % solid.FaceSize[f]]})
                    for (int m = 0; m < solid.FaceSize[g]; ++m)
                        if (solid.Faces[g][m] == v
                            && (solid.Faces[g][(m + 1) % solid.FaceSize[g]] == w
                                || solid.Faces[g][(m + solid.FaceSize[g] - 1) % solid.FaceSize[g]] == w))
                            shared = w;
            }
            EXPECT_GE(shared, 0) << "vertex " << v << ": fan polygons " << j << " and " << (j + 1) % k;
            sharedNeighbours.insert(shared);
        }
        EXPECT_EQ(static_cast<int>(sharedNeighbours.size()), k) << "vertex " << v;
        EXPECT_TRUE(SameCycleUpToTurnAndMirror(fan, polygons))
            << "vertex " << v << " has " << FanText(fan) << ", not " << FanText(polygons);
    }
}

// No catalogue entry is an exception: the hemipolyhedra keep two faces at every edge
// (a hemi-face through the centre and an ordinary face), and so does the great
// dirhombicosidodecahedron, whose squares pass through the centre too. Only solids whose
// faces coincide in pairs, such as Skilling's figure with four faces at some edges, would
// break it, and the catalogue holds none.
TEST_P(CatalogueSolid, EveryEdgeLiesInExactlyTwoFaces)
{
    const TPolyFace& solid = Build->Solid();
    const auto sides = FacesOfSides(solid);
    for (const auto& [side, faces] : sides)
        EXPECT_EQ(faces.size(), 2u) << "side " << side.first << "-" << side.second;
    // The edge list is the set of face sides, once each.
    std::set<std::pair<int, int>> edges;
    for (int e = 0; e < solid.EdgeCount; ++e) {
        EXPECT_TRUE(edges.insert(EdgeKey(solid.EdgeA[e], solid.EdgeB[e])).second) << "edge " << e << " twice";
        EXPECT_EQ(sides.count(EdgeKey(solid.EdgeA[e], solid.EdgeB[e])), 1u) << "edge " << e << " is no side";
    }
    EXPECT_EQ(static_cast<int>(sides.size()), solid.EdgeCount);
}

// The dual swaps the counts: a face for each vertex and an edge for each edge; its
// vertices are the poles of the solid's face planes, one for each distinct plane (a
// plane through the centre gives one point at infinity).
TEST_P(CatalogueDual, CountsAreTheSolidsSwapped)
{
    const TPolyFace& solid = Build->Solid();
    const TDualSolid& dual = Build->Session.Dual();
    EXPECT_EQ(CountDualFaces(dual), solid.VertexCount);
    EXPECT_EQ(dual.Faces.EdgeCount, solid.EdgeCount);
    const int planes = DistinctFacePlanes(solid, Build->Session.Geometry().SphereRadius);
    EXPECT_EQ(CountDualVertices(dual), planes);
    EXPECT_EQ(planes < solid.FaceCount, SharedFacePlanes.count(Entry) == 1) << planes << " planes";
    if (SharedFacePlanes.count(Entry) == 0) {
        EXPECT_EQ(CountDualVertices(dual), Published[Entry].Faces);
    }
}

// Every dual edge is the reciprocal of one edge of the solid: it joins the poles of the
// two faces at that edge, or, where one of them passes through the centre, runs from the
// other's pole along that face's normal towards its point at infinity.
TEST_P(CatalogueDual, EveryEdgeIsTheReciprocalOfOneSolidEdge)
{
    const TPolyFace& solid = Build->Solid();
    const TPolyFace& dual = Build->Dual();
    const double radius = Build->Session.Geometry().SphereRadius;
    const auto sameVertex = [&](int v, TVector3 p) {
        return Distance(dual.Vertices[v], p) <= Tolerance * std::max(1.0, VectorLength(p));
    };
    std::set<int> matched;
    for (const auto& [side, faces] : FacesOfSides(solid)) {
        ASSERT_EQ(faces.size(), 2u);
        int f = faces[0];
        int g = faces[1];
        if (ThroughCentre(solid, f, radius))
            std::swap(f, g);
        ASSERT_FALSE(ThroughCentre(solid, f, radius)) << "two faces through the centre at one edge";
        const TVector3 pole = FacePole(solid, f, radius);
        const bool ray = ThroughCentre(solid, g, radius);
        const TVector3 other = ray ? FaceNormal(solid, g) : FacePole(solid, g, radius);
        int found = -1;
        for (int e = 0; e < dual.EdgeCount && found < 0; ++e) {
            for (const auto& [a, b] :
                 {std::make_pair(dual.EdgeA[e], dual.EdgeB[e]), std::make_pair(dual.EdgeB[e], dual.EdgeA[e])}) {
                if (!sameVertex(a, pole))
                    continue;
                const TVector3 along = SubtractVectors(dual.Vertices[b], pole);
                const bool fits =
                    ray ? VectorLength(CrossProduct(along, other)) <= 1e-9 * VectorLength(along) : sameVertex(b, other);
                if (fits)
                    found = e;
            }
        }
        EXPECT_GE(found, 0) << "no dual edge for the solid's edge " << side.first << "-" << side.second;
        EXPECT_TRUE(found < 0 || matched.insert(found).second) << "dual edge " << found << " serves two edges";
    }
    EXPECT_EQ(static_cast<int>(matched.size()), dual.EdgeCount);
}

// Every stored piece of a dual face lies in the polar plane of one vertex V of the solid,
// x . V = R^2 - 1/4 (the poles of the faces at V all do, and so do the centres of star
// faces, the crossing points of crossed ones and the far points standing in for points at
// infinity); every vertex has its face, made of as many pieces as the dual says.
TEST_P(CatalogueDual, EveryFaceLiesInThePolarPlaneOfOneSolidVertex)
{
    const TPolyFace& solid = Build->Solid();
    const TPolyFace& dual = Build->Dual();
    const double sphereRadius = Build->Session.Geometry().SphereRadius;
    const double rho2 = sphereRadius * sphereRadius - 0.25;
    std::vector<int> pieces(static_cast<std::size_t>(solid.VertexCount));
    for (int f = 0; f < dual.FaceCount; ++f) {
        int owner = -1;
        for (int v = 0; v < solid.VertexCount && owner < 0; ++v) {
            bool inPlane = true;
            for (int i = 0; i < dual.FaceSize[f] && inPlane; ++i) {
                const TVector3 x = dual.Vertices[dual.Faces[f][i]];
                inPlane = std::fabs(DotProduct(x, solid.Vertices[v]) - rho2)
                          <= Tolerance * std::max(1.0, VectorLength(x) * sphereRadius);
            }
            if (inPlane)
                owner = v;
        }
        ASSERT_GE(owner, 0) << "dual face piece " << f << " lies in no polar plane";
        EXPECT_EQ(dual.FaceD[f], 0) << "dual face piece " << f;
        ++pieces[owner];
    }
    for (int v = 0; v < solid.VertexCount; ++v)
        EXPECT_EQ(pieces[v], Build->Session.Dual().Pieces) << "the face of vertex " << v;
}

std::string SolidParamName(const ::testing::TestParamInfo<int>& info)
{
    return ParamName(info.param, CatalogueRows[info.param].English);
}

std::string DualParamName(const ::testing::TestParamInfo<int>& info)
{
    return ParamName(info.param, CatalogueRows[info.param].EnglishDual);
}

INSTANTIATE_TEST_SUITE_P(All, CatalogueSolid, ::testing::Range(0, CatalogueEntryCount), SolidParamName);
INSTANTIATE_TEST_SUITE_P(All, CatalogueDual, ::testing::Range(0, CatalogueEntryCount), DualParamName);

}  // namespace
