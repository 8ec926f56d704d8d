#pragma once
// The view level of the engine. So far it holds the compound of a solid and its dual,
// which the renderer draws as one solid.

#include "construction/PolyhedronPreparation.h"

class TView : public TPreparation {
public:
    TPolyFace Compound;  // a solid's display form merged with its dual

    // Compound := displaySource plus the dual's faces and edges, sharing vertices that
    // coincide within 1e-9. The dual's two reference entries are not copied.
    void BuildCompound(const TPolyFace& displaySource, const TPolyFace& dual);
    // Forms the compound of list position sel (0: the solid under construction) with Dual,
    // when there is something to merge.
    void FormCompound(int sel);
};
