// SPDX-License-Identifier: GPL-3.0-or-later
// Ball-and-stick models: one closed manifold, free of crossings, standing on flat feet at
// z = 0, as tall as asked.

#include "export/StrutModel.h"
#include "catalogue/PolyhedronInfo.h"
#include "construction/ConfigurationText.h"
#include "session/BuildSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>

namespace {

// The pieces of the mesh joined across its edges.
int Components(const TOuterSurface& surface)
{
    std::vector<int> parent(surface.Points.size());
    std::iota(parent.begin(), parent.end(), 0);
    const auto find = [&](int i) {
        while (parent[static_cast<std::size_t>(i)] != i)
            i = parent[static_cast<std::size_t>(i)] =
                parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(i)])];
        return i;
    };
    for (const TOuterTriangle& t : surface.Triangles)
        for (std::size_t k = 1; k < 3; ++k)
            parent[static_cast<std::size_t>(find(t.Corners[k]))] = find(t.Corners[0]);
    int roots = 0;
    for (std::size_t i = 0; i < parent.size(); ++i)
        roots += find(static_cast<int>(i)) == static_cast<int>(i) ? 1 : 0;
    return roots;
}

}  // namespace

class StrutModelOf : public ::testing::TestWithParam<const char*> {};

TEST_P(StrutModelOf, IsOneClosedManifoldOnFlatFeet)
{
    TVertexConfiguration config;
    int pick = 1;
    ASSERT_FALSE(ParseConfigurationText(GetParam(), config).Failed());
    TOneShotBuild build(config);
    build.Run(nullptr);
    const TBuiltSolid* solid = build.Search.SolidAt(pick);
    ASSERT_NE(solid, nullptr);
    TPrintModel model;
    const TResult made = StrutModel(*solid, 50.0, 2.0, model);
    ASSERT_FALSE(made.Failed()) << made.Error;
    const TMeshCheck check = CheckMesh(model.Surface);
    EXPECT_TRUE(check.Closed && check.Manifold && check.Outward) << GetParam();
    EXPECT_FALSE(check.SelfIntersecting) << GetParam();
    EXPECT_EQ(Components(model.Surface), 1) << GetParam();
    EXPECT_NEAR(check.Volume, model.Surface.Volume, 1e-6 * model.Surface.Volume);
    double low = 1e300;
    double high = -1e300;
    for (const TVector3& p : model.Surface.Points) {
        low = std::min(low, p.Z);
        high = std::max(high, p.Z);
    }
    EXPECT_EQ(low, 0.0);
    // The balls are polyhedra, turned each its own way: the top one's highest point is a
    // corner a little below its sphere.
    EXPECT_LE(high, 50.0 + 1e-9);
    EXPECT_GT(high, 49.9);
    // The feet: triangles lying flat on the bed, at least three of them apart.
    int flat = 0;
    for (const TOuterTriangle& t : model.Surface.Triangles)
        flat += std::all_of(t.Corners.begin(), t.Corners.end(),
                            [&](int c) { return model.Surface.Points[static_cast<std::size_t>(c)].Z == 0.0; })
                    ? 1
                    : 0;
    EXPECT_GE(flat, 3) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Five, StrutModelOf,
                         ::testing::Values("(3, 3, 3)", "(3, 4, 4)", "(4, 4, 4)", "(3, 3, 3, 3)", "(3, 3, 3, 4)"));

TEST(StrutModel, RodsTooThickForTheHeightAreRefused)
{
    TVertexConfiguration config;
    ASSERT_FALSE(ParseConfigurationText("(4, 4, 4)", config).Failed());
    TOneShotBuild build(config);
    build.Run(nullptr);
    TPrintModel model;
    const TResult balls = StrutModel(*build.Search.SolidAt(1), 5.0, 4.0, model);
    EXPECT_TRUE(balls.Failed());
    EXPECT_NE(balls.Error.find("taller than the model"), std::string::npos) << balls.Error;
    const TResult swallowed = StrutModel(*build.Search.SolidAt(1), 6.0, 3.0, model);
    EXPECT_TRUE(swallowed.Failed());
    EXPECT_NE(swallowed.Error.find("swallow"), std::string::npos) << swallowed.Error;
}
