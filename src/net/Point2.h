// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Points and directions in the plane of a sheet of paper.

#include <cmath>

struct TPoint2 {
    double X = 0.0;
    double Y = 0.0;
};

[[nodiscard]] inline TPoint2 operator+(TPoint2 a, TPoint2 b)
{
    return {a.X + b.X, a.Y + b.Y};
}
[[nodiscard]] inline TPoint2 operator-(TPoint2 a, TPoint2 b)
{
    return {a.X - b.X, a.Y - b.Y};
}
[[nodiscard]] inline TPoint2 operator*(double s, TPoint2 a)
{
    return {s * a.X, s * a.Y};
}
[[nodiscard]] inline double Dot2(TPoint2 a, TPoint2 b)
{
    return a.X * b.X + a.Y * b.Y;
}
// The z part of a x b: above 0 when b turns anticlockwise from a.
[[nodiscard]] inline double Cross2(TPoint2 a, TPoint2 b)
{
    return a.X * b.Y - a.Y * b.X;
}
[[nodiscard]] inline double Length2(TPoint2 a)
{
    return std::hypot(a.X, a.Y);
}

// A turn by an angle about the origin followed by a shift: how a piece is put in place.
struct TPlacement {
    double Cos = 1.0;
    double Sin = 0.0;
    TPoint2 Shift;

    [[nodiscard]] TPoint2 operator()(TPoint2 p) const
    {
        return {Cos * p.X - Sin * p.Y + Shift.X, Sin * p.X + Cos * p.Y + Shift.Y};
    }
};

// The placement taking a0 to b0 and the direction of a1 - a0 to that of b1 - b0.
[[nodiscard]] inline TPlacement PlacementOnto(TPoint2 a0, TPoint2 a1, TPoint2 b0, TPoint2 b1)
{
    const TPoint2 da = a1 - a0;
    const TPoint2 db = b1 - b0;
    const double angle = std::atan2(Cross2(da, db), Dot2(da, db));
    TPlacement placement{std::cos(angle), std::sin(angle), {}};
    const TPoint2 turned = placement(a0);
    placement.Shift = b0 - turned;
    return placement;
}
