#pragma once
// One whole frame of the view: which of the solid, its dual and their compound are drawn,
// and in which order. It draws what has been formed and changes nothing else.

#include "view/PolyhedronView.h"

// Draws list position sel (0: the solid under construction) as the settings say, with
// the engine's Dual and the given compound as they were formed for it, and presents.
void DrawFrame(const TBuild& engine, const TPolyFace& compound, int sel, const TDrawTarget& target);
