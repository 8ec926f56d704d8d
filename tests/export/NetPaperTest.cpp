// SPDX-License-Identifier: GPL-3.0-or-later
// Net pages written as PDF, SVG and a printer's image, read back by readers we did not
// write: poppler (pdfinfo, pdffonts, pdftotext, pdftoppm) for the PDF, xmllint for the SVG.

#include "export/NetPaper.h"
#include "support/RunProgram.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <numbers>
#include <regex>

namespace {

constexpr TColour FaceColour = MakeColour(230, 120, 40);
constexpr TColour LetterFaceColour = MakeColour(40, 160, 90);
constexpr TColour TabGrey = MakeColour(0xe4, 0xe4, 0xe4);

// A 40 mm square face at (50, 50) with a tab on its top side, its outline cut, a mountain
// and a valley fold, a Japanese title, a label to escape and one turned a quarter.
TNetPage SamplePage(double widthMm, double heightMm, TColour fill)
{
    TNetPage page;
    page.WidthMm = widthMm;
    page.HeightMm = heightMm;
    page.Faces.push_back({{{50, 50}, {90, 50}, {90, 90}, {50, 90}}, fill});
    page.Tabs.push_back({{{50, 50}, {55, 42}, {85, 42}, {90, 50}}, White});
    const std::vector<TPoint2> outline{{50, 50}, {55, 42}, {85, 42}, {90, 50}, {90, 90}, {50, 90}};
    for (std::size_t c = 0; c < outline.size(); ++c)
        page.Lines.push_back({outline[c], outline[(c + 1) % outline.size()], TNetStroke::Cut});
    page.Lines.push_back({{50, 50}, {90, 50}, TNetStroke::Mountain});
    page.Lines.push_back({{70, 50}, {70, 90}, TNetStroke::Valley});
    page.Texts.push_back({{widthMm / 2, 25}, 8.0, 0.0, "立方体", TTextRole::Title});
    page.Texts.push_back({{70, 100}, 3.0, 0.0, "A <&> \"b\"", TTextRole::Label});
    page.Texts.push_back({{100, 150}, 3.0, std::numbers::pi / 2, "turned", TTextRole::Label});
    page.ScaleBarFrom = {20, heightMm - 20};
    return page;
}

std::vector<TNetPage> A4AndLetter()
{
    return {SamplePage(210, 297, FaceColour), SamplePage(215.9, 279.4, LetterFaceColour)};
}

std::string WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string WritePdf(const std::string& directory)
{
    std::string bytes;
    EXPECT_EQ(NetPdfBytes(A4AndLetter(), bytes).Error, "");
    return WriteFile(directory + "net.pdf", bytes);
}

// A drawn picture, 0xFFRRGGBB row by row, looked at in millimetres.
struct TPicture {
    std::vector<std::uint32_t> Argb;
    int Width = 0;
    int Height = 0;
    double Dpi = 0;

    [[nodiscard]] TColour At(TPoint2 mm) const
    {
        const auto x = static_cast<std::size_t>(mm.X / 25.4 * Dpi);
        const auto y = static_cast<std::size_t>(mm.Y / 25.4 * Dpi);
        const std::uint32_t p = Argb[y * static_cast<std::size_t>(Width) + x];
        return MakeColour(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                          static_cast<int>(p & 0xFF));
    }
    [[nodiscard]] bool Ink(TPoint2 mm) const
    {
        const TColour c = At(mm);
        return RedOf(c) + GreenOf(c) + BlueOf(c) < 3 * 200;
    }
};

TPicture ReadPng(const std::string& path, double dpi)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    TPicture picture;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return picture;
    image.format = PNG_FORMAT_BGRA;  // in memory, on this little-endian machine, 0xAARRGGBB
    picture.Argb.resize(PNG_IMAGE_SIZE(image) / 4);
    if (!png_image_finish_read(&image, nullptr, picture.Argb.data(), 0, nullptr))
        return {};
    picture = {std::move(picture.Argb), static_cast<int>(image.width), static_cast<int>(image.height), dpi};
    return picture;
}

TPicture Image(const TNetPage& page, double dpi)
{
    TPicture picture{{}, 0, 0, dpi};
    EXPECT_EQ(NetPageImage(page, dpi, picture.Argb, picture.Width, picture.Height).Error, "");
    return picture;
}

bool Near(TColour a, TColour b)
{
    return std::max({std::abs(RedOf(a) - RedOf(b)), std::abs(GreenOf(a) - GreenOf(b)), std::abs(BlueOf(a) - BlueOf(b))})
           <= 3;
}

std::string XPath(const std::string& svgPath, const std::string& expression)
{
    const TProgramResult run = RunProgram("xmllint", {"--xpath", expression, svgPath});
    EXPECT_EQ(run.Status, 0) << expression << "\n" << run.Err;
    return run.Out.empty() ? run.Out : run.Out.substr(0, run.Out.size() - 1);  // its closing line break
}

}  // namespace

TEST(NetPaper, PdfHasOnePageForEachNetPageAtItsOwnSizeWithItsTextsInAnEmbeddedFont)
{
    const std::string pdf = WritePdf(ScratchDirectory());
    const TProgramResult info = RunProgram("pdfinfo", {"-f", "1", "-l", "2", pdf});
    EXPECT_TRUE(std::regex_search(info.Out, std::regex("\nPages: +2\n"))) << info.Out;
    EXPECT_TRUE(std::regex_search(info.Out, std::regex("\nPage +1 size: +595\\.2[78][0-9]* x 841\\.89 pts")));
    EXPECT_TRUE(std::regex_search(info.Out, std::regex("\nPage +2 size: +612 x 792 pts")));

    // Below its heading and rule, one row per font, embedded, subset and mapped to Unicode.
    const TProgramResult fonts = RunProgram("pdffonts", {pdf});
    EXPECT_TRUE(std::regex_search(fonts.Out, std::regex("-\n.* yes yes yes +[0-9]+ +[0-9]+\n"))) << fonts.Out;
    EXPECT_EQ(Occurrences(fonts.Out, " no "), 0) << fonts.Out;

    // The Japanese title comes back as its characters, which it cannot without its glyphs.
    const TProgramResult text = RunProgram("pdftotext", {"-enc", "UTF-8", pdf, "-"});
    EXPECT_EQ(Occurrences(text.Out, "立方体"), 2) << text.Out;
    EXPECT_EQ(Occurrences(text.Out, "A <&> \"b\""), 2);
    EXPECT_EQ(Occurrences(text.Out, "50 mm"), 2);
}

TEST(NetPaper, PdfPagesShowTheirFacesTabsAndPaperInTheirColours)
{
    const std::string directory = ScratchDirectory();
    ASSERT_EQ(RunProgram("pdftoppm", {"-r", "72", "-png", WritePdf(directory), directory + "page"}).Status, 0);
    const TPicture a4 = ReadPng(directory + "page-1.png", 72);
    const TPicture letter = ReadPng(directory + "page-2.png", 72);
    ASSERT_NEAR(a4.Width, 595.28, 1);  // poppler rounds a part of a pixel up
    ASSERT_NEAR(a4.Height, 841.89, 1);
    ASSERT_EQ(letter.Width, 612);
    ASSERT_EQ(letter.Height, 792);
    EXPECT_TRUE(Near(a4.At({60, 70}), FaceColour)) << std::hex << a4.At({60, 70});
    EXPECT_TRUE(Near(letter.At({60, 70}), LetterFaceColour)) << std::hex << letter.At({60, 70});
    EXPECT_TRUE(Near(a4.At({70, 45}), TabGrey)) << std::hex << a4.At({70, 45});
    EXPECT_TRUE(Near(a4.At({150, 130}), White)) << std::hex << a4.At({150, 130});
}

TEST(NetPaper, SvgIsWellFormedWithNamedLayersInDrawingOrder)
{
    const std::string svg = WriteFile(ScratchDirectory() + "net.svg", NetSvgText(A4AndLetter()));
    const TProgramResult lint = RunProgram("xmllint", {"--noout", svg});
    EXPECT_EQ(lint.Status, 0);
    EXPECT_EQ(lint.Err, "");  // where a namespace prefix is not declared, xmllint says so here, with status 0

    // Layers as Inkscape finds them: by its namespace, not by the prefix's spelling.
    const std::string layers = "/*/*[local-name()='g' and @*[local-name()='groupmode' and "
                               "namespace-uri()='http://www.inkscape.org/namespaces/inkscape']='layer']";
    EXPECT_EQ(XPath(svg, layers + "/@id"),
              " id=\"faces\"\n id=\"tabs\"\n id=\"cut\"\n id=\"mountain\"\n id=\"valley\"\n id=\"labels\"");
    EXPECT_EQ(XPath(svg, layers + "/@*[local-name()='label']"),
              " inkscape:label=\"faces\"\n inkscape:label=\"tabs\"\n inkscape:label=\"cut\"\n"
              " inkscape:label=\"mountain\"\n inkscape:label=\"valley\"\n inkscape:label=\"labels\"");
    EXPECT_EQ(XPath(svg, "count(//*[@id='cut']/*)"), "12");
    EXPECT_EQ(XPath(svg, "count(//*[@id='mountain']/*)"), "2");
    EXPECT_EQ(XPath(svg, "count(//*[@id='valley']/*)"), "2");
    EXPECT_EQ(XPath(svg, "count(//*[@id='labels']/*[.='A <&> \"b\"'])"), "2");
    EXPECT_EQ(XPath(svg, "count(//*[@id='labels']/*[.='50 mm'])"), "2");
}

TEST(NetPaper, SvgStacksThePagesTenMillimetresApartAndTurnsTextsAnticlockwise)
{
    const std::string svg = WriteFile(ScratchDirectory() + "net.svg", NetSvgText(A4AndLetter()));
    EXPECT_EQ(XPath(svg, "string(/*/@width)"), "215.9000mm");
    EXPECT_EQ(XPath(svg, "string(/*/@height)"), "586.4000mm");  // 297 + 10 + 279.4
    EXPECT_EQ(XPath(svg, "string(/*/@viewBox)"), "0 0 215.9000 586.4000");
    EXPECT_EQ(XPath(svg, "string(//*[@id='pages']/*[2]/@y)"), "307.0000");
    EXPECT_EQ(XPath(svg, "string(//*[@id='faces']/*[2]/@points)"),
              "50.0000,357.0000 90.0000,357.0000 90.0000,397.0000 50.0000,397.0000");

    // rotate(a cx cy) takes (cx + 1, cy), a step along the text, to (cx + cos a, cy + sin a):
    // a quarter turn anticlockwise must take it up the page.
    std::smatch rotation;
    const std::string transform = XPath(svg, "string(//*[@id='labels']/*[.='turned'][1]/@transform)");
    ASSERT_TRUE(std::regex_match(transform, rotation, std::regex("rotate\\(([-0-9.]+) 100\\.0000 150\\.0000\\)")))
        << transform;
    EXPECT_NEAR(std::sin(std::stod(rotation[1]) * std::numbers::pi / 180), -1.0, 1e-9);
}

TEST(NetPaper, ImageHasThePageSizeInPixelsAndTheFaceInItsColour)
{
    const TPicture image = Image(SamplePage(210, 297, FaceColour), 100);
    EXPECT_EQ(image.Width, 827);  // round(210 / 25.4 * 100)
    EXPECT_EQ(image.Height, 1169);
    ASSERT_EQ(image.Argb.size(), 827u * 1169u);
    EXPECT_EQ(image.At({60, 70}), FaceColour);
    EXPECT_EQ(image.At({70, 45}), TabGrey);
    EXPECT_EQ(image.At({150, 130}), White);
    EXPECT_TRUE(std::all_of(image.Argb.begin(), image.Argb.end(), [](std::uint32_t p) { return p >> 24 == 0xFF; }));
}

TEST(NetPaper, ImageDrawsCutsSolidAndFoldsInTheirDashesAndColours)
{
    TNetPage page;
    page.WidthMm = 100;
    page.HeightMm = 40;
    page.ScaleBarMm = 0;
    page.Lines = {{{10, 10}, {90, 10}, TNetStroke::Cut},
                  {{10, 20}, {90, 20}, TNetStroke::Mountain},
                  {{10, 30}, {90, 30}, TNetStroke::Valley}};
    const TPicture image = Image(page, 300);
    // The inked runs along a line in mm, and the shortest but the first and last (the scan cuts those).
    const auto runs = [&image](double y) {
        std::vector<double> lengths{0};
        for (double x = 12; x < 88; x += 25.4 / 300)
            if (image.Ink({x, y}))
                lengths.back() += 25.4 / 300;
            else if (lengths.back() > 0)
                lengths.push_back(0);
        return lengths;
    };
    const auto shortest = [](const std::vector<double>& r) { return *std::min_element(r.begin() + 1, r.end() - 1); };
    EXPECT_EQ(runs(10).size(), 1u) << "a cut is unbroken";
    EXPECT_EQ(image.At({50, 10}), MakeColour(0, 0, 0));
    ASSERT_GE(runs(20).size(), 10u);
    ASSERT_GE(runs(30).size(), 10u);
    EXPECT_GT(shortest(runs(20)), 2.5) << "a mountain fold is all dashes";
    EXPECT_LT(shortest(runs(30)), 1.5) << "a valley fold has dots between its dashes";
    const TColour mountainInk = image.At({12.5, 20});
    const TColour valleyInk = image.At({12.5, 30});
    EXPECT_TRUE(RedOf(mountainInk) > 120 && GreenOf(mountainInk) + BlueOf(mountainInk) < 60) << std::hex << mountainInk;
    EXPECT_TRUE(BlueOf(valleyInk) > 120 && RedOf(valleyInk) < 60) << std::hex << valleyInk;
}

TEST(NetPaper, ImagePlacesTextsAndTheScaleBarWhereTheySay)
{
    TNetPage page;
    page.WidthMm = 100;
    page.HeightMm = 100;
    page.Texts.push_back({{30, 50}, 5.0, 0.0, "MMMM", TTextRole::Label});
    page.Texts.push_back({{70, 50}, 5.0, std::numbers::pi / 2, "MMMM", TTextRole::Label});
    page.ScaleBarFrom = {20, 90};
    const TPicture image = Image(page, 200);
    // The ink's left, right, top and bottom within a box of the page. Within half a
    // millimetre: glyphs are put on whole pixels and turned ones are not hinted; a text
    // turned the wrong way or not centred is off by millimetres.
    const auto inkBox = [&image](double x0, double y0, double x1, double y1) {
        std::array<double, 4> box{x1, x0, y1, y0};
        for (double y = y0; y < y1; y += 25.4 / 200)
            for (double x = x0; x < x1; x += 25.4 / 200)
                if (image.Ink({x, y}))
                    box = {std::min(box[0], x), std::max(box[1], x), std::min(box[2], y), std::max(box[3], y)};
        return box;
    };
    const std::array<double, 4> level = inkBox(5, 35, 50, 65);
    EXPECT_NEAR((level[0] + level[1]) / 2, 30, 0.5) << "centred on At";
    EXPECT_NEAR(level[3], 50, 0.5) << "standing on the baseline";
    const std::array<double, 4> turned = inkBox(55, 25, 95, 75);  // reading up, tops to the left
    EXPECT_NEAR((turned[2] + turned[3]) / 2, 50, 0.5) << "centred on At";
    EXPECT_NEAR(turned[1], 70, 0.5) << "the baseline to the right";

    const std::array<double, 4> bar = inkBox(15, 80, 75, 95);
    EXPECT_NEAR(bar[0], 20, 0.25) << "the bar as long as it says, ticks included";
    EXPECT_NEAR(bar[1], 70, 0.25);
    EXPECT_NEAR(bar[3], 90.2, 0.2) << "nothing below the bar";
    EXPECT_TRUE(image.Ink({20, 88.5}) && image.Ink({70, 88.5}) && !image.Ink({45, 89.2})) << "end ticks rising";
    const std::array<double, 4> length = inkBox(35, 80, 55, 89);
    EXPECT_NEAR((length[0] + length[1]) / 2, 45, 0.5) << "its length written above its middle";
    EXPECT_NEAR(length[3], 88.5, 0.5);
}

TEST(NetPaper, NothingToDrawAndImagesBeyondTheSizeLimitOrWithoutResolutionAreRefused)
{
    std::string bytes = "old";
    EXPECT_EQ(NetPdfBytes({}, bytes).Error, "no pages to draw");
    TNetPage inch;
    inch.WidthMm = 25.4;
    inch.HeightMm = 0;
    EXPECT_TRUE(NetPdfBytes({SamplePage(210, 297, FaceColour), inch}, bytes).Failed());
    EXPECT_EQ(bytes, "");

    inch.HeightMm = 1;
    const TPicture largest = Image(inch, 10000);
    EXPECT_EQ(largest.Width, 10000);
    EXPECT_EQ(largest.Height, 394);
    std::vector<std::uint32_t> argb{1};
    int width = -1;
    int height = -1;
    for (const double dpi : {10001.0, 1e300, 0.0, -72.0, std::nan("")}) {
        EXPECT_TRUE(NetPageImage(inch, dpi, argb, width, height).Failed()) << dpi;
        EXPECT_TRUE(argb.empty() && width == 0 && height == 0) << dpi;
    }
    EXPECT_NE(NetPageImage(inch, 10001, argb, width, height).Error.find("10000"), std::string::npos);
}
