// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The catalogue entries a bench runs over: those named on its command line, or all of them.

#include "catalogue/CatalogueRows.h"

#include <cstdlib>
#include <vector>

inline std::vector<int> BenchEntries(int argc, char** argv)
{
    std::vector<int> entries;
    for (int i = 1; i < argc; ++i)
        entries.push_back(std::atoi(argv[i]));
    if (entries.empty())
        for (int e = 0; e < CatalogueEntryCount; ++e)
            entries.push_back(e);
    return entries;
}
