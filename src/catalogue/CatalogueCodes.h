#pragma once
// The code strings of the 121 catalogue solids, in catalogue order.

#include <array>

inline constexpr int CatalogueEntryCount = 121;

extern const std::array<const char*, CatalogueEntryCount> CatalogueCodes;
