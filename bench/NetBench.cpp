// SPDX-License-Identifier: GPL-3.0-or-later
// Times the paper model of every catalogue solid, in both modes: the regions of its outer
// surface, the net (or the parts) and the layout on A4, the outer surface formed
// beforehand and not counted. Prints the pieces, pages, tabs and scale of each.
//   build/release/zenkari-bench-net [ENTRY...]
#include "BenchEntries.h"
#include "catalogue/PolyhedronInfo.h"
#include "construction/ConfigurationText.h"
#include "net/NetLayout.h"
#include "session/BuildSession.h"
#include "solid/OuterSurface.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct TModeTiming {
    double Milliseconds = 0.0;
    int Pieces = 0;
    int Pages = 0;
    int Tabs = 0;
    double EdgeMm = 0.0;
    std::string Error;
};

TModeTiming TimeMode(const TOuterSurface& surface, TNetMode mode)
{
    TModeTiming timing;
    const auto start = std::chrono::steady_clock::now();
    TSurfaceRegions regions;
    TNet net;
    TNetSheet sheet;
    TResult made = SplitIntoRegions(surface, regions);
    if (!made.Failed())
        made = MakeNet(regions, TNetOptions{mode, true, TLanguage::English}, net);
    if (!made.Failed())
        made = LayOutNet(net, TNetSheetOptions{}, sheet);
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    timing.Milliseconds = elapsed.count();
    timing.Error = made.Error;
    timing.Pieces = static_cast<int>(net.Pieces.size());
    timing.Pages = static_cast<int>(sheet.Pages.size());
    for (const TNetPiece& piece : net.Pieces)
        timing.Tabs += static_cast<int>(piece.Tabs.size());
    timing.EdgeMm = sheet.EdgeMm;
    return timing;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<int> entries = BenchEntries(argc, argv);
    std::printf("%-4s %-30s %6s | %8s %6s %5s %5s %7s | %8s %6s %5s %5s %7s\n", "#", "configuration", "tris", "net ms",
                "pieces", "pages", "tabs", "edge", "parts ms", "kinds", "pages", "tabs", "edge");
    double slowest = 0.0;
    int slowestEntry = -1;
    double total = 0.0;
    for (const int e : entries) {
        TVertexConfiguration config;
        int pick = 0;
        if (ParseCodeString(PolyhedronCatalogue()[e].Code, config, pick).Failed())
            continue;
        TOneShotBuild build(config);
        build.Run(nullptr);
        const TBuiltSolid* solid = build.Search.SolidAt(pick);
        TOuterSurface surface;
        if (solid == nullptr || FormOuterSurface(SolidSurfaceFaces(*solid), surface).Failed() || surface.Empty()) {
            std::printf("%-4d %-30s no outer surface\n", e, ConfigurationText(config).c_str());
            continue;
        }
        const TModeTiming net = TimeMode(surface, TNetMode::Net);
        const TModeTiming parts = TimeMode(surface, TNetMode::Parts);
        std::printf("%-4d %-30s %6zu | %8.1f %6d %5d %5d %7.1f | %8.1f %6d %5d %5d %7.1f %s%s\n", e,
                    ConfigurationText(config).c_str(), surface.Triangles.size(), net.Milliseconds, net.Pieces,
                    net.Pages, net.Tabs, net.EdgeMm, parts.Milliseconds, parts.Pieces, parts.Pages, parts.Tabs,
                    parts.EdgeMm, net.Error.c_str(), parts.Error.c_str());
        std::fflush(stdout);
        for (const TModeTiming* t : {&net, &parts}) {
            total += t->Milliseconds;
            if (t->Milliseconds > slowest) {
                slowest = t->Milliseconds;
                slowestEntry = e;
            }
        }
    }
    std::printf("\npaper models: %zu entries in both modes, %.1f s in all, slowest entry %d at %.0f ms (target < "
                "1000 ms)\n",
                entries.size(), total / 1000.0, slowestEntry, slowest);
}
