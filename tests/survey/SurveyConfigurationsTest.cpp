// SPDX-License-Identifier: GPL-3.0-or-later
// The configurations a survey tries: counts that can be worked out by hand, every cycle
// once, in a fixed order, and the readings the search treats alike really searched alike.

#include "survey/SurveyConfigurations.h"
#include "construction/ConfigurationText.h"
#include "construction/Search.h"
#include "survey/SurveyOutcome.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TSurveyOptions Bound(int k, int n, bool stars, int windings = 1, bool addedLast = false)
{
    TSurveyOptions options;
    options.MaxPolygons = k;
    options.MaxSides = n;
    options.Stars = stars;
    options.MaxWinding = windings;
    options.AddedLast = addedLast;
    return options;
}

std::vector<std::string> Texts(const TConfigurationList& list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list.Count(); ++i)
        texts.push_back(ConfigurationText(list.At(i)));
    return texts;
}

TVertexConfiguration Read(const std::string& text)
{
    TVertexConfiguration config;
    EXPECT_FALSE(ParseConfigurationText(text, config).Failed()) << text;
    return config;
}

// What the search makes of config: its circle, the distinct counts of its solids, and
// how many it found.
struct TSearched {
    double NeighbourRadius = 0.0;
    std::set<std::vector<int>> Counts;
    int Found = 0;
};

TSearched Search(const std::string& text)
{
    TSearched searched;
    TSearchControl control;
    const TSearchTally tally = SearchConfiguration(Read(text), 1000000, control, [&](const TBuiltSolid& solid) {
        searched.NeighbourRadius = solid.Geometry->NeighbourRadius;
        searched.Counts.insert({solid.Raw.VertexCount, solid.Raw.FaceCount, solid.Raw.EdgeCount});
    });
    EXPECT_EQ(tally.End, TSearchEnd::Ended) << text;
    searched.Found = tally.Found;
    return searched;
}

}  // namespace

TEST(SurveyConfigurations, SmallBoundsCountAsByHand)
{
    // Triangles and squares, three at a vertex: 333, 334, 344, 444.
    EXPECT_EQ(Texts(TConfigurationList(Bound(3, 4, false))),
              (std::vector<std::string>{"(3, 3, 3)", "(3, 3, 4)", "(3, 4, 4)", "(4, 4, 4)"}));
    // Four at a vertex adds 3333, 3334, 3344, 3434, 3444, 4444: 3344 and 3434 differ.
    const std::vector<std::string> four = Texts(TConfigurationList(Bound(4, 4, false)));
    ASSERT_EQ(four.size(), 10u);
    EXPECT_EQ(four[7], "(3, 4, 3, 4)");
    // With stars, {3}, {3/2}, {4}, {4/3}: bracelets of 3 beads in 4 colours are
    // (64 + 3 16 + 2 4) / 6 = 20, of 4 beads (256 + 2 64 + 3 16 + 2 4) / 8 = 55; each winding anew.
    EXPECT_EQ(TConfigurationList(Bound(3, 4, true)).Count(), 20);
    EXPECT_EQ(TConfigurationList(Bound(4, 4, true)).Count(), 75);
    const TConfigurationList twice(Bound(4, 4, true, 2));
    ASSERT_EQ(twice.Count(), 150);
    EXPECT_EQ(ConfigurationText(twice.At(19)), "(4/3, 4/3, 4/3)");
    EXPECT_EQ(ConfigurationText(twice.At(20)), "(3, 3, 3)/2");
    EXPECT_EQ(ConfigurationText(twice.At(40)), "(3, 3, 3, 3)");
    // {n/d} for n <= 10 with every d coprime: 2 + 2 + 4 + 2 + 6 + 4 + 6 + 4 kinds.
    EXPECT_EQ(SurveyPolygons(Bound(5, 10, true)).size(), 30u);
}

TEST(SurveyConfigurations, AddedLastCountsOnlyTheReversalAsAlike)
{
    // 4 plain cycles, then three placed polygons up to reading them last first,
    // (8 + 4) / 2 = 6, each with an added {3} or {4}.
    const TConfigurationList list(Bound(3, 4, false, 1, true));
    const std::vector<std::string> texts = Texts(list);
    ASSERT_EQ(texts.size(), 16u);
    EXPECT_EQ(texts[4], "(3, 3, 3 [,3])/0");
    EXPECT_EQ(texts[5], "(3, 3, 3 [,4])/0");
    EXPECT_EQ(texts[15], "(4, 4, 4 [,4])/0");
    // (3, 3, 4) and (3, 4, 3) have other polygons beside the diagonal: both are kept,
    // (4, 3, 3) is (3, 3, 4) read backwards.
    EXPECT_NE(std::find(texts.begin(), texts.end(), "(3, 4, 3 [,4])/0"), texts.end());
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "(4, 3, 3 [,4])/0"), texts.end());
}

TEST(SurveyConfigurations, EveryCycleIsTriedOnceAsItsCanonicalReading)
{
    const TSurveyOptions bound = Bound(4, 5, true, 1, true);
    const TConfigurationList list(bound);
    std::set<std::string> listed;
    for (int i = 0; i < list.Count(); ++i) {
        const TVertexConfiguration config = list.At(i);
        EXPECT_EQ(ConfigurationText(CanonicalConfiguration(config)), ConfigurationText(config));
        EXPECT_TRUE(listed.insert(ConfigurationText(config)).second) << ConfigurationText(config);
    }
    // Every sequence of four polygons, plain and with an added one, is one of them.
    const std::vector<TPolygonKind> kinds = SurveyPolygons(bound);
    const int p = static_cast<int>(kinds.size());
    for (int code = 0; code < p * p * p * p; ++code) {
        TVertexConfiguration config;
        config.PolygonCount = 4;
        for (int i = 0, rest = code; i < 4; ++i, rest /= p) {
            config.N[i] = kinds[static_cast<std::size_t>(rest % p)].N;
            config.D[i] = kinds[static_cast<std::size_t>(rest % p)].D;
        }
        EXPECT_EQ(listed.count(ConfigurationText(CanonicalConfiguration(config))), 1u) << ConfigurationText(config);
        config.AddLast = true;
        config.Winding = 0;
        EXPECT_EQ(listed.count(ConfigurationText(CanonicalConfiguration(config))), 1u) << ConfigurationText(config);
    }
}

TEST(SurveyConfigurations, ReadingsCountedAlikeAreSearchedAlike)
{
    // Backward polygons keep their d read the other way round: the tetrahemihexahedron's
    // cycle rotated and reflected finds the same solid on the same circle.
    const TSearched hemi = Search("(3, 4, 3/2, 4)");
    ASSERT_EQ(hemi.Counts, (std::set<std::vector<int>>{{6, 7, 12}}));
    for (const char* other : {"(4, 3/2, 4, 3)", "(3/2, 4, 3, 4)", "(4, 3, 4, 3/2)"}) {
        const TSearched searched = Search(other);
        EXPECT_EQ(searched.Counts, hemi.Counts) << other;
        EXPECT_EQ(searched.Found, hemi.Found) << other;
        EXPECT_DOUBLE_EQ(searched.NeighbourRadius, hemi.NeighbourRadius) << other;
    }
    // Where a square folds back over the one before it, the first vertex's fan as read
    // decides how many copies turn up (128, 32, 16), not which solid: the pentagonal prism.
    const TSearched folded = Search("(4, 4, 4/3, 4, 5)");
    EXPECT_EQ(folded.Counts, (std::set<std::vector<int>>{{10, 7, 15}}));
    EXPECT_EQ(Search("(5, 4, 4/3, 4, 4)").Counts, folded.Counts);
    EXPECT_EQ(Search("(4/3, 4, 5, 4, 4)").Counts, folded.Counts);
}

TEST(SurveyConfigurations, AnAddedPolygonTellsRotationsApart)
{
    // The rhombicosahedron: {5} is the diagonal beside {4} and {6/5}. Read last first,
    // the same two chords flank it: the same circle, the same solid.
    const TSearched rhombicosahedron = Search("(4, 6, 4/3, 6/5 [,5])/0");
    ASSERT_EQ(rhombicosahedron.Counts, (std::set<std::vector<int>>{{60, 50, 120}}));
    const TSearched reversed = Search("(6/5, 4/3, 6, 4 [,5])/0");
    EXPECT_EQ(reversed.Counts, rhombicosahedron.Counts);
    EXPECT_DOUBLE_EQ(reversed.NeighbourRadius, rhombicosahedron.NeighbourRadius);
    // Beside a {4} diagonal, {3} and {5} close one triangle, {4} and {3} another: a
    // rotation is another circle, and is kept apart.
    const auto radius = [](const std::string& text) {
        TSearch search;
        TNullPane pane;
        EXPECT_FALSE(search.Prepare(Read(text), pane)) << text;
        return search.Geometry().NeighbourRadius;
    };
    const double first = radius("(3, 4, 4, 5 [,4])/0");
    EXPECT_DOUBLE_EQ(radius("(5, 4, 4, 3 [,4])/0"), first);
    EXPECT_GT(std::abs(radius("(4, 4, 5, 3 [,4])/0") - first), 1e-3);
    EXPECT_EQ(ConfigurationText(CanonicalConfiguration(Read("(5, 4, 4, 3 [,4])/0"))), "(3, 4, 4, 5 [,4])/0");
    EXPECT_EQ(ConfigurationText(CanonicalConfiguration(Read("(4, 4, 5, 3 [,4])/0"))), "(3, 5, 4, 4 [,4])/0");
}

TEST(SurveyConfigurations, EveryReadingOfACycleFindsTheSameSolids)
{
    // Every cycle of the published survey's bound, and with an added polygon every cycle
    // of {3}, {3/2}, {4}, {4/3}: each reading counted alike finds the same solids, up to
    // congruence (a reflection finds the mirror images).
    const auto solids = [](const TVertexConfiguration& config) {
        TSearchControl control;
        std::set<std::string> keys;
        for (const TSurveySolid& solid : SurveyConfiguration(0, config, 1000000, control).Solids)
            keys.insert(std::min(solid.Class.Shape, solid.Class.MirrorShape));
        return keys;
    };
    int compared = 0;
    for (const TSurveyOptions& bound : {Bound(4, 6, true, 2), Bound(4, 4, true, 1, true)}) {
        const TConfigurationList list(bound);
        for (int i = 0; i < list.Count(); ++i) {
            const TVertexConfiguration config = list.At(i);
            const std::set<std::string> found = solids(config);
            if (found.empty())
                continue;
            const int k = config.PolygonCount - (config.AddLast ? 1 : 0);
            for (int start = 0; start < k; ++start) {
                for (const int direction : {1, -1}) {
                    if (config.AddLast && !(start == k - 1 && direction == -1))
                        continue;  // only the reading last first is alike
                    TVertexConfiguration reading = config;
                    for (int j = 0; j < k; ++j) {
                        reading.N[j] = config.N[((start + direction * j) % k + k) % k];
                        reading.D[j] = config.D[((start + direction * j) % k + k) % k];
                    }
                    EXPECT_EQ(solids(reading), found)
                        << ConfigurationText(reading) << " and " << ConfigurationText(config);
                    ++compared;
                }
            }
        }
    }
    EXPECT_GT(compared, 300);
}
