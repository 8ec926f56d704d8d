// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A paper net as it goes on paper: pages of filled polygons, lines and texts, in
// millimetres from each page's top left corner, x to the right and y down (as PDF, SVG and
// a printer measure a page). The renderers (PDF, SVG, a printer's page) draw exactly this
// and know nothing of solids; the net's own coordinates, anticlockwise seen from outside
// with y up, are turned into these once, when the pieces are laid out.

#include "common/Colour.h"
#include "net/Point2.h"

#include <string>
#include <vector>

// What a line tells the model builder to do with it. A mountain fold, seen from the printed
// side, rises towards the eye (the two faces go away from it); a valley fold sinks.
enum class TNetStroke { Cut, Mountain, Valley };

struct TDrawnPolygon {
    std::vector<TPoint2> Corners;  // mm; closed (the last corner joins the first)
    TColour Fill = White;
};

struct TDrawnLine {
    TPoint2 From;
    TPoint2 To;
    TNetStroke Kind = TNetStroke::Cut;
};

// What a text is, so that the SVG can put it on its layer.
enum class TTextRole { Label, Title };

struct TDrawnText {
    TPoint2 At;           // mm: the middle of the text's baseline
    double SizeMm = 3.0;  // the font's em height
    double Turn = 0.0;    // radians anticlockwise as seen on the page (0: reading left to right)
    std::string Text;     // UTF-8 (the solid's name may be Japanese)
    TTextRole Role = TTextRole::Label;
};

struct TNetPage {
    double WidthMm = 210.0;
    double HeightMm = 297.0;
    std::vector<TDrawnPolygon> Faces;  // filled in their colours, outlined by Lines
    std::vector<TDrawnPolygon> Tabs;   // glue tabs: drawn light grey, each outlined by its own cut lines in Lines
    std::vector<TDrawnLine> Lines;     // cut lines (solid) and folds (dashed, mountain and valley apart)
    std::vector<TDrawnText> Texts;     // edge labels, fold angles, counts "×k", the title
    TPoint2 ScaleBarFrom;              // the left end of the scale bar, on its baseline
    double ScaleBarMm = 50.0;          // its true length, drawn with the text "50 mm" above it
};
