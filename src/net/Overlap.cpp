// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/Overlap.h"

#include <algorithm>
#include <cmath>

namespace {

// Whether some side of a separates the two: both shapes' shadows on its outward normal
// overlap by no more than the tolerance.
bool SeparatedBySideOf(const TPoint2* a, int na, const TPoint2* b, int nb)
{
    for (int i = 0; i < na; ++i) {
        const TPoint2 d = a[(i + 1) % na] - a[i];
        const double length = Length2(d);
        if (length < 1e-12)
            continue;
        const TPoint2 normal{d.Y / length, -d.X / length};
        double aMax = -INFINITY;
        double aMin = INFINITY;
        for (int k = 0; k < na; ++k) {
            aMax = std::max(aMax, Dot2(a[k], normal));
            aMin = std::min(aMin, Dot2(a[k], normal));
        }
        double bMin = INFINITY;
        double bMax = -INFINITY;
        for (int k = 0; k < nb; ++k) {
            bMin = std::min(bMin, Dot2(b[k], normal));
            bMax = std::max(bMax, Dot2(b[k], normal));
        }
        if (bMin >= aMax - OverlapTolerance || aMin >= bMax - OverlapTolerance)
            return true;
    }
    return false;
}

struct TBox {
    double X0, Y0, X1, Y1;
};

TBox BoxOf(const std::vector<TPoint2>& shape)
{
    TBox box{INFINITY, INFINITY, -INFINITY, -INFINITY};
    for (const TPoint2& p : shape) {
        box.X0 = std::min(box.X0, p.X);
        box.Y0 = std::min(box.Y0, p.Y);
        box.X1 = std::max(box.X1, p.X);
        box.Y1 = std::max(box.Y1, p.Y);
    }
    return box;
}

}  // namespace

bool ConvexOverlap(const TPoint2* a, int na, const TPoint2* b, int nb)
{
    return !SeparatedBySideOf(a, na, b, nb) && !SeparatedBySideOf(b, nb, a, na);
}

TShapeGrid::TShapeGrid(double cell) : Cell(cell) {}

long long TShapeGrid::Key(int i, int j) const
{
    return (static_cast<long long>(i) << 32) ^ static_cast<long long>(static_cast<unsigned>(j));
}

template <class F>
void TShapeGrid::ForCells(const std::vector<TPoint2>& shape, F&& f) const
{
    const TBox box = BoxOf(shape);
    const int i0 = static_cast<int>(std::floor(box.X0 / Cell));
    const int i1 = static_cast<int>(std::floor(box.X1 / Cell));
    const int j0 = static_cast<int>(std::floor(box.Y0 / Cell));
    const int j1 = static_cast<int>(std::floor(box.Y1 / Cell));
    for (int i = i0; i <= i1; ++i)
        for (int j = j0; j <= j1; ++j)
            f(Key(i, j));
}

void TShapeGrid::Add(const std::vector<TPoint2>& shape, int owner)
{
    if (shape.empty())
        return;
    const int index = static_cast<int>(Shapes.size());
    Shapes.push_back({shape, owner});
    Seen.push_back(0);
    Owned[owner].push_back(index);
    ForCells(shape, [&](long long key) { Cells[key].push_back(index); });
}

void TShapeGrid::Remove(int owner)
{
    const auto found = Owned.find(owner);
    if (found == Owned.end())
        return;
    for (int index : found->second)
        Shapes[index].Removed = true;
    Owned.erase(found);
}

bool TShapeGrid::Overlaps(const std::vector<TPoint2>& shape, int ignore, int ignoreToo) const
{
    if (shape.empty())
        return false;
    ++Stamp;
    bool found = false;
    ForCells(shape, [&](long long key) {
        if (found)
            return;
        const auto cell = Cells.find(key);
        if (cell == Cells.end())
            return;
        for (int index : cell->second) {
            if (Seen[index] == Stamp)
                continue;
            Seen[index] = Stamp;
            const TShape& other = Shapes[index];
            if (other.Removed || other.Owner == ignore || other.Owner == ignoreToo)
                continue;
            if (ConvexOverlap(shape.data(), static_cast<int>(shape.size()), other.Corners.data(),
                              static_cast<int>(other.Corners.size()))) {
                found = true;
                return;
            }
        }
    });
    return found;
}
