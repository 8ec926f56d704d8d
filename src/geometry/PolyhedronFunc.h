// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Copies and turns of a solid record, the stack of saved states the plain search keeps,
// and the axis frame that turns one direction onto the X axis.

#include "geometry/VectorFunc.h"

// Deep copy of everything but NextChoice and ResumeVertex, which the destination keeps.
void CopyPolyFace(TPolyFace& destination, const TPolyFace& source);
// destination := source with every vertex replaced by matrix * vertex.
void TransformSolid(const TMatrix3& matrix, const TPolyFace& source, TPolyFace& destination);
// Stores a copy of state at entry depth (dropping anything above), resuming at
// resumeVertex with the next alternative. The caller then increments its depth.
void PushState(TPolyFaceArray& stack, int depth, int resumeVertex, const TPolyFace& state);
// Restores entry depth into destination and returns its resume vertex; the entry is dropped.
[[nodiscard]] int PopState(TPolyFace& destination, TPolyFaceArray& stack, int depth);

// The turn that brings one direction onto the positive X axis: A about X into the XZ
// plane, then B about Y onto X. The search places the polygons round a vertex in the
// frame of that vertex, the bound predicts them in the same frame, and the dual finds its
// poles there; each works out the frame it uses and passes it on.
struct TAxisFrame {
    double SinA = 0.0;
    double CosA = 1.0;
    double SinB = 0.0;
    double CosB = 1.0;

    // The frame of direction v; a vector on +X (or zero) gives the identity.
    [[nodiscard]] static TAxisFrame Towards(TVector3 v);
    [[nodiscard]] TVector3 To(TVector3 v) const;
    [[nodiscard]] TVector3 From(TVector3 w) const;
};
