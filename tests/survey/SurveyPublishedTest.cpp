// SPDX-License-Identifier: GPL-3.0-or-later
// The survey of every configuration of at most four polygons {n/d} with n <= 6, stars
// and backward polygons included, windings 1 and 2, checked against the published lists
// of the uniform polyhedra (the 75 and the prisms and antiprisms, with their vertex
// configurations, counts and symmetry groups as Wikipedia's "List of uniform polyhedra"
// and Coxeter, Longuet-Higgins and Miller give them): each one within the bound must be
// found, and every other solid found must be one this table explains.

#include "construction/ConfigurationText.h"
#include "support/RunProgram.h"
#include "survey/SurveyConfigurations.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>

namespace {

enum class TKind {
    Uniform,    // one of the 75, or a prism or antiprism
    Johnson,    // not vertex-transitive: the same polygons at every vertex, two kinds of vertex
    Degenerate  // every face in one plane: the polygons fold back onto each other
};

struct TPublished {
    const char* Configuration;  // as the lists write the vertex figure, in this program's notation
    const char* Name;
    int V, F, E;
    const char* Symmetry;
    TKind Kind;
};

// clang-format off
const TPublished Published[] = {
    // The Platonic solids within the bound (the icosahedron has five triangles at a vertex).
    {"(3, 3, 3)", "tetrahedron", 4, 4, 6, "Td", TKind::Uniform},
    {"(4, 4, 4)", "cube", 8, 6, 12, "Oh", TKind::Uniform},
    {"(3, 3, 3, 3)", "octahedron", 6, 8, 12, "Oh", TKind::Uniform},
    {"(5, 5, 5)", "dodecahedron", 20, 12, 30, "Ih", TKind::Uniform},
    // The Archimedean solids with at most four faces at a vertex and no face above six sides.
    {"(3, 6, 6)", "truncated tetrahedron", 12, 8, 18, "Td", TKind::Uniform},
    {"(4, 6, 6)", "truncated octahedron", 24, 14, 36, "Oh", TKind::Uniform},
    {"(5, 6, 6)", "truncated icosahedron", 60, 32, 90, "Ih", TKind::Uniform},
    {"(3, 4, 3, 4)", "cuboctahedron", 12, 14, 24, "Oh", TKind::Uniform},
    {"(3, 5, 3, 5)", "icosidodecahedron", 30, 32, 60, "Ih", TKind::Uniform},
    {"(3, 4, 4, 4)", "rhombicuboctahedron", 24, 26, 48, "Oh", TKind::Uniform},
    {"(3, 4, 5, 4)", "rhombicosidodecahedron", 60, 62, 120, "Ih", TKind::Uniform},
    // Prisms and antiprisms, {3} to {6}, {5/2}, and the crossed {5/3}.
    {"(3, 4, 4)", "triangular prism", 6, 5, 9, "D3h", TKind::Uniform},
    {"(5, 4, 4)", "pentagonal prism", 10, 7, 15, "D5h", TKind::Uniform},
    {"(6, 4, 4)", "hexagonal prism", 12, 8, 18, "D6h", TKind::Uniform},
    {"(5/2, 4, 4)", "pentagrammic prism", 10, 7, 15, "D5h", TKind::Uniform},
    {"(4, 3, 3, 3)", "square antiprism", 8, 10, 16, "D4d", TKind::Uniform},
    {"(5, 3, 3, 3)", "pentagonal antiprism", 10, 12, 20, "D5d", TKind::Uniform},
    {"(6, 3, 3, 3)", "hexagonal antiprism", 12, 14, 24, "D6d", TKind::Uniform},
    {"(5/2, 3, 3, 3)", "pentagrammic antiprism", 10, 12, 20, "D5h", TKind::Uniform},
    {"(5/3, 3, 3, 3)", "pentagrammic crossed antiprism", 10, 12, 20, "D5d", TKind::Uniform},
    // The non-convex uniform polyhedra within the bound.
    {"(5/2, 5/2, 5/2)", "great stellated dodecahedron", 20, 12, 30, "Ih", TKind::Uniform},
    {"(3, 5/2, 3, 5/2)", "great icosidodecahedron", 30, 32, 60, "Ih", TKind::Uniform},
    {"(5, 5/2, 5, 5/2)", "dodecadodecahedron", 30, 24, 60, "Ih", TKind::Uniform},
    {"(3, 4, 3/2, 4)", "tetrahemihexahedron", 6, 7, 12, "Td", TKind::Uniform},
    {"(3, 6, 3/2, 6)", "octahemioctahedron", 12, 12, 24, "Oh", TKind::Uniform},
    {"(4, 6, 4/3, 6)", "cubohemioctahedron", 12, 10, 24, "Oh", TKind::Uniform},
    {"(5, 6, 5/4, 6)", "great dodecahemicosahedron", 30, 22, 60, "Ih", TKind::Uniform},
    {"(5/2, 6, 5/3, 6)", "small dodecahemicosahedron", 30, 22, 60, "Ih", TKind::Uniform},
    {"(3, 6, 5/2, 6)", "small icosicosidodecahedron", 60, 52, 120, "Ih", TKind::Uniform},
    {"(3/2, 6, 5, 6)", "great icosicosidodecahedron", 60, 52, 120, "Ih", TKind::Uniform},
    {"(5, 6, 5/3, 6)", "icosidodecadodecahedron", 60, 44, 120, "Ih", TKind::Uniform},
    {"(4, 5, 4, 5/2)", "rhombidodecadodecahedron", 60, 54, 120, "Ih", TKind::Uniform},
    {"(3, 4, 5/3, 4)", "great rhombicosidodecahedron (non-convex)", 60, 62, 120, "Ih", TKind::Uniform},
    {"(5/2, 6, 6)", "great truncated icosahedron", 60, 32, 90, "Ih", TKind::Uniform},
    {"(3/2, 4, 4, 4)", "great rhombicuboctahedron (non-convex)", 24, 26, 48, "Oh", TKind::Uniform},
    // Same polygons at every vertex, not vertex-transitive: the elongated square
    // gyrobicupola (Johnson solid 37), and the same twist of the non-convex one.
    {"(3, 4, 4, 4)", "pseudo-rhombicuboctahedron", 24, 26, 48, "D4d", TKind::Johnson},
    {"(3/2, 4, 4, 4)", "pseudo great rhombicuboctahedron", 24, 26, 48, "D4d", TKind::Johnson},
    // Four polygons winding twice round a vertex make a doubly wound digon of a vertex
    // figure: each polygon folds back onto the one before it, and all lie in one plane, a
    // single flat {n} or {5/2} (symmetry Dnh). Three {5} and a backward {5/4} do the same.
    {"(3, 3, 3, 3)/2", "flat triangle", 3, 1, 3, "D3h", TKind::Degenerate},
    {"(4, 4, 4, 4)/2", "flat square", 4, 1, 4, "D4h", TKind::Degenerate},
    {"(5, 5, 5, 5)/2", "flat pentagon", 5, 1, 5, "D5h", TKind::Degenerate},
    {"(5, 5, 5, 5/4)", "flat pentagon", 5, 1, 5, "D5h", TKind::Degenerate},
    {"(5/2, 5/2, 5/2, 5/2)/2", "flat pentagram", 5, 1, 5, "D5h", TKind::Degenerate},
    {"(6, 6, 6, 6)/2", "flat hexagon", 6, 1, 6, "D6h", TKind::Degenerate},
};
// clang-format on

struct TFoundRow {
    int V = 0, F = 0, E = 0, VertexOrbits = 0;
    bool Manifold = false;
    std::string Symmetry;
    std::vector<std::string> Configurations;
    std::string Line;
};

std::string Field(const std::string& line, const std::string& key)
{
    const std::regex pattern("\"" + key + R"(": ("[^"]*"|[^,}\]]*))");
    std::smatch match;
    return std::regex_search(line, match, pattern) ? match[1].str() : "";
}

std::vector<TFoundRow> ReadSolids(const std::string& json)
{
    std::vector<TFoundRow> rows;
    std::istringstream in(json);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("    {\"vertices\": ", 0) != 0)
            continue;
        TFoundRow row;
        row.Line = line;
        row.V = std::stoi(Field(line, "vertices"));
        row.F = std::stoi(Field(line, "faces"));
        row.E = std::stoi(Field(line, "edges"));
        row.VertexOrbits = std::stoi(Field(line, "vertex_orbits"));
        row.Manifold = Field(line, "manifold") == "true";
        row.Symmetry = Field(line, "symmetry");
        row.Symmetry = row.Symmetry.substr(1, row.Symmetry.size() - 2);
        const std::regex configuration(R"re("configuration": "([^"]*)")re");
        for (auto m = std::sregex_iterator(line.begin(), line.end(), configuration); m != std::sregex_iterator(); ++m)
            row.Configurations.push_back((*m)[1].str());
        rows.push_back(std::move(row));
    }
    return rows;
}

// The published configuration as the survey writes the reading it tries.
std::string SurveyReading(const char* published)
{
    TVertexConfiguration config;
    EXPECT_FALSE(ParseConfigurationText(published, config).Failed()) << published;
    return ConfigurationText(CanonicalConfiguration(config));
}

bool Explains(const TPublished& entry, const TFoundRow& row)
{
    const std::string reading = SurveyReading(entry.Configuration);
    return row.V == entry.V && row.F == entry.F && row.E == entry.E && row.Symmetry == entry.Symmetry
           && (row.VertexOrbits == 1) == (entry.Kind != TKind::Johnson)
           && row.Manifold == (entry.Kind != TKind::Degenerate)
           && std::find(row.Configurations.begin(), row.Configurations.end(), reading) != row.Configurations.end();
}

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(SurveyPublished, EveryUniformPolyhedronWithinTheBoundIsFoundAndNothingUnexplained)
{
    const std::string report = ScratchDirectory() + "survey.json";
    const TProgramResult run = RunProgram(ZENKARI_CLI_PATH, {"survey", "--max-polygons", "4", "--max-sides", "6",
                                                             "--stars", "--windings", "2", "--json", "-o", report});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const std::string json = FileText(report);
    // Nothing was cut short: every configuration was searched to its end.
    EXPECT_NE(json.find("\"out_of_budget\": 0}"), std::string::npos);
    EXPECT_NE(json.find("\"tried\": 3520,"), std::string::npos);
    const std::vector<TFoundRow> rows = ReadSolids(json);
    ASSERT_FALSE(rows.empty()) << json;
    for (const TPublished& entry : Published)
        EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [&](const TFoundRow& row) { return Explains(entry, row); }))
            << "not found: " << entry.Name << " " << entry.Configuration;
    for (const TFoundRow& row : rows)
        EXPECT_TRUE(std::any_of(std::begin(Published), std::end(Published),
                                [&](const TPublished& entry) { return Explains(entry, row); }))
            << "unexplained: " << row.Line;
}
