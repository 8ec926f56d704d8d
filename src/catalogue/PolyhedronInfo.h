// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The catalogue of 121 named solids, each with its dual: the items of the selector, the
// code strings that set the configuration controls, and the remarks. No Qt needed.

#include "catalogue/CatalogueRows.h"
#include "construction/VertexConfiguration.h"

#include <optional>
#include <string>
#include <vector>

inline constexpr int CatalogueItemCount = 2 * CatalogueEntryCount;  // each solid, then its dual

struct TCatalogueEntry {
    std::string Name;         // "(3, 3, 3) 正４面体"
    std::string EnglishName;  // "(3, 3, 3) Regular Tetrahedron"
    std::string DualName;     // "d(3, 3, 3) 正４面体"
    std::string DualEnglishName;
    std::string Code;       // "01010019030103010301"
    std::string SolidInfo;  // remark; CR LF breaks a line
    std::string DualSolidInfo;
    std::string EnglishSolidInfo;  // the same facts in English
    std::string EnglishDualSolidInfo;
};

// The 121 entries in catalogue order, built once.
[[nodiscard]] const std::vector<TCatalogueEntry>& PolyhedronCatalogue();
// The name of selector item s (entry s / 2, its dual when s is odd).
[[nodiscard]] std::string CatalogueItemName(int item, bool english);

// What choosing selector item s builds and shows: entry s / 2's configuration and the
// found solid its code picks, with the dual shown for odd items.
struct TCatalogueChoice {
    TVertexConfiguration Config;
    int Pick = 0;  // the list position shown once built
    bool Dual = false;
};
// None for an item outside the selector.
[[nodiscard]] std::optional<TCatalogueChoice> DecodeCatalogueItem(int item);
