#include "export/ExportColours.h"

TColour ExportFaceColour(const TDisplaySettings& settings, bool isDual, int n, int d)
{
    const int group = isDual ? 1 : ConvexPolygon(n, d) ? 0 : 2;
    const TColourGroupSettings& colours = settings.Groups[static_cast<std::size_t>(group)];
    if (colours.Mono || n < 3 || n >= 3 + PaletteSize)
        return colours.Single;
    return colours.Palette[static_cast<std::size_t>(n - 3)];
}

bool ShownTransparent(const TDisplaySettings& settings, bool isDual)
{
    // Mode 1 hollows one of the two: the solid when the dual is shown, else the dual.
    return settings.SurfaceMode == 2 || settings.SurfaceMode == 3
           || (settings.SurfaceMode == 1 && settings.DualShown != isDual);
}

double ShownOpacity(const TDisplaySettings& settings, bool isDual)
{
    if (!ShownTransparent(settings, isDual))
        return 1.0;
    switch (isDual ? settings.DualAlpha : settings.SolidAlpha) {
    case 0:
        return 0.6;
    case 1:
        return 0.5;
    case 2:
        return 0.4;
    default:
        return 0.25;
    }
}
