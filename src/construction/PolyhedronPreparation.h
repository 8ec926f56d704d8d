// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Works out the geometry of one vertex from the configuration alone: the circle of
// neighbours, the central angle each polygon takes on it, the circumsphere, and the
// table of distinct cyclic readings of the configuration that the search matches.

#include "common/InfoPane.h"
#include "construction/VertexConfiguration.h"
#include "construction/VertexGeometry.h"

#include <memory>

class TPreparation {
public:
    // True when the configuration cannot be built; the reason is appended to the pane.
    // Either way the geometry is replaced by the one worked out for config.
    [[nodiscard]] bool Prepare(const TVertexConfiguration& config, TInfoPane& pane);

    [[nodiscard]] const TVertexGeometry& Geometry() const { return *GeometryPtr; }
    [[nodiscard]] const std::shared_ptr<const TVertexGeometry>& SharedGeometry() const { return GeometryPtr; }

private:
    std::shared_ptr<const TVertexGeometry> GeometryPtr = std::make_shared<const TVertexGeometry>();
};

// The radii and angles of the vertex figure of config, worked out into geometry; true when
// the configuration cannot close round a vertex (the reason on the pane).
[[nodiscard]] bool PrepareVertexGeometry(const TVertexConfiguration& config, TVertexGeometry& geometry,
                                         TInfoPane& pane);
