// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours as the window stores them: lowest byte red, then green, then blue, top byte 0.
// The built-in colour schemes are computed here, for the writer now and the scheme
// dialogs later.

#include <array>
#include <cstdint>
#include <string>

using TColour = std::uint32_t;

inline constexpr TColour MakeColour(int red, int green, int blue)
{
    return static_cast<TColour>(red) | (static_cast<TColour>(green) << 8) | (static_cast<TColour>(blue) << 16);
}
inline constexpr int RedOf(TColour c)
{
    return static_cast<int>(c & 0xFFu);
}
inline constexpr int GreenOf(TColour c)
{
    return static_cast<int>((c >> 8) & 0xFFu);
}
inline constexpr int BlueOf(TColour c)
{
    return static_cast<int>((c >> 16) & 0xFFu);
}

inline constexpr TColour White = MakeColour(255, 255, 255);
inline constexpr TColour Lime = MakeColour(0, 255, 0);
inline constexpr TColour Teal = MakeColour(0, 128, 128);
inline constexpr TColour Cyan = MakeColour(0, 255, 255);
inline constexpr TColour Blue = MakeColour(0, 0, 255);
inline constexpr TColour Navy = MakeColour(0, 0, 128);

inline constexpr int PaletteSize = 30;  // one colour per side count n = 3 ... 32
using TPalette = std::array<TColour, PaletteSize>;

// The four schemes written on a first start, in their order.
enum class TBuiltInScheme { Rainbow, Pastel, Grey, Dark };
inline constexpr int BuiltInSchemeCount = 4;
[[nodiscard]] std::string BuiltInSchemeName(TBuiltInScheme scheme);  // "レインボー" ...
[[nodiscard]] TPalette BuiltInPalette(TBuiltInScheme scheme);
