#include "construction/PolyhedronPreparation.h"

#include "common/Messages.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr long double ExtendedPi = 3.141592653589793238462643383279502884L;

constexpr TMessage TooLargeLines[] = {
    TMessage::ImpossibleCombination,
    TMessage::LowerLargestPolygon,
    TMessage::RaiseOtherPolygons,
};

}  // namespace

double TurnFraction(int n)
{
    return static_cast<double>(2.0L * ExtendedPi / n);
}

double ArcSin(double x)
{
    return std::atan2(x, std::sqrt(1.0 - x * x));
}

double ArcCos(double x)
{
    return std::atan2(std::sqrt(1.0 - x * x), x);
}

bool TPreparation::Prepare(const TVertexConfiguration& config, TInfoPane& pane)
{
    VertexLimit = config.VertexLimit;
    Winding = config.Winding;

    FoundCount = 0;
    Current.NextChoice = 0;
    SavedCount = 0;
    FillPolygonTables(config);

    Current.Clear();
    CurrentDisplay.Clear();
    Dual.Clear();
    DualRadius = 1.0;
    DualScale = 1.0;

    if (Winding != 1)
        IrregularVertex = true;
    LastAdded = false;
    if (config.AddLast && config.PolygonCount > 3) {
        PolygonCount = config.PolygonCount - 1;
        LastAdded = true;
    }
    BuildArrangements();
    if (SolveVertexFigure(pane))
        return true;
    PlaneOffset = SphereRadius - std::sqrt(1.0 - NeighbourRadius * NeighbourRadius);
    return false;
}

void TPreparation::FillPolygonTables(const TVertexConfiguration& config)
{
    const int k = config.PolygonCount;
    const auto size = static_cast<std::size_t>(k);
    PolyN.assign(size, 0);
    PolyD.assign(size, 0);
    Chord.assign(size, 0.0);
    PolygonRadius.assign(size, 0.0);
    PolygonArea.assign(size, 0.0);
    ChordSign.assign(size, 1.0);
    CentralAngle.assign(size, 0.0);
    PolygonCount = k;
    IrregularVertex = false;

    for (int i = 0; i < k; ++i) {
        const int n = config.N[i];
        const int d = config.D[i];
        PolyN[i] = n;
        PolyD[i] = d;
        if (n / 2 < d)
            IrregularVertex = true;
        const double theta = d * TurnFraction(n);
        // 2 sin(theta) / |2 sin(theta/2)| = 2 cos(theta/2), negative when the polygon runs backwards.
        const double raw = 2.0 * std::sin(theta) / std::sqrt(2.0 - 2.0 * std::cos(theta));
        Chord[i] = raw < 0.0 ? -raw : raw;
        ChordSign[i] = raw < 0.0 ? -1.0 : 1.0;
        PolygonRadius[i] = 1.0 / (2.0 * std::sin(M_PI * d / n));
        PolygonArea[i] = n * std::sqrt(PolygonRadius[i] * PolygonRadius[i] - 0.25) / 2.0;
    }
}

void TPreparation::BuildArrangements()
{
    const int k = PolygonCount;
    Arrangements.clear();
    ArrangementD.clear();
    ArrangementCount = 0;
    for (int pass = 0; pass < 2; ++pass) {
        const int dir = 2 * pass - 1;
        for (int s = 0; s < k; ++s) {
            std::vector<int> entry{s, dir};
            std::vector<int> ds;
            for (int j = 0; j < k; ++j) {
                const int q = (((s + j * dir) % k) + k) % k;
                entry.push_back(PolyN[q]);
                ds.push_back(PolyD[q]);
            }
            bool repeated = false;
            for (int a = 0; a < ArrangementCount && !repeated; ++a)
                repeated =
                    std::equal(entry.begin() + 2, entry.end(), Arrangements[a].begin() + 2) && ds == ArrangementD[a];
            if (repeated)
                continue;
            Arrangements.push_back(std::move(entry));
            ArrangementD.push_back(std::move(ds));
            ++ArrangementCount;
        }
    }
}

double TPreparation::AngleSum(double diameter) const
{
    // Half the central angle of each chord; a chord longer than the diameter counts as a half turn.
    double sum = 0.0;
    for (int i = 0; i < PolygonCount; ++i) {
        const double ratio = Chord[i] / diameter;
        sum += ChordSign[i] * (ratio > 1.0 ? M_PI / 2.0 : ArcSin(ratio));
    }
    return sum;
}

bool TPreparation::SolveVertexFigure(TInfoPane& pane)
{
    const int k = PolygonCount;
    double r = 0.0;
    if (LastAdded) {
        // The added polygon's chord closes the triangle with the first and the last placed
        // chords, and that triangle's circumcircle is the circle of neighbours.
        const double a = Chord[k];
        const double b = Chord[k - 1];
        const double c = Chord[0];
        const double cosGamma = (b * b + c * c - a * a) / 2.0 / c / b;
        r = a / std::sqrt(1.0 - cosGamma * cosGamma) / 2.0;
    } else if (SolveByBisection(r, pane)) {
        return true;
    }
    // Checked for the added-last triangle too: a degenerate triangle gives r = NaN or
    // infinity, and r near 1 leaves no solid to build.
    if (!std::isfinite(r) || r > 0.99999) {
        RefuseTooLarge(pane);
        return true;
    }
    NeighbourRadius = r;
    for (int i = 0; i < k; ++i) {
        const double a = Chord[i] / 2.0 / r;
        CentralAngle[i] = a > 1.0 ? M_PI : M_PI - 2.0 * ArcCos(a);
        if (ChordSign[i] == -1.0)
            CentralAngle[i] = 2.0 * M_PI - CentralAngle[i];
    }
    SphereRadius = r / std::sin(2.0 * ArcCos(r));
    return false;
}

bool TPreparation::SolveByBisection(double& r, TInfoPane& pane) const
{
    const double target = M_PI * Winding;
    double cmax = Chord[0];
    for (int i = 1; i < PolygonCount; ++i)
        if (Chord[i] > cmax)
            cmax = Chord[i];

    const double s0 = AngleSum(cmax);
    if (target + 1e-6 > s0 && target - 1e-6 < s0) {
        r = cmax / 2.0;
        return false;
    }
    const double s2 = AngleSum(2.0 * cmax);
    double g = 0.0;
    if (s0 < target) {
        if (s2 < s0) {
            pane.AppendLine(Text(TMessage::Refusal001));
            // The angle sum shrinks as the circle of neighbours grows: it never reaches W half turns.
            pane.AppendLine(Text(TMessage::Refusal001Why));
            return true;
        }
        g = -1.0;
    } else {
        if (s2 > s0) {
            pane.AppendLine(Text(TMessage::Refusal002));
            // The angle sum grows with the circle: it stays above W half turns.
            pane.AppendLine(Text(TMessage::Refusal002Why));
            return true;
        }
        g = 1.0;
    }
    // Bisection on h = 1/diameter over (0, 1/cmax): the sum is monotonic in h there.
    double h = 1.0 / cmax / 2.0;
    double step = h / 2.0;
    int rounds = 0;
    double old = 0.0;
    do {
        old = h;
        const double v = AngleSum(1.0 / h);
        if (v > target)
            h -= step * g;
        if (v < target)
            h += step * g;
        step /= 2.0;
        ++rounds;
    } while (h != old && rounds <= 50000);
    r = 1.0 / h / 2.0;
    return false;
}

void TPreparation::RefuseTooLarge(TInfoPane& pane)
{
    for (const TMessage line : TooLargeLines)
        pane.AppendLine(Text(line));
    pane.AppendLine(SeparatorLine);
}
