// SPDX-License-Identifier: GPL-3.0-or-later
// Times the classification of every catalogue solid (its symmetry group, orbits, topology
// and canonical form) and prints what it found.
//   build/release/zenkari-bench-classify [ENTRY...]
#include "BenchEntries.h"
#include "catalogue/PolyhedronInfo.h"
#include "construction/ConfigurationText.h"
#include "measure/SolidClass.h"
#include "session/BuildSession.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Repeats make the time of one classification readable on the small solids.
constexpr int Repeats = 20;

double TimeEntry(int entry)
{
    TVertexConfiguration config;
    int pick = 0;
    if (ParseCodeString(PolyhedronCatalogue()[entry].Code, config, pick).Failed())
        return 0.0;
    TOneShotBuild build(config);
    build.Run(nullptr);
    const TBuiltSolid* solid = build.Search.SolidAt(pick);
    if (solid == nullptr || solid->Raw.VertexCount == 0)
        return 0.0;
    TSolidClass found;
    const auto start = std::chrono::steady_clock::now();
    for (int r = 0; r < Repeats; ++r)
        found = ClassifySolid(*solid);
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    const double each = elapsed.count() / Repeats;
    std::printf("%-4d %-34s %8.3f %4d %4d %4d %4d %-5s %4d %3d %-5s %-5s %s\n", entry,
                ConfigurationText(config).c_str(), each, found.Vertices, found.Faces, found.Edges,
                found.EulerCharacteristic, found.Symmetry.c_str(), found.SymmetryOrder, found.VertexOrbits,
                found.Orientable ? "yes" : "no", found.Chiral ? "yes" : "no",
                found.Shape == found.MirrorShape ? "" : "(mirror differs)");
    return each;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<int> entries = BenchEntries(argc, argv);
    std::printf("%-4s %-34s %8s %4s %4s %4s %4s %-5s %4s %3s %-5s %-5s\n", "#", "configuration", "ms", "V", "F", "E",
                "chi", "group", "ord", "orb", "orient", "chiral");
    double total = 0.0;
    double slowest = 0.0;
    int slowestEntry = -1;
    for (const int e : entries) {
        const double ms = TimeEntry(e);
        total += ms;
        if (ms > slowest) {
            slowest = ms;
            slowestEntry = e;
        }
        std::fflush(stdout);
    }
    std::printf("\nclassified: %zu entries, %.1f ms in all (one classification each), slowest entry %d at %.3f ms\n",
                entries.size(), total, slowestEntry, slowest);
}
