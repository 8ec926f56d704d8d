// SPDX-License-Identifier: GPL-3.0-or-later
// zenkari-cli export --print as a model builder runs it: a binary STL in millimetres that
// stands on a facet at z = 0, centred, which admesh reads as one closed part with nothing to
// mend; what cannot be printed is refused with the reason.

#include "support/RunProgram.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <regex>

namespace {

TProgramResult RunCli(const std::vector<std::string>& arguments)
{
    return RunProgram(ZENKARI_CLI_PATH, arguments);
}

double AdmeshFigure(const std::string& report, const std::string& label)
{
    const std::regex pattern(label + R"(\s*:\s*([-0-9.eE+]+))");
    std::smatch match;
    return std::regex_search(report, match, pattern) ? std::stod(match[1].str()) : std::nan("");
}

// The first number the JSON gives for key.
double JsonFigure(const std::string& json, const std::string& key)
{
    const std::regex pattern("\"" + key + R"(": ([-0-9.eE+]+))");
    std::smatch match;
    return std::regex_search(json, match, pattern) ? std::stod(match[1].str()) : std::nan("");
}

struct TStlBox {
    std::uint32_t Triangles = 0;
    float Low[3] = {std::numeric_limits<float>::max(), std::numeric_limits<float>::max(),
                    std::numeric_limits<float>::max()};
    float High[3] = {-std::numeric_limits<float>::max(), -std::numeric_limits<float>::max(),
                     -std::numeric_limits<float>::max()};
};

// The triangle count and the bounding box of a binary STL, read as the format says.
TStlBox ReadStl(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    TStlBox box;
    if (bytes.size() < 84)
        return box;
    std::memcpy(&box.Triangles, bytes.data() + 80, 4);
    EXPECT_EQ(bytes.size(), 84u + 50u * box.Triangles);
    for (std::uint32_t t = 0; t < box.Triangles && 84 + 50 * (t + 1) <= bytes.size(); ++t)
        for (int corner = 0; corner < 3; ++corner)
            for (int axis = 0; axis < 3; ++axis) {
                float x = 0;
                std::memcpy(&x, bytes.data() + 84 + 50 * t + 12 + 12 * corner + 4 * axis, 4);
                box.Low[axis] = std::min(box.Low[axis], x);
                box.High[axis] = std::max(box.High[axis], x);
            }
    return box;
}

}  // namespace

TEST(CliPrint, AModelStandsOnItsFacetCentredAndAdmeshMendsNothing)
{
    const std::string directory = ScratchDirectory();
    struct TCase {
        const char* Config;
        const char* Height;
        std::uint32_t Triangles;
        bool Facet;
    };
    // The rhombicosidodecahedron on a pentagon; the great dodecahedron, all dimples, on
    // three of its points; the tetrahemihexahedron, whose four pieces touch at the centre.
    for (const TCase& c : {TCase{"(3, 4, 5, 4)", "50", 116, true}, TCase{"(5, 5, 5, 5, 5)/2", "60", 60, false},
                           TCase{"(3, 4, 3/2, 4)", "40", 16, true}}) {
        const std::string path = directory + "zenkari-print-" + std::to_string(c.Triangles) + ".stl";
        const TProgramResult run = RunCli({"export", c.Config, "--print", "--height-mm", c.Height, "-o", path});
        ASSERT_EQ(run.Status, 0) << c.Config << run.Err;
        EXPECT_NE(run.Out.find(c.Facet ? "resting on a facet of" : "resting on three of its outermost points"),
                  std::string::npos)
            << run.Out;
        const TStlBox box = ReadStl(path);
        EXPECT_EQ(box.Triangles, c.Triangles) << c.Config;
        EXPECT_EQ(box.Low[2], 0.0f) << c.Config;
        EXPECT_NEAR(box.High[2], std::stof(c.Height), 1e-4) << c.Config;
        EXPECT_NEAR(box.Low[0] + box.High[0], 0.0, 1e-4) << c.Config;
        EXPECT_NEAR(box.Low[1] + box.High[1], 0.0, 1e-4) << c.Config;
        const TProgramResult admesh = RunProgram("admesh", {path});
        ASSERT_EQ(admesh.Status, 0) << admesh.Err;
        for (const char* mended : {"Edges fixed", "Facets removed", "Facets reversed", "Backwards edges"})
            EXPECT_EQ(AdmeshFigure(admesh.Out, mended), 0) << c.Config << ": " << mended;
    }
    const TProgramResult pinched = RunCli({"export", "(3, 4, 3/2, 4)", "--print", "-o", directory + "pinched.stl"});
    EXPECT_NE(pinched.Out.find("the enclosed region pinches: "), std::string::npos) << pinched.Out;
}

TEST(CliPrint, A3mfModelIsWrittenAndToldAsAnStlIs)
{
    const std::string directory = ScratchDirectory();
    const TProgramResult stl = RunCli({"export", "(3, 4, 5, 4)", "--print", "-o", directory + "model.stl"});
    const TProgramResult threeMf = RunCli({"export", "(3, 4, 5, 4)", "--print", "-o", directory + "model.3MF"});
    ASSERT_EQ(threeMf.Status, 0) << threeMf.Err;
    EXPECT_EQ(std::regex_replace(threeMf.Out, std::regex(R"(model\.3MF)"), "model.stl"), stl.Out);
    std::ifstream in(directory + "model.3MF", std::ios::binary);
    std::string magic(4, '\0');
    in.read(magic.data(), 4);
    EXPECT_EQ(magic, std::string("PK\3\4", 4));  // a ZIP package, as every 3MF is
}

TEST(CliPrint, TheDualOrTheCompoundIsPrintedAsShown)
{
    const std::string directory = ScratchDirectory();
    // The stella octangula: eight three-sided points, on the octahedron the two share.
    const TProgramResult stella =
        RunCli({"export", "(3, 3, 3)", "--compound", "--print", "-o", directory + "stella.stl"});
    ASSERT_EQ(stella.Status, 0) << stella.Err;
    EXPECT_EQ(ReadStl(directory + "stella.stl").Triangles, 24u);
    const TProgramResult dual = RunCli({"export", "(3, 4, 4)", "--dual", "--print", "-o", directory + "bipyramid.stl"});
    ASSERT_EQ(dual.Status, 0) << dual.Err;
    EXPECT_EQ(ReadStl(directory + "bipyramid.stl").Triangles, 6u);
    // The tetrahemihexahedron's squares pass through the centre: its dual has poles at
    // infinity, and nothing is written.
    const TProgramResult far = RunCli({"export", "(3, 4, 3/2, 4)", "--dual", "--print", "-o", directory + "far.stl"});
    EXPECT_EQ(far.Status, 1);
    EXPECT_NE(far.Err.find("the dual has poles at infinity"), std::string::npos) << far.Err;
    EXPECT_FALSE(std::ifstream(directory + "far.stl").good());
}

TEST(CliPrint, StrutsWriteABallAndStickModel)
{
    const std::string directory = ScratchDirectory();
    const TProgramResult run =
        RunCli({"export", "(3, 3, 3)", "--print", "--struts", "--strut-mm", "3", "-o", directory + "tetrahedron.stl"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find("a ball-and-stick model of "), std::string::npos) << run.Out;
    const TStlBox box = ReadStl(directory + "tetrahedron.stl");
    EXPECT_EQ(box.Low[2], 0.0f);
    const TProgramResult admesh = RunProgram("admesh", {directory + "tetrahedron.stl"});
    EXPECT_EQ(AdmeshFigure(admesh.Out, "Number of parts"), 1) << admesh.Out;
    for (const char* mended : {"Edges fixed", "Facets removed", "Facets reversed", "Backwards edges"})
        EXPECT_EQ(AdmeshFigure(admesh.Out, mended), 0) << mended;
    const TProgramResult alone = RunCli({"export", "(3, 3, 3)", "--struts", "-o", directory + "t.stl"});
    EXPECT_EQ(alone.Status, 2);
}

TEST(CliPrint, APictureShowsTheOuterSurface)
{
    const std::string path = ScratchDirectory() + "zenkari-print-great-dodecahedron.png";
    const TProgramResult run = RunCli({"export", "(5, 5, 5, 5, 5)/2", "--print", "-o", path, "--size", "120x100"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "wrote " + path + ": a picture of the outer surface, 60 triangles\n");
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    // The width and height, big-endian, in the header chunk.
    const auto word = [&](std::size_t at) {
        return (static_cast<unsigned char>(bytes[at]) << 24) | (static_cast<unsigned char>(bytes[at + 1]) << 16)
               | (static_cast<unsigned char>(bytes[at + 2]) << 8) | static_cast<unsigned char>(bytes[at + 3]);
    };
    EXPECT_EQ(word(16), 120);
    EXPECT_EQ(word(20), 100);
}

TEST(CliPrint, WhatCannotBePrintedIsRefusedWithTheReason)
{
    const std::string directory = ScratchDirectory();
    // 3MF holds the printable model only, and takes its format from the name alone.
    const TProgramResult shown = RunCli({"export", "(4, 4, 4)", "-o", directory + "cube.3mf"});
    EXPECT_EQ(shown.Status, 2);
    EXPECT_NE(shown.Err.find("--print"), std::string::npos) << shown.Err;
    const TProgramResult contrary =
        RunCli({"export", "(4, 4, 4)", "--print", "--format", "stl", "-o", directory + "cube.3mf"});
    EXPECT_EQ(contrary.Status, 2);
    const TProgramResult flat =
        RunCli({"export", "(4, 4, 4)", "--print", "--height-mm", "0", "-o", directory + "c.stl"});
    EXPECT_EQ(flat.Status, 2);
    const TProgramResult wrongFormat = RunCli({"export", "(4, 4, 4)", "--print", "-o", directory + "cube.obj"});
    EXPECT_EQ(wrongFormat.Status, 2);
}

TEST(CliPrint, BuildJsonGivesWhatEachSolidEncloses)
{
    // The great dodecahedron encloses (5/4)(√5 − 1), not its pyramids' 2.927; a cube its volume.
    const TProgramResult great = RunCli({"build", "(5, 5, 5, 5, 5)/2", "--json"});
    ASSERT_EQ(great.Status, 0) << great.Err;
    EXPECT_NEAR(JsonFigure(great.Out, "enclosed_volume"), 1.25 * (std::sqrt(5.0) - 1.0), 1e-9) << great.Out;
    EXPECT_NEAR(JsonFigure(great.Out, "volume"), 2.927050983, 1e-9);
    const TProgramResult cube = RunCli({"build", "(4, 4, 4)", "--json"});
    EXPECT_NEAR(JsonFigure(cube.Out, "enclosed_volume"), 1.0, 1e-9) << cube.Out;
    EXPECT_NEAR(JsonFigure(cube.Out, "outer_area"), 6.0, 1e-9) << cube.Out;
    // The octagrammic prism encloses its filled star, once, times its unit height: 2n
    // triangles from the centre to the points (radius R) and the notches between them.
    const TProgramResult prism = RunCli({"build", "(8/3, 4, 4)", "--json"});
    ASSERT_EQ(prism.Status, 0) << prism.Err;
    const double pi = std::acos(-1.0);
    const double points = 0.5 / std::sin(3.0 * pi / 8.0);
    const double notches = points * std::cos(3.0 * pi / 8.0) / std::cos(2.0 * pi / 8.0);
    EXPECT_NEAR(JsonFigure(prism.Out, "enclosed_volume"), 8.0 * points * notches * std::sin(pi / 8.0), 1e-9)
        << prism.Out;
}
