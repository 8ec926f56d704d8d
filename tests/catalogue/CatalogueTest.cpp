// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/PolyhedronInfo.h"
#include "session/BuildSession.h"
#include "support/SolidDump.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

namespace {

std::vector<std::vector<std::string>> NamesAsWritten()
{
    std::ifstream file(std::string(ZENKARI_GOLDEN_DIR) + "/catalogue-names-as-written.txt");
    std::vector<std::vector<std::string>> rows;
    std::string line;
    while (std::getline(file, line)) {
        std::vector<std::string> fields;
        std::stringstream parts(line);
        std::string field;
        while (std::getline(parts, field, '\t'))
            fields.push_back(field);
        rows.push_back(fields);
    }
    return rows;
}

}  // namespace

TEST(PolyhedronCatalogue, NamesAreThoseWrittenForEveryUnmendedRow)
{
    const auto written = NamesAsWritten();
    ASSERT_EQ(written.size(), 121u);
    const std::set<int> mended = {10, 14, 49, 50, 81, 91};
    for (int e = 0; e < CatalogueEntryCount; ++e) {
        if (mended.count(e) != 0)
            continue;
        const TCatalogueEntry& entry = PolyhedronCatalogue()[e];
        EXPECT_EQ(entry.Name, written[e][1]) << e;
        EXPECT_EQ(entry.EnglishName, written[e][2]) << e;
        EXPECT_EQ(entry.DualEnglishName, written[e][3]) << e;
        EXPECT_EQ(entry.DualName, written[e][4]) << e;
    }
    EXPECT_EQ(PolyhedronCatalogue()[65].DualName, "d(5/2, 10, 10)小星形５方１２面体");
    EXPECT_EQ(PolyhedronCatalogue()[58].Name, "(4, 8, 4/3, 8/7 [,3])/0 小菱形立方体");
    EXPECT_EQ(CatalogueItemName(1, true), "d(3, 3, 3) Regular Tetrahedron");
    EXPECT_EQ(CatalogueItemName(242, false), "");
}

TEST(PolyhedronCatalogue, MendedRows)
{
    const auto& c = PolyhedronCatalogue();
    EXPECT_EQ(c[81].Code, "0101001903010301050303010501");
    EXPECT_EQ(c[81].Name, "(3, 3, 5/3, 3, 5) 逆ねじれ１２・１２面体");
    EXPECT_EQ(c[81].DualEnglishName, "d(3, 3, 5/3, 3, 5) Medial Inverted Pentagonal Hexecontahedron");
    EXPECT_EQ(c[49].EnglishName, "(5, 6, 5/4, 6) Great Dodecahemicosahedron");
    EXPECT_EQ(c[49].DualName, "d(5, 6, 5/4, 6) 大１２半２０肢体");
    EXPECT_EQ(c[50].Name, "(5/2, 6, 5/3, 6) 小１２半２０面体");
    EXPECT_EQ(c[50].DualEnglishName, "d(5/2, 6, 5/3, 6) Small Dodecahemicosacron");
    EXPECT_EQ(c[10].Name, "(3, 4, 3, 4) 立方８面体");
    EXPECT_EQ(c[14].Name, "(3, 4, 4, 4) 菱形立方８面体(小菱形立方８面体)");
    EXPECT_EQ(c[91].DualEnglishName, "d(3, 3, 3, 3, 5/2)/2 Great Pentagrammatic Hexecontahedron");

    // The mended row 81 builds the vertisnub dodecadodecahedron, once.
    TBuildSession session;
    TLinePane pane;
    const std::optional<TCatalogueChoice> choice = DecodeCatalogueItem(2 * 81);
    ASSERT_TRUE(choice.has_value());
    ASSERT_FALSE(session.Press(TBuildMode::OneShot, choice->Config, TDisplaySettings{}, pane));
    EXPECT_EQ(session.FoundCount(), 1);
    EXPECT_NEAR(session.Geometry().SphereRadius, 0.851630228117413, 1e-12);
}

TEST(PolyhedronCatalogue, CodeStringsAndRemarks)
{
    const auto& c = PolyhedronCatalogue();
    const std::pair<int, const char*> codes[] = {{0, "01010019030103010301"},
                                                 {14, "010200190301040104010401"},
                                                 {15, "010100190301040104010401"},
                                                 {18, "0102001903010301030103010401"},
                                                 {23, "0201001905010501050105010501"},
                                                 {55, "01010004060108010803"},
                                                 {58, "0001011904010801040308070301"},
                                                 {60, "00010019040106050803"},
                                                 {63, "01010005030103010301030103010502"},
                                                 {92, "0201001903010401050204010302040105030401"}};
    for (const auto& [entry, code] : codes)
        EXPECT_EQ(c[entry].Code, code) << entry;
    for (const int entry : {58, 61, 67, 75, 77, 83, 90})
        EXPECT_EQ(c[entry].Code.substr(4, 2), "01") << entry;
    int added = 0;
    for (const TCatalogueEntry& entry : c)
        added += entry.Code.substr(4, 2) == "01" ? 1 : 0;
    EXPECT_EQ(added, 7);

    EXPECT_EQ(c[0].SolidInfo, "プラトンの立体です。正多面体です。");
    EXPECT_EQ(c[0].DualSolidInfo, "双対図形もプラトンの立体です。正多面体です。");
    EXPECT_EQ(c[15].SolidInfo, "アルキメデスの立体ではないです。半正多面体でもありません。\r\n擬似一様多面体(Pseudo "
                               "Uniform Polyhedron)です。");
    EXPECT_EQ(c[57].DualSolidInfo,
              "擬似一様多面体であるニセ大菱形立方８面体の双対図形です。\r\n日本語名は私が仮につけたものです。");
    EXPECT_EQ(c[120].SolidInfo, "交差反柱です。半正多面体です。");
    EXPECT_EQ(c[120].DualSolidInfo, "交差反柱の双対図形です。");
}
