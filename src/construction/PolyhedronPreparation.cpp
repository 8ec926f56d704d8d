// SPDX-License-Identifier: GPL-3.0-or-later
#include "construction/PolyhedronPreparation.h"

#include "common/Messages.h"
#include "geometry/VectorFunc.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr TMessage TooLargeLines[] = {
    TMessage::ImpossibleCombination,
    TMessage::LowerLargestPolygon,
    TMessage::RaiseOtherPolygons,
};

void FillPolygonTables(const TVertexConfiguration& config, TVertexGeometry& g)
{
    const int k = config.PolygonCount;
    const auto size = static_cast<std::size_t>(k);
    g.PolyN.assign(size, 0);
    g.PolyD.assign(size, 0);
    g.Chord.assign(size, 0.0);
    g.PolygonRadius.assign(size, 0.0);
    g.PolygonArea.assign(size, 0.0);
    g.ChordSign.assign(size, 1.0);
    g.CentralAngle.assign(size, 0.0);
    g.Recurrence.assign(size, 0.0);
    g.PolygonCount = k;
    g.IrregularVertex = false;

    for (int i = 0; i < k; ++i) {
        const int n = config.N[i];
        const int d = config.D[i];
        g.PolyN[i] = n;
        g.PolyD[i] = d;
        if (n / 2 < d)
            g.IrregularVertex = true;
        const double theta = d * TurnFraction(n);
        // 2 sin(theta) / |2 sin(theta/2)| = 2 cos(theta/2), negative when the polygon runs backwards.
        const double raw = 2.0 * std::sin(theta) / std::sqrt(2.0 - 2.0 * std::cos(theta));
        g.Chord[i] = raw < 0.0 ? -raw : raw;
        g.ChordSign[i] = raw < 0.0 ? -1.0 : 1.0;
        g.PolygonRadius[i] = 1.0 / (2.0 * std::sin(M_PI * d / n));
        g.PolygonArea[i] = n * std::sqrt(g.PolygonRadius[i] * g.PolygonRadius[i] - 0.25) / 2.0;
        g.Recurrence[i] = 1.0 - 2.0 * std::cos(M_PI - d * TurnFraction(n));
    }
}

void BuildArrangements(TVertexGeometry& g)
{
    const int k = g.PolygonCount;
    g.Arrangements.clear();
    g.ArrangementD.clear();
    g.ArrangementCount = 0;
    for (int pass = 0; pass < 2; ++pass) {
        const int dir = 2 * pass - 1;
        for (int s = 0; s < k; ++s) {
            std::vector<int> entry{s, dir};
            std::vector<int> ds;
            for (int j = 0; j < k; ++j) {
                const int q = g.PlaceOf(j, s, dir);
                entry.push_back(g.PolyN[q]);
                ds.push_back(g.PolyD[q]);
            }
            bool repeated = false;
            for (int a = 0; a < g.ArrangementCount && !repeated; ++a)
                repeated = std::equal(entry.begin() + 2, entry.end(), g.Arrangements[a].begin() + 2)
                           && ds == g.ArrangementD[a];
            if (repeated)
                continue;
            g.Arrangements.push_back(std::move(entry));
            g.ArrangementD.push_back(std::move(ds));
            ++g.ArrangementCount;
        }
    }
}

double AngleSum(const TVertexGeometry& g, double diameter)
{
    // Half the central angle of each chord; a chord longer than the diameter counts as a half turn.
    double sum = 0.0;
    for (int i = 0; i < g.PolygonCount; ++i) {
        const double ratio = g.Chord[i] / diameter;
        sum += g.ChordSign[i] * (ratio > 1.0 ? M_PI / 2.0 : ArcSin(ratio));
    }
    return sum;
}

bool SolveByBisection(const TVertexGeometry& g, double& r, TInfoPane& pane)
{
    const double target = M_PI * g.Winding;
    double cmax = g.Chord[0];
    for (int i = 1; i < g.PolygonCount; ++i)
        if (g.Chord[i] > cmax)
            cmax = g.Chord[i];

    const double s0 = AngleSum(g, cmax);
    if (target + 1e-6 > s0 && target - 1e-6 < s0) {
        r = cmax / 2.0;
        return false;
    }
    const double s2 = AngleSum(g, 2.0 * cmax);
    double sign = 0.0;
    if (s0 < target) {
        if (s2 < s0) {
            pane.AppendLine(Text(TMessage::Refusal001));
            // The angle sum shrinks as the circle of neighbours grows: it never reaches W half turns.
            pane.AppendLine(Text(TMessage::Refusal001Why));
            return true;
        }
        sign = -1.0;
    } else {
        if (s2 > s0) {
            pane.AppendLine(Text(TMessage::Refusal002));
            // The angle sum grows with the circle: it stays above W half turns.
            pane.AppendLine(Text(TMessage::Refusal002Why));
            return true;
        }
        sign = 1.0;
    }
    // Bisection on h = 1/diameter over (0, 1/cmax): the sum is monotonic in h there.
    double h = 1.0 / cmax / 2.0;
    double step = h / 2.0;
    int rounds = 0;
    double old = 0.0;
    do {
        old = h;
        const double v = AngleSum(g, 1.0 / h);
        if (v > target)
            h -= step * sign;
        if (v < target)
            h += step * sign;
        step /= 2.0;
        ++rounds;
    } while (h != old && rounds <= 50000);
    r = 1.0 / h / 2.0;
    return false;
}

void RefuseTooLarge(TInfoPane& pane)
{
    for (const TMessage line : TooLargeLines)
        pane.AppendLine(Text(line));
    pane.AppendLine(SeparatorLine);
}

bool SolveVertexFigure(TVertexGeometry& g, TInfoPane& pane)
{
    const int k = g.PolygonCount;
    double r = 0.0;
    if (g.LastAdded) {
        // The added polygon's chord closes the triangle with the first and the last placed
        // chords, and that triangle's circumcircle is the circle of neighbours.
        const double a = g.Chord[k];
        const double b = g.Chord[k - 1];
        const double c = g.Chord[0];
        const double cosGamma = (b * b + c * c - a * a) / 2.0 / c / b;
        r = a / std::sqrt(1.0 - cosGamma * cosGamma) / 2.0;
    } else if (SolveByBisection(g, r, pane)) {
        return true;
    }
    // Checked for the added-last triangle too: a degenerate triangle gives r = NaN or
    // infinity, and r near 1 leaves no solid to build.
    if (!std::isfinite(r) || r > 0.99999) {
        RefuseTooLarge(pane);
        return true;
    }
    g.NeighbourRadius = r;
    for (int i = 0; i < k; ++i) {
        const double a = g.Chord[i] / 2.0 / r;
        g.CentralAngle[i] = a > 1.0 ? M_PI : M_PI - 2.0 * ArcCos(a);
        if (g.ChordSign[i] == -1.0)
            g.CentralAngle[i] = 2.0 * M_PI - g.CentralAngle[i];
    }
    g.SphereRadius = r / std::sin(2.0 * ArcCos(r));
    return false;
}

}  // namespace

bool TPreparation::Prepare(const TVertexConfiguration& config, TInfoPane& pane)
{
    // Worked out from the last geometry, as the figures of a refused configuration have
    // always shown the radii the last good one left.
    auto geometry = std::make_shared<TVertexGeometry>(*GeometryPtr);
    const bool failed = PrepareVertexGeometry(config, *geometry, pane);
    GeometryPtr = std::move(geometry);
    return failed;
}

bool PrepareVertexGeometry(const TVertexConfiguration& config, TVertexGeometry& g, TInfoPane& pane)
{
    g.VertexLimit = config.VertexLimit;
    g.Winding = config.Winding;
    FillPolygonTables(config, g);
    if (g.Winding != 1)
        g.IrregularVertex = true;
    g.LastAdded = false;
    if (config.AddLast && config.PolygonCount > 3) {
        g.PolygonCount = config.PolygonCount - 1;
        g.LastAdded = true;
    }
    BuildArrangements(g);
    if (SolveVertexFigure(g, pane))
        return true;
    g.PlaneOffset = g.SphereRadius - std::sqrt(1.0 - g.NeighbourRadius * g.NeighbourRadius);
    return false;
}
