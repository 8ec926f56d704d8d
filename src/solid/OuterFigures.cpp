// SPDX-License-Identifier: GPL-3.0-or-later
#include "solid/OuterSurfaceParts.h"

#include <map>

void CountPinches(TOuterSurface& surface)
{
    std::map<std::array<double, 3>, int> copies;
    for (const TVector3& p : surface.Points)
        ++copies[{p.X, p.Y, p.Z}];
    surface.PinchPoints = 0;
    for (const auto& [point, count] : copies)
        surface.PinchPoints += count - 1;
}

void MeasureSurface(TOuterSurface& surface)
{
    // Sums in extended precision: thousands of small terms, most of them cancelling.
    long double volume = 0.0L;
    long double area = 0.0L;
    for (const TOuterTriangle& t : surface.Triangles) {
        const TVector3 a = surface.Points[static_cast<std::size_t>(t.Corners[0])];
        const TVector3 b = surface.Points[static_cast<std::size_t>(t.Corners[1])];
        const TVector3 c = surface.Points[static_cast<std::size_t>(t.Corners[2])];
        // The tetrahedron on the origin: outward triangles add, the rest cancel.
        volume += DotProduct(a, CrossProduct(b, c)) / 6.0L;
        area += VectorLength(CrossProduct(SubtractVectors(b, a), SubtractVectors(c, a))) / 2.0L;
    }
    surface.Volume = static_cast<double>(volume);
    surface.Area = static_cast<double>(area);
}
