// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rows of the catalogue of named solids, from which its texts are built.

#include <array>

inline constexpr int CatalogueEntryCount = 121;

struct TCatalogueRow {
    const char* Configuration;  // as the names write it: "(4, 8, 4/3, 8/7 [,3])/0"
    int Pick;                   // the found solid to show: 1 the first
    int LimitIndex;             // vertex limit (index + 1) x 10
    const char* English;
    const char* EnglishDual;
    const char* Japanese;
    const char* JapaneseDual;
    int SolidRemark;  // S1 ... S16
    int DualRemark;   // D1 ... D15
};

extern const std::array<const char*, 16> SolidRemarks;
extern const std::array<const char*, 15> DualRemarks;
extern const std::array<const char*, 16> EnglishSolidRemarks;
extern const std::array<const char*, 15> EnglishDualRemarks;
extern const std::array<TCatalogueRow, CatalogueEntryCount> CatalogueRows;
