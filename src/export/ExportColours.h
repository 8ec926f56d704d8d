#pragma once
// How a face looks in an exported file: its colour from the scheme of its group, and
// whether the solid or the dual it belongs to is shown transparent. The VRML writer and
// the mesh formats share these rules, so every file colours a face alike.

#include "common/DisplaySettings.h"

// The scheme colour of a face {n/d} (d 0 for a face of a dual); a group in its single
// colour, or an n outside the palette, gives the single colour.
[[nodiscard]] TColour ExportFaceColour(const TDisplaySettings& settings, bool isDual, int n, int d);
// Whether the solid (or the dual) is shown see-through in the surface mode chosen.
[[nodiscard]] bool ShownTransparent(const TDisplaySettings& settings, bool isDual);
// Opacity 0 ... 1 of the solid's (or the dual's) faces: 1 unless shown transparent.
[[nodiscard]] double ShownOpacity(const TDisplaySettings& settings, bool isDual);
// Whether {n/d} is drawn as a convex polygon: d 1, or {n/(n-1)}, the convex polygon traced backwards.
[[nodiscard]] constexpr bool ConvexPolygon(int n, int d) { return d == 1 || d == n - 1; }
