// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture as PNG bytes, through libpng.

#include "common/Result.h"

#include <cstdint>
#include <string>
#include <vector>

// pixels: 0xAARRGGBB row by row from the top; written opaque (RGB, 8 bits a channel).
// bytes receives the whole file; else the result says what went wrong.
[[nodiscard]] TResult EncodePng(int width, int height, const std::vector<std::uint32_t>& pixels, std::string& bytes);
