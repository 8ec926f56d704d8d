// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/PolyhedronInfo.h"

#include "construction/ConfigurationText.h"

#include <cstdio>

namespace {

// Winding, pick, added-last flag, vertex-limit index, then nn dd per polygon.
std::string CodeString(const TCatalogueRow& row)
{
    TVertexConfiguration config;
    if (ParseConfigurationText(row.Configuration, config).Failed())
        return "";
    char part[48];
    std::snprintf(part, sizeof part, "%02d%02d%02d%02d", config.Winding, row.Pick, config.AddLast ? 1 : 0,
                  row.LimitIndex);
    std::string code = part;
    for (int i = 0; i < config.PolygonCount; ++i) {
        std::snprintf(part, sizeof part, "%02d%02d", config.N[i], config.D[i]);
        code += part;
    }
    return code;
}

TCatalogueEntry EntryOf(int e)
{
    const TCatalogueRow& row = CatalogueRows[e];
    const std::string configuration = row.Configuration;
    TCatalogueEntry entry;
    entry.Name = configuration + " " + row.Japanese;
    entry.EnglishName = configuration + " " + row.English;
    // One dual name has always been written without the blank.
    entry.DualName = "d" + configuration + (e == 65 ? "" : " ") + row.JapaneseDual;
    entry.DualEnglishName = "d" + configuration + " " + row.EnglishDual;
    entry.Code = CodeString(row);
    entry.SolidInfo = SolidRemarks[row.SolidRemark - 1];
    entry.DualSolidInfo = DualRemarks[row.DualRemark - 1];
    entry.EnglishSolidInfo = EnglishSolidRemarks[row.SolidRemark - 1];
    entry.EnglishDualSolidInfo = EnglishDualRemarks[row.DualRemark - 1];
    return entry;
}

}  // namespace

const std::vector<TCatalogueEntry>& PolyhedronCatalogue()
{
    static const std::vector<TCatalogueEntry> catalogue = [] {
        std::vector<TCatalogueEntry> entries;
        entries.reserve(CatalogueEntryCount);
        for (int e = 0; e < CatalogueEntryCount; ++e)
            entries.push_back(EntryOf(e));
        return entries;
    }();
    return catalogue;
}

std::string CatalogueItemName(int item, bool english)
{
    if (item < 0 || item >= CatalogueItemCount)
        return "";
    const TCatalogueEntry& entry = PolyhedronCatalogue()[item / 2];
    if (item % 2 == 0)
        return english ? entry.EnglishName : entry.Name;
    return english ? entry.DualEnglishName : entry.DualName;
}

std::optional<TCatalogueChoice> DecodeCatalogueItem(int item)
{
    if (item < 0 || item >= CatalogueItemCount)
        return std::nullopt;
    TCatalogueChoice choice;
    // The catalogue's own codes always read; a test checks every one of them.
    if (ParseCodeString(PolyhedronCatalogue()[item / 2].Code, choice.Config, choice.Pick).Failed())
        return std::nullopt;
    choice.Dual = item % 2 == 1;
    return choice;
}
