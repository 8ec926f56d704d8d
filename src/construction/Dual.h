// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dual of a built solid by reciprocation in its midsphere.

#include "common/InfoPane.h"
#include "construction/BuiltSolid.h"

// dual := the reciprocal of source, scaled so that its edges cross the source's at their
// midpoints. True when it had to be abandoned (points at infinity that cannot stand in
// for poles); the pane says so. A source of fewer than two vertices leaves dual's faces
// as they are.
[[nodiscard]] bool FormDual(const TPolyFace& source, const TVertexGeometry& geometry, TDualSolid& dual,
                            TInfoPane& pane);

// The s for which the line through s w with direction d passes through m.
[[nodiscard]] double DualScaleFactor(TVector3 m, TVector3 d, TVector3 w);
