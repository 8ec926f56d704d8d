// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The display settings the window hands to the engine at the moment of a draw or an
// export: the states of its check boxes, radio groups and colour swatches.

#include "common/Colour.h"

#include <array>

// One colour group: 0 the solid's convex polygons, 1 the dual, 2 the solid's star polygons.
struct TColourGroupSettings {
    bool Mono = false;  // "モノトーン": every face of the group in the single colour
    TColour Single = White;
    TPalette Palette{};  // for n = 3 ... 32
};

// Initial values are those of the window's controls.
struct TDisplaySettings {
    bool DualShown = false;      // "双対"
    bool CompoundShown = false;  // "複合"
    bool FloatLines = true;      // "VRML出力時に直線を浮かす": edges 0.5 % outwards
    int SurfaceMode = 1;         // 0 opaque, 1 hollowed compound, 2 transparent, 3 front transparent, 4 frame
    int SolidAlpha = 1;          // 0 60 %, 1 50 %, 2 40 %, 3 25 % opacity
    int DualAlpha = 2;
    int ZoomMode = 1;          // 0 fit, 1 fit the dual too, 2 fixed 1/2, 3 fixed 1, 4 fixed 2
    double ZoomFactor = 1.0;   // the mouse wheel's zoom, on top of ZoomMode
    int PerspectiveLevel = 1;  // 0 none, 1 light, 2 normal, 3 strong
    bool Shading = true;       // "光線による変化あり": colours darken with the angle to the light
    int EdgeWidth = 2;         // half-width of the solid's edge ribbons in pixels, 0 draws none
    int DualEdgeWidth = 2;
    TColour Background = White;
    TColour SolidEdge = Lime;  // front edge colours
    TColour DualEdge = Teal;
    TColour SolidEdgeBack = Lime;  // edges behind the centre plane
    TColour DualEdgeBack = Teal;
    std::array<TColourGroupSettings, 3> Groups{};
};

// The colour group of a face {n/d} (d 0 for a face of a dual): 0 the solid's convex
// polygons, 1 the dual, 2 star polygons. The view and every export colour alike by it.
[[nodiscard]] int ColourGroup(int n, int d);
// The group's single colour when it is shown in one colour, else its palette colour for n.
[[nodiscard]] TColour GroupBaseColour(const TDisplaySettings& settings, int group, int n);

// The colours of a first start: single colours cyan, blue and navy, and the schemes a
// first start chooses (レインボー for the solid, パステル for the dual, ダーク for stars).
[[nodiscard]] TDisplaySettings FirstStartDisplaySettings();
