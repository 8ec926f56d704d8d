// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A paper model of a solid's outer surface, in units of the solid's edge, before it is put
// on paper. Either a net (the regions unfolded into as few pieces as fold out without
// overlapping, one piece for most convex solids) or parts (each distinct region drawn
// once, to be cut out as often as it occurs). Every glued pair of sides has one glue tab,
// on one of the two, and the same label on both.

#include "common/Messages.h"
#include "common/Result.h"
#include "net/NetDrawing.h"
#include "net/SurfaceRegions.h"

#include <string>
#include <vector>

enum class TNetMode { Net, Parts };

// What one side of a drawn face is in the model.
struct TNetSideMark {
    bool Fold = false;  // folded onto the next face of the same piece (net mode)
    bool Tab = false;   // carries the glue tab of its pair
    std::string Label;  // the same on both sides of a glued pair; empty on a fold
};

struct TNetFace {
    int Region = 0;                                 // in TSurfaceRegions
    int SourceFace = 0;                             // the TSurfaceFace the region is part of: its colour
    std::vector<TPoint2> Corners;                   // the region's corners placed in the piece, anticlockwise
    std::vector<std::array<TPoint2, 3>> Triangles;  // the region's triangles, placed alike
    std::vector<TNetSideMark> Sides;                // side k from Corners[k] to Corners[k + 1]
    int Parent = -1;      // net mode: the face it is folded from, in the piece; -1 for the first
    int ParentSide = -1;  // this face's side along which it is folded from the parent
};

struct TNetTab {
    // Anticlockwise; the first two lie on the glued side (set in from its ends on a short
    // tab), the last two are its top edge.
    std::vector<TPoint2> Corners;
    int Face = 0;      // in the piece
    int Side = 0;      // of that face
    std::string Text;  // parts: the fold angle, printed on the tab
};

struct TNetLine {
    TPoint2 From;
    TPoint2 To;
    TNetStroke Kind = TNetStroke::Cut;
};

struct TNetLabel {
    TPoint2 At;  // the middle of the baseline, in the piece
    double Turn = 0.0;
    double Size = 0.0;  // in units of the edge, before the sheet's limits
    std::string Text;
    bool Upright = false;  // read level on the page however the piece is turned (the counts)
};

struct TNetPiece {
    std::vector<TNetFace> Faces;
    std::vector<TNetTab> Tabs;
    std::vector<TNetLine> Lines;    // every cut and fold along the faces, each once
    std::vector<TNetLabel> Labels;  // edge labels, fold angles on the tabs, the count
    int Count = 1;                  // parts: how many to cut out
    int Mirrored = 0;               // parts: of which this many are the mirror image of the drawing
};

// Where each region of the surface is drawn: net mode draws every region once; parts mode
// draws one region for each kind, and side k of region r is side Side(k) of the drawing.
struct TRegionDrawing {
    int Piece = 0;
    int Face = 0;
    int Offset = 0;          // region corner k is drawn corner (Offset + k) mod m ...
    bool Reflected = false;  // ... or, for a mirror image, (Offset - k) mod m

    [[nodiscard]] int DrawnCorner(int k, int m) const
    {
        return Reflected ? ((Offset - k) % m + m) % m : (Offset + k) % m;
    }
    // A mirror image runs the other way: its side k is the drawing's side from corner
    // Offset - k - 1 to corner Offset - k.
    [[nodiscard]] int DrawnSide(int k, int m) const
    {
        return Reflected ? ((Offset - k - 1) % m + m) % m : (Offset + k) % m;
    }
};

struct TNet {
    TNetMode Mode = TNetMode::Net;
    std::vector<TNetPiece> Pieces;
    std::vector<TRegionDrawing> Regions;  // one for each region of the surface
    int GluedPairs = 0;                   // pairs of sides glued (not folded), each with one tab
};

struct TNetOptions {
    TNetMode Mode = TNetMode::Net;
    bool Tabs = true;
    TLanguage Language = TLanguage::English;  // of the counts' words
};

// The model of the surface's regions; refused, with the reason, where no tab fits.
[[nodiscard]] TResult MakeNet(const TSurfaceRegions& regions, const TNetOptions& options, TNet& net);
