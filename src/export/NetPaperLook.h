// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a net page looks on paper, shared by the cairo drawing (PDF, printer image) and the
// SVG text, so that the three cannot drift apart. Lengths in millimetres.

#include "common/Colour.h"
#include "common/NumberFormat.h"
#include "net/NetDrawing.h"

#include <array>
#include <string>

struct TStrokeLook {
    TColour Colour;
    double WidthMm;
    std::array<double, 4> Dashes;  // on, off, on, off ...; the first DashCount are used
    int DashCount;                 // 0: a solid line
};

inline constexpr TStrokeLook CutLook{MakeColour(0, 0, 0), 0.3, {}, 0};
inline constexpr TStrokeLook MountainLook{MakeColour(0xb0, 0, 0), 0.25, {3.0, 1.5}, 2};
// Dash and dot: a valley reads apart from a mountain even printed in grey.
inline constexpr TStrokeLook ValleyLook{MakeColour(0, 0x40, 0xc0), 0.25, {3.0, 1.0, 0.5, 1.0}, 4};

[[nodiscard]] inline const TStrokeLook& StrokeLook(TNetStroke kind)
{
    switch (kind) {
    case TNetStroke::Mountain:
        return MountainLook;
    case TNetStroke::Valley:
        return ValleyLook;
    case TNetStroke::Cut:
        break;
    }
    return CutLook;
}

// The strokes in the order they are drawn: folds over cuts, so that a fold that shares its
// ends with cut lines is not hidden under their caps.
inline constexpr std::array<TNetStroke, 3> StrokeOrder{TNetStroke::Cut, TNetStroke::Mountain, TNetStroke::Valley};

inline constexpr TColour TabFill = MakeColour(0xe4, 0xe4, 0xe4);
inline constexpr TColour TextColour = MakeColour(0, 0, 0);
inline constexpr char NetFontFamily[] = "IPAGothic";  // fonts-ipafont-gothic: Latin and Japanese

// The scale bar: a bar with end ticks rising above it, its length written above its middle.
inline constexpr double ScaleBarWidthMm = 0.4;
inline constexpr double ScaleBarTickMm = 2.0;
inline constexpr double ScaleBarTextGapMm = 1.5;  // from the bar up to the text's baseline
inline constexpr double ScaleBarTextMm = 3.0;

[[nodiscard]] inline bool HasScaleBar(const TNetPage& page)
{
    return page.ScaleBarMm > 0.0;
}

// The bar's polyline: up the left tick, along the bar, up the right tick.
[[nodiscard]] inline std::array<TPoint2, 4> ScaleBarPoints(const TNetPage& page)
{
    const TPoint2 from = page.ScaleBarFrom;
    const TPoint2 to{from.X + page.ScaleBarMm, from.Y};
    return {TPoint2{from.X, from.Y - ScaleBarTickMm}, from, to, TPoint2{to.X, to.Y - ScaleBarTickMm}};
}

[[nodiscard]] inline TDrawnText ScaleBarText(const TNetPage& page)
{
    TDrawnText text;
    text.At = {page.ScaleBarFrom.X + page.ScaleBarMm / 2.0, page.ScaleBarFrom.Y - ScaleBarTextGapMm};
    text.SizeMm = ScaleBarTextMm;
    text.Text = FormatGeneral(page.ScaleBarMm) + " mm";
    return text;
}
