// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/PolyhedronVRML.h"
#include "session/BuildSession.h"
#include "support/Golden.h"
#include "support/SolidDump.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

// The session after a one-shot build, showing found solid 1 as settings say.
std::unique_ptr<TBuildSession> Built(const std::string& text, const TDisplaySettings& settings)
{
    auto session = std::make_unique<TBuildSession>();
    EXPECT_FALSE(session->Press(TBuildMode::OneShot, Config(text), settings, NoLines)) << text;
    session->Show(1, settings, NoLines);
    return session;
}

std::vector<std::string> Export(const std::string& text, const TDisplaySettings& settings)
{
    return Built(text, settings)->ExportShown(1, settings);
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

int Count(const std::vector<std::string>& lines, const std::string& line)
{
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

std::size_t Find(const std::vector<std::string>& lines, const std::string& line, std::size_t from = 0)
{
    return static_cast<std::size_t>(std::find(lines.begin() + static_cast<std::ptrdiff_t>(from), lines.end(), line)
                                    - lines.begin());
}

}  // namespace

TEST(VrmlText, CoordinatesHaveEightDigitsAndThreeExponentDigits)
{
    EXPECT_EQ(CoordinateText(2.0), "2.0000000E+000");
    EXPECT_EQ(CoordinateText(-0.35355339059327), "-3.5355339E-001");
    EXPECT_EQ(CoordinateText(0.0), "0.0000000E+000");
    EXPECT_EQ(CoordinateText(-0.0), "0.0000000E+000");
    EXPECT_EQ(CoordinateText(123456789.0), "1.2345679E+008");
    EXPECT_EQ(CoordinateText(9.999999999), "1.0000000E+001");
    EXPECT_EQ(CoordinateText(1e-300), "1.0000000E-300");
    EXPECT_EQ(CoordinateText(10.0 / (std::sqrt(3.0) / 2.0)), "1.1547005E+001");
}

TEST(VrmlText, ColoursAreChannelFractionsToTwoDecimals)
{
    EXPECT_EQ(ColourText(White), "1 1 1");
    EXPECT_EQ(ColourText(MakeColour(128, 64, 0)), "0.5 0.25 0");
    EXPECT_EQ(ColourText(MakeColour(85, 170, 1)), "0.33 0.67 0");
}

TEST(ColourSchemes, BuiltInPalettesFollowTheirRamps)
{
    EXPECT_EQ(BuiltInPalette(TBuiltInScheme::Rainbow)[0], MakeColour(255, 85, 85));
    EXPECT_EQ(BuiltInPalette(TBuiltInScheme::Pastel)[0], MakeColour(255, 187, 187));
    EXPECT_EQ(BuiltInPalette(TBuiltInScheme::Grey)[0], MakeColour(255, 221, 221));
    EXPECT_EQ(BuiltInPalette(TBuiltInScheme::Dark)[0], MakeColour(204, 0, 0));
    EXPECT_EQ(BuiltInPalette(TBuiltInScheme::Rainbow)[2], MakeColour(255, 255, 85));
    for (int s = 0; s < BuiltInSchemeCount; ++s) {
        const TPalette palette = BuiltInPalette(static_cast<TBuiltInScheme>(s));
        for (int j = 0; j + 12 < PaletteSize; ++j)
            EXPECT_EQ(palette[j], palette[j + 12]) << s << " " << j;
    }
    EXPECT_EQ(BuiltInSchemeName(TBuiltInScheme::Rainbow), "レインボー");
    EXPECT_EQ(BuiltInSchemeName(TBuiltInScheme::Dark), "ダーク");
}

TEST(PolyhedronVRML, CubeMatchesItsGoldenFile)
{
    const TDisplaySettings settings = FirstStartDisplaySettings();  // mode 1, edges lifted
    const auto lines = Export("(4, 4, 4)", settings);
    EXPECT_EQ(lines[11], "Shape {");
    EXPECT_EQ(lines[21], "        2.0000000E+000 0.0000000E+000 0.0000000E+000,");
    EXPECT_EQ(Count(lines, "  geometry IndexedLineSet {"), 1);
    EXPECT_EQ(lines[Find(lines, "  geometry IndexedLineSet {") + 3], "      point [");
    EXPECT_EQ(lines[Find(lines, "  geometry IndexedLineSet {") + 4].substr(0, 22), "        2.0100000E+000");
    ExpectGolden("cube.wrl", Joined(lines));
}

TEST(PolyhedronVRML, DualOnlyWritesTheDualFromIndexZero)
{
    TDisplaySettings settings = FirstStartDisplaySettings();
    settings.DualShown = true;
    const auto lines = Export("(4, 4, 4)", settings);
    EXPECT_EQ(Count(lines, "Shape {"), 2);
    EXPECT_EQ(Count(lines, "      transparency 0.6"), 0);  // mode 1 hollows only in a compound
    const std::size_t faces = Find(lines, "    coordIndex [");
    int lowest = 1000;
    for (std::size_t i = faces + 1; lines[i] != "    ]"; ++i)
        lowest = std::min(lowest, std::stoi(lines[i]));
    EXPECT_EQ(lowest, 0);
    EXPECT_EQ(lines[Find(lines, "      point [") + 7], "      ]");  // six octahedron vertices
    EXPECT_EQ(Count(lines, "      color [0 0.5 0.5]"), 1);          // teal edges
}

TEST(PolyhedronVRML, CompoundHollowsTheSolidWhenTheDualIsChecked)
{
    TDisplaySettings settings = FirstStartDisplaySettings();
    settings.DualShown = true;
    settings.CompoundShown = true;
    const auto lines = Export("(4, 4, 4)", settings);
    EXPECT_EQ(Count(lines, "Shape {"), 4);
    const std::size_t solidMaterial = Find(lines, "    material Material {");
    EXPECT_EQ(lines[solidMaterial + 1], "      transparency 0.5");
    const std::size_t dualMaterial = Find(lines, "    material Material {", solidMaterial + 1);
    EXPECT_EQ(lines[dualMaterial + 1], "    }");

    settings.DualShown = false;  // then the dual is the hollow one
    const auto other = Export("(4, 4, 4)", settings);
    const std::size_t first = Find(other, "    material Material {");
    EXPECT_EQ(other[first + 1], "    }");
    EXPECT_EQ(other[Find(other, "    material Material {", first + 1) + 1], "      transparency 0.6");
}

TEST(PolyhedronVRML, FrameModeWritesEdgesOnlyAndZoomPlacesTheCamera)
{
    TDisplaySettings settings = FirstStartDisplaySettings();
    settings.SurfaceMode = 4;
    settings.ZoomMode = 3;
    settings.FloatLines = false;
    const auto lines = Export("(4, 4, 4)", settings);
    EXPECT_EQ(Count(lines, "  geometry IndexedFaceSet {"), 0);
    EXPECT_EQ(Count(lines, "  geometry IndexedLineSet {"), 1);
    EXPECT_EQ(lines[9], "  position 0 0 1.1547005E+001");
    EXPECT_EQ(lines[Find(lines, "      point [") + 1], "        2.0000000E+000 0.0000000E+000 0.0000000E+000,");

    settings.SurfaceMode = 2;
    settings.Groups[0].Mono = settings.Groups[2].Mono = true;
    const auto mono = Export("(5/2, 4, 4)", settings);
    EXPECT_EQ(Count(mono, "      color [0 1 1, 0 0 0.5]"), 1);  // two colours when both groups are single
    EXPECT_EQ(Count(mono, "      transparency 0.5"), 1);
    EXPECT_EQ(Count(mono, "        1"), 10);  // the two pentagrams' five triangles each
}

TEST(PolyhedronVRML, AbandonedDualKeepsItsListsClosed)
{
    TDisplaySettings settings = FirstStartDisplaySettings();
    settings.DualShown = true;
    const auto lines = Export("(4, 4, 8/3, 8/5)", settings);
    EXPECT_EQ(Count(lines, "Shape {"), 2);
    EXPECT_EQ(lines[Find(lines, "      point [") + 1], "      ]");
    EXPECT_EQ(lines[Find(lines, "    coordIndex [") + 1], "    ]");
    EXPECT_EQ(lines[Find(lines, "    colorIndex [") + 1], "    ]");
    EXPECT_EQ(lines.back(), "}");
}

TEST(PolyhedronVRML, NothingToWriteForAnEmptySelection)
{
    const TDisplaySettings settings = FirstStartDisplaySettings();
    auto session = Built("(4, 4, 4)", settings);
    EXPECT_TRUE(session->ExportShown(2, settings).empty());
    EXPECT_TRUE(session->ExportShown(-1, settings).empty());
    TBuildSession fresh;
    EXPECT_TRUE(fresh.ExportShown(0, settings).empty());
}

TEST(VrmlText, SaveWritesCrLfAndNeverLeavesHalfAFile)
{
    const std::string directory = ::testing::TempDir() + "zenkari-save";
    mkdir(directory.c_str(), 0755);
    const std::string path = directory + "/out.wrl";
    ASSERT_EQ(SaveLines(path, {"#VRML V2.0 utf8", "}"}).Error, "");
    EXPECT_EQ(ReadWholeFile(path), "#VRML V2.0 utf8\r\n}\r\n");
    ASSERT_EQ(SaveLines(path, {"again"}).Error, "");  // overwrites
    EXPECT_EQ(ReadWholeFile(path), "again\r\n");

    EXPECT_NE(SaveLines(directory + "/missing/out.wrl", {"x"}).Error, "");
    if (geteuid() != 0) {  // root writes anywhere
        chmod(directory.c_str(), 0555);
        EXPECT_NE(SaveLines(directory + "/other.wrl", {"x"}).Error, "");
        chmod(directory.c_str(), 0755);
    }
    EXPECT_NE(SaveLines(directory, {"x"}).Error, "");  // a directory stands at the name
    // Only out.wrl remains: no temporary file was left behind.
    EXPECT_EQ(std::system(("test $(ls -A " + directory + " | wc -l) -eq 1").c_str()), 0);
}
