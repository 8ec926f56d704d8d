// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the shapes of a net overlap: every face is cut into triangles and every tab is a
// convex quadrilateral, so the test is between convex polygons: they overlap when no side
// of either separates them (their shadows on every side's normal overlap by more than a
// hair). Faces that share a side, or only touch at a corner, do not overlap.

#include "net/Point2.h"

#include <limits>
#include <unordered_map>
#include <vector>

// How far two shapes may reach into each other, in units of the edge, and still be apart:
// rounding, not paper.
inline constexpr double OverlapTolerance = 1e-11;

[[nodiscard]] bool ConvexOverlap(const TPoint2* a, int na, const TPoint2* b, int nb);

// Convex shapes filed in a grid of cells, so that a new one is tested against its
// neighbours only. Each shape has an owner (a face or a tab); shapes of one owner never
// count as overlapping.
class TShapeGrid {
public:
    explicit TShapeGrid(double cell);

    void Add(const std::vector<TPoint2>& shape, int owner);
    // Takes out every shape of the owner.
    void Remove(int owner);
    // Whether a filed shape overlaps shape, other than those of the owners ignored.
    [[nodiscard]] bool Overlaps(const std::vector<TPoint2>& shape, int ignore = NoOwner, int ignoreToo = NoOwner) const;

    static constexpr int NoOwner = std::numeric_limits<int>::min();

private:
    struct TShape {
        std::vector<TPoint2> Corners;
        int Owner;
        bool Removed = false;
    };
    [[nodiscard]] long long Key(int i, int j) const;
    template <class F>
    void ForCells(const std::vector<TPoint2>& shape, F&& f) const;

    double Cell;
    std::vector<TShape> Shapes;
    std::unordered_map<long long, std::vector<int>> Cells;  // cell key -> shapes reaching into it
    std::unordered_map<int, std::vector<int>> Owned;        // owner -> its shapes
    mutable std::vector<int> Seen;                          // query stamp of each shape
    mutable int Stamp = 0;
};
