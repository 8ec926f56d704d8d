// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole numbers and decimals read from the command line: the whole text, nothing before or
// after it, within the range given. Plain C++.

#include <charconv>
#include <cmath>
#include <string>

// value := text as a decimal integer in low ... high; false (value unspecified) otherwise.
[[nodiscard]] inline bool ReadInteger(const std::string& text, int low, int high, int& value)
{
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    return error == std::errc{} && at == end && value >= low && value <= high;
}

// value := text as a finite decimal number; false otherwise.
[[nodiscard]] inline bool ReadFinite(const std::string& text, double& value)
{
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    return error == std::errc{} && at == end && std::isfinite(value);
}
