// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One whole frame of the view: which of the solid, its dual and their compound are drawn,
// and in which order. It draws what has been formed and changes nothing else.

#include "view/PolyhedronView.h"

// What one frame shows, as it was formed for the list position on show.
struct TFrameContent {
    const TBuiltSolid* Solid = nullptr;  // null where the list holds no solid
    const TDualSolid& Dual;
    const TPolyFace& Compound;
    double SphereRadius = 0.0;  // of the build's vertex geometry
};

// Draws the content as the settings say, and presents.
void DrawFrame(const TFrameContent& content, const TDrawTarget& target);
