// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keys for the grids of cubes that the search uses to find points near a point: a cube's
// three indices packed into 64 bits, and a mixing function for hash keys.

#include <cstdint>

// The index of the cube holding coordinate, cubes perUnit to the unit. NaN and far-away
// coordinates all share cube 0.
inline std::int64_t GridCell(double coordinate, double perUnit)
{
    const double scaled = coordinate * perUnit;
    if (!(scaled > -1e9 && scaled < 1e9))
        return 0;
    // floor by truncation, which compiles to one instruction where floor() is a library call
    const auto truncated = static_cast<std::int64_t>(scaled);
    return scaled < static_cast<double>(truncated) ? truncated - 1 : truncated;
}

// Distinct cubes may share a key (the indices wrap at 2^21); every user checks distances.
inline std::uint64_t PackCell(std::int64_t x, std::int64_t y, std::int64_t z)
{
    const auto part = [](std::int64_t i) { return static_cast<std::uint64_t>(i) & 0x1FFFFFu; };
    return (part(x) << 42) | (part(y) << 21) | part(z);
}

// A 64-bit finaliser (splitmix64's): every input bit changes about half the output bits.
inline std::uint64_t Mix(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}
