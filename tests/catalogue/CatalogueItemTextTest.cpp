// SPDX-License-Identifier: GPL-3.0-or-later
// The whole text every catalogue item leaves, in Japanese and in English, against
// tests/golden/catalogue/item-NNN.txt: the information pane (with the dual's report where
// the item shows the dual), the figures of the "立体情報" page and the per-polygon table.
// ZENKARI_UPDATE_GOLDEN=1 rewrites the files, to be reviewed as a diff.

#include "catalogue/PolyhedronInfo.h"
#include "common/Messages.h"
#include "construction/ConfigurationText.h"
#include "measure/PolyhedronCalc.h"
#include "session/BuildSession.h"
#include "support/Golden.h"
#include "support/RunProgram.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// Other tests of the program expect the engine to speak Japanese, whatever fails here.
struct TJapaneseAfterwards {
    TJapaneseAfterwards() = default;
    TJapaneseAfterwards(const TJapaneseAfterwards&) = delete;
    TJapaneseAfterwards& operator=(const TJapaneseAfterwards&) = delete;
    ~TJapaneseAfterwards() { SetLanguage(TLanguage::Japanese); }
};

// The pane lines of item built as choosing it builds it (zenkari-cli catalogue ITEM and the
// window's selector alike): its code string, a one-shot search handed to the session, then
// what the first redraw forms for the pick, the dual and its report for odd items.
struct TItemBuild {
    TBuildSession Session;
    TLinePane Pane;
    int Pick = 0;
    bool Dual = false;
    bool Refused = false;
};

void BuildItem(int item, TItemBuild& build)
{
    const std::optional<TCatalogueChoice> choice = DecodeCatalogueItem(item);
    ASSERT_TRUE(choice.has_value()) << item;
    build.Pick = choice->Pick;
    build.Dual = choice->Dual;
    TDisplaySettings settings = FirstStartDisplaySettings();
    settings.DualShown = build.Dual;
    TOneShotBuild oneShot(choice->Config);
    oneShot.Run();
    build.Refused = build.Session.Adopt(oneShot, build.Pane);
    if (!build.Refused)
        build.Session.Show(build.Pick, settings, build.Pane);
}

// The item's text in the language in use: its name, the pane, the six figures and the
// table, one row a line with its cells separated by tabs.
std::string ItemText(int item, TLanguage language)
{
    SetLanguage(language);
    TItemBuild build;
    BuildItem(item, build);
    std::ostringstream text;
    text << "item " << item << ": " << CatalogueItemName(item, language == TLanguage::English) << "\n";
    text << "[pane]\n";
    for (const std::string& line : build.Pane.Lines)
        text << line << "\n";
    if (build.Refused)
        return text.str();
    text << "[figures]\n";
    for (const std::string& figure : SolidFigureTexts(build.Session.Geometry(), build.Session.SolidAt(build.Pick),
                                                      build.Dual ? &build.Session.Dual() : nullptr, false))
        text << figure << "\n";
    text << "[polygons]\n";
    for (const auto& row : PolygonTableRows(build.Session.Geometry())) {
        for (std::size_t c = 0; c < row.size(); ++c)
            text << (c ? "\t" : "") << row[c];
        text << "\n";
    }
    return text.str();
}

std::string GoldenName(int item)
{
    std::string number = std::to_string(item);
    return "catalogue/item-" + std::string(3 - number.size(), '0') + number + ".txt";
}

// The pane part of an item's text: the lines between "[pane]" and "[figures]".
std::string PaneOf(const std::string& text)
{
    const std::size_t from = text.find("[pane]\n") + 7;
    return text.substr(from, text.find("[figures]\n") - from);
}

class CatalogueItemText : public ::testing::TestWithParam<int> {};

TEST_P(CatalogueItemText, PaneFiguresAndTableInBothLanguagesAreTheGoldenOnes)
{
    const TJapaneseAfterwards restore;
    const int item = GetParam();
    const std::string japanese = ItemText(item, TLanguage::Japanese);
    const std::string english = ItemText(item, TLanguage::English);
    // Every item builds a solid and shows its figures.
    EXPECT_NE(japanese.find("[figures]\n"), std::string::npos);
    ExpectGolden(GoldenName(item), japanese + "\n" + english);
}

std::string ItemName(const ::testing::TestParamInfo<int>& info)
{
    std::string number = std::to_string(info.param);
    return "Item" + std::string(3 - number.size(), '0') + number + (info.param % 2 == 1 ? "_Dual" : "_Solid");
}

INSTANTIATE_TEST_SUITE_P(All, CatalogueItemText, ::testing::Range(0, CatalogueItemCount), ItemName);

// What zenkari-cli catalogue ITEM prints first is the same pane: a convex solid, the dual
// of a hemipolyhedron (points at infinity stood in for by far points), and the dual of the
// largest vertex configuration.
TEST(CatalogueItemTextCli, CliPrintsThePaneTheGoldenTextsHold)
{
    const TJapaneseAfterwards restore;
    for (const int item : {28, 89, 185}) {
        for (const TLanguage language : {TLanguage::Japanese, TLanguage::English}) {
            const TProgramResult run =
                RunProgram(ZENKARI_CLI_PATH, {"catalogue", std::to_string(item), "--lang", LanguageCode(language)});
            EXPECT_EQ(run.Status, 0) << item;
            const std::string pane = PaneOf(ItemText(item, language));
            EXPECT_EQ(run.Out.substr(0, pane.size()), pane) << item << " " << LanguageCode(language);
        }
    }
}

}  // namespace
