#include "common/DisplaySettings.h"

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
