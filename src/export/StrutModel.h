// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A ball-and-stick model of a solid for a 3-D printer: every edge a rod, every vertex a
// ball, united into one closed manifold in millimetres, resting on the balls of its lowest
// vertices, each flattened to a small foot at z = 0, and centred on x = y = 0.

#include "construction/BuiltSolid.h"
#include "export/PrintModel.h"

// How big a ball is beside the rods it joins.
inline constexpr double BallToRod = 1.6;

// model := the ball-and-stick model of solid, heightMm tall, its rods rodMm across and its
// balls 1.6 times that. Fails with the reason when the rods are too thick for the height,
// or the union cannot be made one closed mesh.
[[nodiscard]] TResult StrutModel(const TBuiltSolid& solid, double heightMm, double rodMm, TPrintModel& model);
