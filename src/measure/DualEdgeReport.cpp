// SPDX-License-Identifier: GPL-3.0-or-later
// The dual's edge lengths, grouped, with as many decimals as their spread allows.

#include "common/Messages.h"
#include "common/NumberFormat.h"
#include "measure/PolyhedronCalc.h"

#include <cmath>

namespace {

constexpr double GroupTolerance = 1e-6;
constexpr int ExactDigit = -18;  // the rounding digit when every group is exact

double EdgeLength(const TPolyFace& solid, int e)
{
    return VectorLength(SubtractVectors(solid.Vertices[solid.EdgeA[e]], solid.Vertices[solid.EdgeB[e]]));
}

// The first group within the tolerance of length; failing that (a mean can drift from
// its first members), the nearest group.
int GroupOf(const std::vector<double>& means, double length)
{
    int nearest = 0;
    for (int g = 0; g < static_cast<int>(means.size()); ++g) {
        if (std::fabs(means[g] - length) <= GroupTolerance)
            return g;
        if (std::fabs(means[g] - length) < std::fabs(means[nearest] - length))
            nearest = g;
    }
    return nearest;
}

}  // namespace

std::string DualEdgeReport(const TDualSolid& dual, int polygonCount, std::vector<double>* groupLengths)
{
    if (dual.Faces.FaceCount == 0)
        return Text(TMessage::DualEdgesIncalculable);
    if (dual.FaceKind == -1 && dual.Pieces != 2)
        return Text(TMessage::DualEdgesInfinite);

    std::vector<double> means;
    std::vector<int> members;
    double deviation = 0.0;
    for (int e = 0; e < dual.Faces.EdgeCount; ++e) {
        const double length = EdgeLength(dual.Faces, e);
        int g = 0;
        while (g < static_cast<int>(means.size()) && std::fabs(means[g] - length) > GroupTolerance)
            ++g;
        if (g == static_cast<int>(means.size())) {
            means.push_back(length);
            members.push_back(1);
            continue;
        }
        means[g] = (members[g] * means[g] + length) / (members[g] + 1);
        ++members[g];
        deviation = std::max(deviation, std::fabs(means[g] - length));
    }
    if (groupLengths != nullptr)
        *groupLengths = means;
    const int digit = deviation != 0.0 ? static_cast<int>(std::ceil(std::log10(deviation))) : ExactDigit;

    // The first k edges are the sides of the first dual face, in order.
    std::string text = Text(TMessage::DualEdgesHeading) + "\r\n";
    const int entries = std::min(polygonCount, dual.Faces.EdgeCount);
    for (int i = 0; i < entries; ++i) {
        const double mean = means[GroupOf(means, EdgeLength(dual.Faces, i))];
        text += Text(TMessage::DualEdge, std::to_string(i + 1), FormatGeneral(RoundToDigit(mean, digit)));
        if (i < entries - 1)
            text += ", \r\n";
    }
    if (dual.Faces.EdgeCount <= polygonCount)
        return text + "\r\n" + Text(TMessage::DualErrorIncalculable);
    if (deviation == 0.0)
        return text + "\r\n" + Text(TMessage::DualErrorNone);
    return text + "\r\n" + Text(TMessage::DualErrorWithin, FormatGeneral(std::floor(-std::log10(deviation))));
}
