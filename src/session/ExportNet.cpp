// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ExportNet.h"

#include "common/CarefulWrite.h"
#include "export/NetPaper.h"
#include "session/ExportFile.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

std::string Lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A length in millimetres, 50 ... 2000, the whole text a number.
bool ReadSide(const std::string& text, double& mm)
{
    if (text.empty() || text.size() > 12)
        return false;
    char* end = nullptr;
    mm = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() && mm >= 50.0 && mm <= 2000.0;
}

TNetSummary Summary(const TNet& net, const TNetSheet& sheet)
{
    TNetSummary summary;
    summary.Mode = net.Mode;
    summary.Pages = static_cast<int>(sheet.Pages.size());
    summary.EdgeMm = sheet.EdgeMm;
    summary.GluedPairs = net.GluedPairs;
    for (size_t p = 0; p < net.Pieces.size(); ++p) {
        const TNetPiece& piece = net.Pieces[p];
        summary.Pieces.push_back({sheet.Places[p].Page + 1, static_cast<int>(piece.Faces.size()), piece.Count,
                                  piece.Mirrored, static_cast<int>(piece.Tabs.size())});
        summary.Tabs += static_cast<int>(piece.Tabs.size());
    }
    return summary;
}

TNetSummary Refused(std::string why)
{
    TNetSummary summary;
    summary.Error = std::move(why);
    return summary;
}

}  // namespace

std::optional<TNetFormat> NetFormatFromPath(const std::string& path)
{
    const std::string lowered = Lowered(path);
    if (EndsWith(lowered, ".pdf"))
        return TNetFormat::Pdf;
    if (EndsWith(lowered, ".svg"))
        return TNetFormat::Svg;
    return std::nullopt;
}

std::optional<TNetPaper> NetPaperFromName(const std::string& name)
{
    const std::string lowered = Lowered(name);
    if (lowered == "a4")
        return TNetPaper{210.0, 297.0, 10.0};
    if (lowered == "a3")
        return TNetPaper{297.0, 420.0, 10.0};
    if (lowered == "letter")
        return TNetPaper{215.9, 279.4, 10.0};
    if (lowered == "legal")
        return TNetPaper{215.9, 355.6, 10.0};
    std::string size = lowered;
    if (EndsWith(size, "mm"))
        size.resize(size.size() - 2);
    const size_t x = size.find('x');
    TNetPaper paper;
    if (x == std::string::npos || !ReadSide(size.substr(0, x), paper.WidthMm)
        || !ReadSide(size.substr(x + 1), paper.HeightMm))
        return std::nullopt;
    return paper;
}

TNetSummary NetPagesOf(const TBuildSession& session, int sel, const TNetRequest& request,
                       const TDisplaySettings& settings, std::vector<TNetPage>& pages)
{
    TOuterSurface surface;
    if (TResult formed = ShownOuterSurface(session, sel, settings, surface, "paper model"); formed.Failed())
        return Refused(std::move(formed.Error));
    TSurfaceRegions regions;
    if (TResult split = SplitIntoRegions(surface, regions); split.Failed())
        return Refused("no paper model: " + split.Error);
    TNet net;
    if (TResult made = MakeNet(regions, TNetOptions{request.Mode, request.Tabs, request.Language}, net); made.Failed())
        return Refused("no paper model: " + made.Error);
    TNetSheetOptions options;
    options.Paper = request.Paper;
    options.EdgeMm = request.EdgeMm;
    options.Title = request.Title;
    options.Language = request.Language;
    for (const TSurfaceFace& face : surface.Faces)
        options.FaceColours.push_back(GroupBaseColour(settings, face.Group, face.N));
    TNetSheet sheet;
    if (TResult laid = LayOutNet(net, options, sheet); laid.Failed())
        return Refused(std::move(laid.Error));
    TNetSummary summary = Summary(net, sheet);
    pages = std::move(sheet.Pages);
    return summary;
}

TNetSummary ExportNetFile(const TBuildSession& session, int sel, const std::string& path, const TNetRequest& request,
                          const TDisplaySettings& settings)
{
    const std::optional<TNetFormat> format = NetFormatFromPath(path);
    if (!format)
        return Refused("a paper model is written as PDF (FILE.pdf) or SVG (FILE.svg)");
    std::vector<TNetPage> pages;
    TNetSummary summary = NetPagesOf(session, sel, request, settings, pages);
    if (summary.Failed())
        return summary;
    std::string bytes;
    if (*format == TNetFormat::Svg) {
        bytes = NetSvgText(pages);
    } else if (TResult drawn = NetPdfBytes(pages, bytes); drawn.Failed()) {
        return Refused(std::move(drawn.Error));
    }
    if (TResult written = WriteFileCarefully(path, bytes); written.Failed())
        return Refused(std::move(written.Error));
    return summary;
}
