// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliNet.h"

#include "catalogue/PolyhedronInfo.h"
#include "cli/CliOutput.h"
#include "construction/ConfigurationText.h"

#include <cstdio>
#include <iostream>

namespace {

// The solid's name as the catalogue has it, where the request builds one of its entries
// (the same configuration and pick); else its configuration.
std::string SolidName(const TCliRequest& request)
{
    const bool english = request.Language == TLanguage::English;
    const std::string asked = ConfigurationText(request.Config);
    for (const TCatalogueEntry& entry : PolyhedronCatalogue()) {
        TVertexConfiguration config;
        int pick = 0;
        if (ParseCodeString(entry.Code, config, pick).Failed() || pick != request.Pick
            || ConfigurationText(config) != asked)
            continue;
        if (request.Display.CompoundShown)
            break;
        if (request.Display.DualShown)
            return english ? entry.DualEnglishName : entry.DualName;
        return english ? entry.EnglishName : entry.Name;
    }
    const std::string what = request.Display.CompoundShown ? (english ? " and its dual" : " と双対の複合")
                             : request.Display.DualShown   ? (english ? ", dual" : " の双対")
                                                           : "";
    return asked + what;
}

std::string Title(const TCliRequest& request)
{
    const bool english = request.Language == TLanguage::English;
    const bool parts = request.Net.Mode == TNetMode::Parts;
    return SolidName(request) + (english ? (parts ? " · parts" : " · net") : (parts ? "　部品" : "　展開図"));
}

std::string Millimetres(double x)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", x);
    return text;
}

void WriteJson(const TCliRequest& request, const TNetSummary& summary, const std::string& title)
{
    const TNetPaper& paper = request.Net.Paper;
    std::cout << "{\n  \"file\": " << JsonString(request.OutputFile) << ",\n  \"title\": " << JsonString(title)
              << ",\n  \"mode\": \"" << (summary.Mode == TNetMode::Parts ? "parts" : "net") << "\",\n"
              << "  \"paper\": {\"width_mm\": " << paper.WidthMm << ", \"height_mm\": " << paper.HeightMm
              << ", \"margin_mm\": " << paper.MarginMm << "},\n"
              << "  \"edge_mm\": " << Millimetres(summary.EdgeMm) << ",\n  \"pages\": " << summary.Pages
              << ",\n  \"glued_pairs\": " << summary.GluedPairs << ",\n  \"tabs\": " << summary.Tabs
              << ",\n  \"pieces\": [";
    for (size_t p = 0; p < summary.Pieces.size(); ++p) {
        const TNetPieceSummary& piece = summary.Pieces[p];
        std::cout << (p == 0 ? "\n" : ",\n") << "    {\"page\": " << piece.Page << ", \"faces\": " << piece.Faces
                  << ", \"count\": " << piece.Count << ", \"mirrored\": " << piece.Mirrored
                  << ", \"tabs\": " << piece.Tabs << "}";
    }
    std::cout << (summary.Pieces.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

}  // namespace

int WriteNetFile(const TCliRequest& request, const TBuildSession& session)
{
    TNetRequest net = request.Net;
    net.Title = Title(request);
    const TNetSummary summary = ExportNetFile(session, request.Pick, request.OutputFile, net, request.Display);
    if (summary.Failed()) {
        std::cerr << "zenkari-cli: cannot write " << QuotedInput(request.OutputFile) << ": " << summary.Error << '\n';
        return 1;
    }
    if (request.Json) {
        WriteJson(request, summary, net.Title);
        return 0;
    }
    int cut = 0;
    for (const TNetPieceSummary& piece : summary.Pieces)
        cut += piece.Count;
    std::cout << "wrote " << request.OutputFile << ": " << summary.Pages
              << (summary.Pages == 1 ? " page, " : " pages, ") << summary.Pieces.size()
              << (summary.Mode == TNetMode::Parts ? " kinds of part (" + std::to_string(cut) + " to cut), "
                                                  : (summary.Pieces.size() == 1 ? " piece, " : " pieces, "))
              << summary.Tabs << " glue tabs, an edge " << Millimetres(summary.EdgeMm) << " mm\n";
    return 0;
}
