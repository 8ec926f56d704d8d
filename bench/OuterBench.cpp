// SPDX-License-Identifier: GPL-3.0-or-later
// Times the outer surface of every catalogue solid (the exact union of its faces and the
// boundary of what they enclose) and prints its size and figures beside the solid's own.
//   build/release/zenkari-bench-outer [ENTRY...]
#include "BenchEntries.h"
#include "catalogue/PolyhedronInfo.h"
#include "construction/ConfigurationText.h"
#include "measure/PolyhedronCalc.h"
#include "session/BuildSession.h"
#include "solid/OuterSurface.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct TEntryTiming {
    double Milliseconds = 0.0;
    bool Formed = false;
};

TEntryTiming TimeEntry(int entry)
{
    TVertexConfiguration config;
    int pick = 0;
    if (ParseCodeString(PolyhedronCatalogue()[entry].Code, config, pick).Failed())
        return {};
    TOneShotBuild build(config);
    build.Run(nullptr);
    const TBuiltSolid* solid = build.Search.SolidAt(pick);
    if (solid == nullptr || solid->Raw.VertexCount == 0)
        return {};
    const auto start = std::chrono::steady_clock::now();
    TOuterSurface surface;
    const TResult result = FormOuterSurface(SolidSurfaceFaces(*solid), surface);
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    const TMeshCheck check = CheckMesh(surface);
    std::printf("%-4d %-34s %9.1f %6zu %6zu %12.9f %12.9f %12.9f %12.9f %3d %s%s%s%s%s\n", entry,
                ConfigurationText(config).c_str(), elapsed.count(), surface.Triangles.size(), surface.Points.size(),
                surface.Volume, Volume(*solid), surface.Area, SurfaceArea(*solid), surface.PinchPoints,
                result.Failed() ? result.Error.c_str() : "", check.Closed ? "" : " open",
                check.Manifold ? "" : " non-manifold", check.Outward ? "" : " not-outward",
                check.SelfIntersecting ? " self-intersecting" : "");
    return {elapsed.count(), !result.Failed()};
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<int> entries = BenchEntries(argc, argv);
    std::printf("%-4s %-34s %9s %6s %6s %12s %12s %12s %12s %3s\n", "#", "configuration", "ms", "tris", "points",
                "enclosed", "volume", "outer area", "area", "pin");
    double total = 0.0;
    double slowest = 0.0;
    int slowestEntry = -1;
    for (const int e : entries) {
        const TEntryTiming t = TimeEntry(e);
        total += t.Milliseconds;
        if (t.Milliseconds > slowest) {
            slowest = t.Milliseconds;
            slowestEntry = e;
        }
        std::fflush(stdout);
    }
    std::printf("\nouter surfaces: %zu entries, %.1f s in all, slowest entry %d at %.0f ms (target < 2000 ms)\n",
                entries.size(), total / 1000.0, slowestEntry, slowest);
}
