// SPDX-License-Identifier: GPL-3.0-or-later
// zenkari-cli net as a teacher runs it: a PDF that a PDF reader opens with its pages at
// the paper's size and the solid's name on them, an SVG that parses with the layers a
// cutting machine looks for, a JSON account of what the pages hold, and clear refusals.

#include "support/RunProgram.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <regex>

namespace {

TProgramResult RunCli(const std::vector<std::string>& arguments)
{
    return RunProgram(ZENKARI_CLI_PATH, arguments);
}

double JsonFigure(const std::string& json, const std::string& key)
{
    const std::regex pattern("\"" + key + R"(": ([-0-9.eE+]+))");
    std::smatch match;
    return std::regex_search(json, match, pattern) ? std::stod(match[1].str()) : std::nan("");
}

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::string Cube = "(4, 4, 4)";
const std::string SmallStellatedDodecahedron = "(5/2, 5/2, 5/2, 5/2, 5/2)";

TEST(CliNet, CubeNetIsOneA4PageThatAPdfReaderOpens)
{
    const std::string pdf = ScratchDirectory() + "/cube.pdf";
    const TProgramResult run = RunCli({"net", Cube, "-o", pdf, "--lang", "en"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find("1 page, 1 piece, 7 glue tabs"), std::string::npos) << run.Out;
    const TProgramResult info = RunProgram("pdfinfo", {pdf});
    ASSERT_EQ(info.Status, 0) << info.Err;
    EXPECT_NE(info.Out.find("Pages:           1"), std::string::npos) << info.Out;
    EXPECT_NE(info.Out.find("595.276 x 841.89 pts (A4)"), std::string::npos) << info.Out;
    const TProgramResult text = RunProgram("pdftotext", {pdf, "-"});
    EXPECT_NE(text.Out.find("Cube"), std::string::npos) << text.Out;
    EXPECT_NE(text.Out.find("50 mm"), std::string::npos) << text.Out;
}

TEST(CliNet, JapaneseTitleAndLetterPaperAtAChosenEdge)
{
    const std::string dir = ScratchDirectory();
    const std::string pdf = dir + "/cube.pdf";
    const TProgramResult run = RunCli({"net", Cube, "-o", pdf, "--paper", "letter", "--edge-mm", "40", "--json"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_DOUBLE_EQ(JsonFigure(run.Out, "edge_mm"), 40.0);
    EXPECT_DOUBLE_EQ(JsonFigure(run.Out, "width_mm"), 215.9);
    const TProgramResult info = RunProgram("pdfinfo", {pdf});
    EXPECT_NE(info.Out.find("612 x 792 pts (letter)"), std::string::npos) << info.Out;
    const TProgramResult text = RunProgram("pdftotext", {pdf, "-"});
    EXPECT_NE(text.Out.find("立方体"), std::string::npos) << text.Out;
    // The page drawn: the net's faces are coloured, not blank paper.
    const std::string png = dir + "/page";
    ASSERT_EQ(RunProgram("pdftoppm", {"-r", "20", "-png", "-singlefile", pdf, png}).Status, 0);
    EXPECT_GT(FileText(png + ".png").size(), 1000u);
}

TEST(CliNet, JsonCountsThePartsOfAStarSolid)
{
    const std::string pdf = ScratchDirectory() + "/ssd.pdf";
    const TProgramResult run =
        RunCli({"net", SmallStellatedDodecahedron, "-o", pdf, "--mode", "parts", "--json", "--edge-mm", "60"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find("\"mode\": \"parts\""), std::string::npos);
    // Every count of the parts together is the surface's 60 triangles.
    int counted = 0;
    const std::regex count(R"("count": (\d+))");
    for (auto it = std::sregex_iterator(run.Out.begin(), run.Out.end(), count); it != std::sregex_iterator(); ++it)
        counted += std::stoi((*it)[1].str());
    EXPECT_EQ(counted, 60) << run.Out;
    const TProgramResult info = RunProgram("pdfinfo", {pdf});
    EXPECT_NE(info.Out.find("Pages:           " + std::to_string(static_cast<int>(JsonFigure(run.Out, "pages")))),
              std::string::npos)
        << info.Out << run.Out;
}

TEST(CliNet, SvgParsesWithTheLayersACuttingMachineLooksFor)
{
    const std::string svg = ScratchDirectory() + "/ssd.svg";
    const TProgramResult run = RunCli({"net", SmallStellatedDodecahedron, "-o", svg, "--paper", "a3"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const TProgramResult lint = RunProgram("xmllint", {"--noout", svg});
    EXPECT_EQ(lint.Status, 0) << lint.Err;
    const std::string text = FileText(svg);
    for (const char* layer : {"cut", "mountain", "valley", "tabs", "labels"})
        EXPECT_NE(text.find(std::string("id=\"") + layer + "\""), std::string::npos) << layer;
    EXPECT_NE(text.find("width=\"297"), std::string::npos);
}

TEST(CliNet, WithoutTabsNoneAreDrawn)
{
    const std::string svg = ScratchDirectory() + "/cube.svg";
    const TProgramResult run = RunCli({"net", Cube, "-o", svg, "--no-tabs", "--json"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(JsonFigure(run.Out, "tabs"), 0.0);
    EXPECT_EQ(JsonFigure(run.Out, "glued_pairs"), 7.0);
}

TEST(CliNet, RefusesWhatItCannotDoAndSaysWhy)
{
    const std::string dir = ScratchDirectory();
    TProgramResult run = RunCli({"net", Cube, "-o", dir + "/cube.png"});
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Err.find("FILE.pdf or -o FILE.svg"), std::string::npos) << run.Err;
    run = RunCli({"net", Cube, "-o", dir + "/cube.pdf", "--paper", "b5"});
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Err.find("--paper must be a4, a3, letter, legal or WxHmm"), std::string::npos) << run.Err;
    run = RunCli({"net", Cube, "-o", dir + "/cube.pdf", "--edge-mm", "500"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find("does not fit the paper; at most"), std::string::npos) << run.Err;
    EXPECT_FALSE(std::ifstream(dir + "/cube.pdf").good()) << "nothing is written when refused";
    run = RunCli({"net", Cube, "-o", dir + "/cube.pdf", "--mode", "flat"});
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Err.find("net or parts"), std::string::npos) << run.Err;
}

}  // namespace
