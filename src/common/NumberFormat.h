// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way numbers are written for people: shortest text with at most 15 significant
// digits, "." as separator, fixed notation when 1e-5 <= |x| and the integer part has at
// most 15 digits, otherwise mantissa "E" exponent (1E-7, 1.5E20). NaN and infinities
// read "NAN", "INF" and "-INF".

#include <string>

[[nodiscard]] std::string FormatGeneral(double x);

// x rounded at 10^d, halves upwards: Trunc(x / 10^d + 0.5) * 10^d. Safe for quotients
// beyond the 64-bit integer range (they are already whole numbers in floating point).
[[nodiscard]] double RoundToDigit(double x, int d);
