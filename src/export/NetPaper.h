// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Laid-out net pages turned into files: a vector PDF and an image for a printer (both drawn
// by cairo, by one drawing routine) and an SVG for Inkscape and cutting machines. All three
// draw the same things in the same order and look: faces, glue tabs, cut lines, mountain
// folds, valley folds, then the texts and the scale bar. A page whose ScaleBarMm is 0 or
// less has no scale bar.

#include "common/Result.h"
#include "net/NetDrawing.h"

#include <cstdint>
#include <string>
#include <vector>

// The largest picture NetPageImage makes, in pixels a side.
inline constexpr int NetImageSideLimit = 10000;

// A PDF with one page per net page, each at its own size (points = mm x 72 / 25.4), texts
// as embedded fonts. bytes receives the whole file; else the result says why not.
[[nodiscard]] TResult NetPdfBytes(const std::vector<TNetPage>& pages, std::string& bytes);

// One SVG document in millimetres (width, height and viewBox), the pages one below the
// other 10 mm apart, each outlined in light grey in the group "pages"; the drawing in six
// Inkscape layers: faces, tabs, cut, mountain, valley, labels.
[[nodiscard]] std::string NetSvgText(const std::vector<TNetPage>& pages);

// The page on white at dotsPerInch: argb receives 0xFFRRGGBB row by row from the top,
// width x height pixels (each side round(mm / 25.4 * dotsPerInch)). Refused, with the
// reason, when a side would be under 1 or over NetImageSideLimit pixels.
[[nodiscard]] TResult NetPageImage(const TNetPage& page, double dotsPerInch, std::vector<std::uint32_t>& argb,
                                   int& width, int& height);
