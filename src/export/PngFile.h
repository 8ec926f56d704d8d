#pragma once
// A picture as PNG bytes, through libpng.

#include <cstdint>
#include <string>
#include <vector>

// pixels: 0xAARRGGBB row by row from the top; written opaque (RGB, 8 bits a channel).
// Returns an empty string, or what went wrong; bytes receives the whole file.
[[nodiscard]] std::string EncodePng(int width, int height, const std::vector<std::uint32_t>& pixels,
                                    std::string& bytes);
