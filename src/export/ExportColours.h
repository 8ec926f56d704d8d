// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a face looks in an exported file: whether the solid or the dual it belongs to is
// shown transparent (its colour: GroupBaseColour). The VRML writer and the mesh formats
// share these rules, so every file colours a face alike.

#include "common/DisplaySettings.h"

// Whether the solid (or the dual) is shown see-through in the surface mode chosen.
[[nodiscard]] bool ShownTransparent(const TDisplaySettings& settings, bool isDual);
// Opacity 0 ... 1 of the solid's (or the dual's) faces: 1 unless shown transparent.
[[nodiscard]] double ShownOpacity(const TDisplaySettings& settings, bool isDual);
