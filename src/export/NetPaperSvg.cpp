// SPDX-License-Identifier: GPL-3.0-or-later
// Net pages as one SVG document, written as plain text. Each kind of drawing is a named
// Inkscape layer, so that Inkscape and a cutting machine's software can show, hide or cut
// the cut lines and the folds apart.

#include "export/NetPaper.h"
#include "export/NetPaperLook.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <numbers>

namespace {

constexpr double PageGapMm = 10.0;
constexpr TColour PageFrameColour = MakeColour(0xc0, 0xc0, 0xc0);
constexpr double PageFrameWidthMm = 0.1;

// Millimetres with four decimals, whatever the locale (to_chars never writes a comma).
std::string Mm(double value)
{
    assert(std::isfinite(value) && "net drawings hold finite coordinates");
    if (std::fabs(value) < 0.00005)
        value = 0.0;  // no "-0.0000"
    char text[64];
    const std::to_chars_result written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 4);
    assert(written.ec == std::errc());
    return std::string(text, written.ptr);
}

std::string Hex(TColour colour)
{
    constexpr char digits[] = "0123456789abcdef";
    std::string text = "#";
    for (const int channel : {RedOf(colour), GreenOf(colour), BlueOf(colour)}) {
        text += digits[channel >> 4];
        text += digits[channel & 0xF];
    }
    return text;
}

// Text for an element's content or an attribute value. Control characters other than
// tab and line breaks are not allowed anywhere in XML 1.0, so they are left out.
std::string EscapeXml(const std::string& text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&apos;";
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r')
                escaped += c;
        }
    }
    return escaped;
}

std::string Attribute(const char* name, const std::string& value)
{
    return std::string(" ") + name + "=\"" + value + '"';
}

void OpenLayer(std::string& svg, const char* id, const std::string& style)
{
    svg +=
        std::string("<g id=\"") + id + "\" inkscape:groupmode=\"layer\" inkscape:label=\"" + id + '"' + style + ">\n";
}

std::string StrokeStyle(const TStrokeLook& look)
{
    std::string style = Attribute("fill", "none") + Attribute("stroke", Hex(look.Colour))
                        + Attribute("stroke-width", Mm(look.WidthMm)) + Attribute("stroke-linecap", "round")
                        + Attribute("stroke-linejoin", "round");
    if (look.DashCount > 0) {
        std::string dashes;
        for (int d = 0; d < look.DashCount; ++d) {
            if (d > 0)
                dashes += ' ';
            dashes += Mm(look.Dashes[static_cast<std::size_t>(d)]);
        }
        style += Attribute("stroke-dasharray", dashes);
    }
    return style;
}

std::string Points(const std::vector<TPoint2>& points, double top)
{
    std::string text;
    for (const TPoint2 p : points) {
        if (!text.empty())
            text += ' ';
        text += Mm(p.X);
        text += ',';
        text += Mm(p.Y + top);
    }
    return text;
}

void WritePolygon(std::string& svg, const TDrawnPolygon& polygon, double top, const std::string& fill)
{
    if (polygon.Corners.size() < 3)
        return;
    svg += "<polygon" + Attribute("points", Points(polygon.Corners, top)) + fill + "/>\n";
}

void WriteText(std::string& svg, const TDrawnText& text, double top)
{
    if (text.Text.empty())
        return;
    const std::string x = Mm(text.At.X);
    const std::string y = Mm(text.At.Y + top);
    svg += "<text" + Attribute("x", x) + Attribute("y", y) + Attribute("font-size", Mm(text.SizeMm));
    if (text.Role == TTextRole::Title)
        svg += Attribute("font-weight", "bold");
    // SVG's rotate() turns clockwise to the eye on its y-down page: anticlockwise is negative.
    if (text.Turn != 0.0)
        svg += Attribute("transform", "rotate(" + Mm(-text.Turn * 180.0 / std::numbers::pi) + ' ' + x + ' ' + y + ')');
    svg += '>' + EscapeXml(text.Text) + "</text>\n";
}

void WriteScaleBar(std::string& svg, const TNetPage& page, double top)
{
    if (!HasScaleBar(page))
        return;
    const std::array<TPoint2, 4> bar = ScaleBarPoints(page);
    svg += "<polyline" + Attribute("points", Points({bar.begin(), bar.end()}, top)) + Attribute("fill", "none")
           + Attribute("stroke", Hex(TextColour)) + Attribute("stroke-width", Mm(ScaleBarWidthMm))
           + Attribute("stroke-linecap", "butt") + Attribute("stroke-linejoin", "miter") + "/>\n";
    WriteText(svg, ScaleBarText(page), top);
}

}  // namespace

std::string NetSvgText(const std::vector<TNetPage>& pages)
{
    // Each page's top edge in the document, one below the other.
    std::vector<double> tops;
    double width = 0.0;
    double height = 0.0;
    for (const TNetPage& page : pages) {
        if (!tops.empty())
            height += PageGapMm;
        tops.push_back(height);
        height += page.HeightMm;
        width = std::max(width, page.WidthMm);
    }
    const int pageCount = static_cast<int>(pages.size());
    const auto top = [&tops](int p) { return tops[static_cast<std::size_t>(p)]; };
    const auto page = [&pages](int p) -> const TNetPage& { return pages[static_cast<std::size_t>(p)]; };

    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\""
           " xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\""
           " xmlns:sodipodi=\"http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd\" version=\"1.1\""
           + Attribute("width", Mm(width) + "mm") + Attribute("height", Mm(height) + "mm")
           + Attribute("viewBox", "0 0 " + Mm(width) + ' ' + Mm(height)) + ">\n";
    svg += "<sodipodi:namedview id=\"namedview\" inkscape:document-units=\"mm\"/>\n";

    // The paper's edges, locked in Inkscape: a guide to the eye, not something to cut.
    svg += "<g id=\"pages\" sodipodi:insensitive=\"true\"" + Attribute("fill", "none")
           + Attribute("stroke", Hex(PageFrameColour)) + Attribute("stroke-width", Mm(PageFrameWidthMm)) + ">\n";
    for (int p = 0; p < pageCount; ++p)
        svg += "<rect x=\"0\"" + Attribute("y", Mm(top(p))) + Attribute("width", Mm(page(p).WidthMm))
               + Attribute("height", Mm(page(p).HeightMm)) + "/>\n";
    svg += "</g>\n";

    OpenLayer(svg, "faces", Attribute("stroke", "none"));
    for (int p = 0; p < pageCount; ++p)
        for (const TDrawnPolygon& face : page(p).Faces)
            WritePolygon(svg, face, top(p), Attribute("fill", Hex(face.Fill)));
    svg += "</g>\n";

    OpenLayer(svg, "tabs", Attribute("fill", Hex(TabFill)) + Attribute("stroke", "none"));
    for (int p = 0; p < pageCount; ++p)
        for (const TDrawnPolygon& tab : page(p).Tabs)
            WritePolygon(svg, tab, top(p), "");
    svg += "</g>\n";

    for (const TNetStroke kind : StrokeOrder) {
        const char* id = kind == TNetStroke::Cut ? "cut" : kind == TNetStroke::Mountain ? "mountain" : "valley";
        OpenLayer(svg, id, StrokeStyle(StrokeLook(kind)));
        for (int p = 0; p < pageCount; ++p)
            for (const TDrawnLine& line : page(p).Lines)
                if (line.Kind == kind)
                    svg += "<line" + Attribute("x1", Mm(line.From.X)) + Attribute("y1", Mm(line.From.Y + top(p)))
                           + Attribute("x2", Mm(line.To.X)) + Attribute("y2", Mm(line.To.Y + top(p))) + "/>\n";
        svg += "</g>\n";
    }

    OpenLayer(svg, "labels",
              Attribute("font-family", std::string(NetFontFamily) + ", sans-serif") + Attribute("fill", Hex(TextColour))
                  + Attribute("text-anchor", "middle"));
    for (int p = 0; p < pageCount; ++p) {
        for (const TDrawnText& text : page(p).Texts)
            WriteText(svg, text, top(p));
        WriteScaleBar(svg, page(p), top(p));
    }
    svg += "</g>\n</svg>\n";
    return svg;
}
