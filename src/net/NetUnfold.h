// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two ways of making a paper model of the regions.

#include "net/Net.h"

// Unfolded into as few pieces as a bounded search finds.
[[nodiscard]] TResult UnfoldNet(const TSurfaceRegions& regions, const TNetOptions& options, TNet& net);
// Each kind of region once, with how many to cut.
[[nodiscard]] TResult CutParts(const TSurfaceRegions& regions, const TNetOptions& options, TNet& net);
