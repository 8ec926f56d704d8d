// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the pruning rules read a predicted point: at a vertex when exactly that vertex lies
// within AtDistance and no other within ClearDistance, new when nothing lies within
// ClearDistance, and neither otherwise — then every rule abstains. Real coincidences in
// the search are about 1e-15 apart, distinct vertices at least about 1e-2.

inline constexpr double AtDistance = 1e-10;
inline constexpr double ClearDistance = 1e-5;
// Two corners of one prediction this close are one corner.
inline constexpr double SameCorner = 1e-9;
