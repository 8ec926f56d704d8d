// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A net's pieces laid out on sheets of paper at one true scale: each piece turned to its
// most compact bounding box, the largest first, in rows on as few pages as they fit,
// inside the margins and above a footer with a 50 mm scale bar and the solid's name.

#include "net/Net.h"

#include <string>
#include <vector>

struct TNetPaper {
    double WidthMm = 210.0;
    double HeightMm = 297.0;
    double MarginMm = 10.0;
};

// Where the footer starts above the bottom margin, and the room between pieces.
inline constexpr double FooterMm = 10.0;
inline constexpr double PieceGapMm = 4.0;
// The tallest glue tab on paper: a tab is drawn lower (never wider) where its share of the
// edge would make it taller, so it still overlaps nothing.
inline constexpr double MostTabMm = 8.0;

struct TNetSheetOptions {
    TNetPaper Paper;
    double EdgeMm = 0.0;  // millimetres a unit edge; 0: the longest that puts it all on a page (see DefaultEdge)
    std::string Title;    // the solid's name and what the sheet is
    std::vector<TColour> FaceColours;         // one for each TSurfaceFace
    TLanguage Language = TLanguage::English;  // of the footer's words
};

// Where a piece is put: on a page, turned, scaled and shifted, y turned to run down.
struct TPiecePlace {
    int Page = 0;
    double Cos = 1.0;
    double Sin = 0.0;
    double Scale = 1.0;  // mm a unit edge
    TPoint2 Origin;      // mm: where the piece's origin goes

    [[nodiscard]] TPoint2 OnPage(TPoint2 p) const
    {
        return {Origin.X + Scale * (Cos * p.X - Sin * p.Y), Origin.Y - Scale * (Sin * p.X + Cos * p.Y)};
    }
};

struct TNetSheet {
    double EdgeMm = 0.0;
    std::vector<TPiecePlace> Places;  // one for each piece of the net
    std::vector<TNetPage> Pages;
};

// The printable area of a page, for pieces: inside the margins, above the footer.
struct TPrintableArea {
    double X0, Y0, X1, Y1;
};
[[nodiscard]] TPrintableArea PieceArea(const TNetPaper& paper);

// The pages; refused, with the reason, where a piece does not fit the paper at the scale asked.
[[nodiscard]] TResult LayOutNet(const TNet& net, const TNetSheetOptions& options, TNetSheet& sheet);
