// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The value forms of the settings file, and the short form of a scheme name. Plain C++.

#include "common/Colour.h"

#include <optional>
#include <string>

// Eight upper-case hexadecimal digits of 0x00BBGGRR: pure red is "000000FF".
[[nodiscard]] std::string ColourIniText(TColour colour);
// Reads a colour as "$" + text would parse: up to eight hexadecimal digits. Nothing for an
// empty or unreadable text.
[[nodiscard]] std::optional<TColour> ParseIniColour(const std::string& text);
// A flag: "-1" true, "0" false, anything else the default.
[[nodiscard]] bool ParseIniFlag(int value, bool fallback);
// The height of a model for 3-D printing, in millimetres.
inline constexpr double MinPrintHeightMm = 1.0;
inline constexpr double MaxPrintHeightMm = 10000.0;
inline constexpr double DefaultPrintHeightMm = 60.0;
// A height as the file keeps it: the shortest decimal that reads back the same ("60",
// "72.5"), with "." whatever the locale.
[[nodiscard]] std::string PrintHeightIniText(double millimetres);
// A kept height: a decimal number from 1 to 10000; nothing for any other text.
[[nodiscard]] std::optional<double> ParsePrintHeight(const std::string& text);
// The name as its first 8 bytes in Shift-JIS would show it (7 when the 8th would split a
// double-byte character), with ".." when the name is longer: four full-width characters
// or eight half-width ones at most.
[[nodiscard]] std::string SchemeShortName(const std::string& name);
