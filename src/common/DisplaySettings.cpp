// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DisplaySettings.h"

int ColourGroup(int n, int d)
{
    if (d == 0)
        return 1;
    if (d == 1 || n == d + 1)  // {n/(n-1)} is a convex polygon traced backwards
        return 0;
    return 2;
}

TColour GroupBaseColour(const TDisplaySettings& settings, int group, int n)
{
    const TColourGroupSettings& colours = settings.Groups[static_cast<std::size_t>(group)];
    if (colours.Mono || n < 3 || n > 2 + PaletteSize)
        return colours.Single;
    return colours.Palette[static_cast<std::size_t>(n - 3)];
}

TDisplaySettings FirstStartDisplaySettings()
{
    TDisplaySettings settings;
    settings.Groups[0].Single = Cyan;
    settings.Groups[1].Single = Blue;
    settings.Groups[2].Single = Navy;
    settings.Groups[0].Palette = BuiltInPalette(TBuiltInScheme::Rainbow);
    settings.Groups[1].Palette = BuiltInPalette(TBuiltInScheme::Pastel);
    settings.Groups[2].Palette = BuiltInPalette(TBuiltInScheme::Dark);
    return settings;
}
