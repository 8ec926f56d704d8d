// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The outer figures the window has been told, kept by the solid they are of, so that a
// solid shown again (another row and back, a change of language) shows them at once and
// an answer that comes late is matched to its own solid, never to the one shown since.
// Plain C++.

#include "common/Result.h"
#include "construction/BuiltSolid.h"
#include "measure/PolyhedronCalc.h"

#include <vector>

// What the outer figures depend on: the corners and the faces, compared exactly.
struct TSolidKey {
    explicit TSolidKey(const TPolyFace& solid);
    [[nodiscard]] bool operator==(const TSolidKey& other) const;

    std::vector<double> Coordinates;  // x, y, z of each vertex, up to the vertex count
    std::vector<std::vector<int>> Faces;
    std::vector<int> FaceN;
    std::vector<int> FaceD;
};

// One answer of the worker: of which solid, and what came.
struct TOuterFiguresAnswer {
    TSolidKey Solid;
    TResult Formed;  // why the outer surface was refused, when it was
    TEnclosedFigures Figures;
};

// The latest answers; the oldest give way.
class TOuterFiguresCache {
public:
    static constexpr int Capacity = 32;

    [[nodiscard]] const TOuterFiguresAnswer* Find(const TSolidKey& solid) const;
    void Add(TOuterFiguresAnswer answer);

private:
    std::vector<TOuterFiguresAnswer> Answers;  // oldest first
};
