// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Random vertex configurations for differential runs of the search (the pruning tests and
// zenkari-prune-sweep): k 3 ... 8 polygons with n up to 12, four in ten of them stars or
// retrograde, windings 0 ... 3 (mostly 1), the added-last option one time in five, and
// vertex limits of 30 ... 200 in steps of 10. Most are refused by preparation.

#include "construction/VertexConfiguration.h"

#include <numeric>
#include <random>

inline TVertexConfiguration RandomConfiguration(std::mt19937& random)
{
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    TVertexConfiguration config;
    config.PolygonCount = pick(3, 8);
    for (int i = 0; i < config.PolygonCount; ++i) {
        const int n = pick(3, 12);
        int d = 1;
        if (pick(0, 9) < 4) {
            d = pick(2, n - 1);
            while (std::gcd(n, d) != 1)
                d = d % (n - 1) + 1;
        }
        config.N[i] = n;
        config.D[i] = d;
    }
    config.Winding = pick(0, 9) < 6 ? 1 : pick(0, 3);
    config.AddLast = config.PolygonCount > 3 && pick(0, 4) == 0;
    config.VertexLimit = pick(3, 20) * 10;
    return config;
}
