// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Colour.h"

namespace {

// Two ramps over a cycle of twelve side counts; each channel reads them at its own offset.
int High(int x)
{
    if (x <= 4)
        return 255;
    return x == 5 || x == 11 ? 136 : 17;
}

int Low(int x)
{
    if (x <= 4)
        return 0;
    return x == 5 || x == 11 ? 17 : 34;
}

int Channel(TBuiltInScheme scheme, int j, int offset)
{
    const int x = (j + offset) % 12;
    switch (scheme) {
    case TBuiltInScheme::Rainbow:
        return High(x) + 2 * Low(x);
    case TBuiltInScheme::Pastel:
        return High(x) + 5 * Low(x);
    case TBuiltInScheme::Grey:
        return High(x) + 6 * Low(x);
    case TBuiltInScheme::Dark:
        return 6 * Low((j + 6 + offset) % 12);
    }
    return 0;
}

}  // namespace

std::string BuiltInSchemeName(TBuiltInScheme scheme)
{
    switch (scheme) {
    case TBuiltInScheme::Rainbow:
        return "レインボー";
    case TBuiltInScheme::Pastel:
        return "パステル";
    case TBuiltInScheme::Grey:
        return "グレー";
    case TBuiltInScheme::Dark:
        return "ダーク";
    }
    return "";
}

TPalette BuiltInPalette(TBuiltInScheme scheme)
{
    constexpr int RedOffset = 2;
    constexpr int GreenOffset = 10;
    constexpr int BlueOffset = 6;
    TPalette palette{};
    for (int j = 0; j < PaletteSize; ++j)
        palette[j] =
            MakeColour(Channel(scheme, j, RedOffset), Channel(scheme, j, GreenOffset), Channel(scheme, j, BlueOffset));
    return palette;
}
