// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/ExportColours.h"

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
