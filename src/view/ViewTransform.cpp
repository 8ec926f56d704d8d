// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ViewTransform.h"

#include <algorithm>
#include <cmath>

namespace {

// The scale the zoom mode alone gives.
double ModeZoom(int width, int height, const TDisplaySettings& settings, double sphereRadius, double dualRadius);

}  // namespace

TMatrix3 TiltMatrix(double t)
{
    return TMatrix3{{{std::cos(t), 0, std::sin(t)}, {0, 1, 0}, {-std::sin(t), 0, std::cos(t)}}};
}

TMatrix3 TurnMatrix(double t)
{
    return TMatrix3{{{std::cos(t), std::sin(t), 0}, {-std::sin(t), std::cos(t), 0}, {0, 0, 1}}};
}

double ComputeZoom(int width, int height, const TDisplaySettings& settings, double sphereRadius, double dualRadius)
{
    return settings.ZoomFactor * ModeZoom(width, height, settings, sphereRadius, dualRadius);
}

namespace {

double ModeZoom(int width, int height, const TDisplaySettings& settings, double sphereRadius, double dualRadius)
{
    const double fit = (std::min(width, height) - 32) / 2.0;
    switch (settings.ZoomMode) {
    case 0:
        return fit / sphereRadius;
    case 2:
        return 50.0;
    case 3:
        return 100.0;
    case 4:
        return 200.0;
    default:
        return fit / (settings.DualShown ? dualRadius : sphereRadius);
    }
}

}  // namespace

void TViewFrame::SetUp(int width, int height, const TDisplaySettings& settings, double sphereRadius, double dualRadius,
                       double r)
{
    Width = width;
    Height = height;
    ViewScale = ComputeZoom(width, height, settings, sphereRadius, dualRadius);
    HalfWidth = width / 2;
    HalfHeight = height / 2;
    PerspectiveLevel = std::clamp(settings.PerspectiveLevel, 0, 3);
    R = r;
    if (settings.CompoundShown && dualRadius > sphereRadius)
        R = dualRadius;
    else if (settings.CompoundShown)
        R = sphereRadius;
    EyeDistance = (4 - PerspectiveLevel) * (R + 1.0);
    const double d = EyeDistance;
    if (PerspectiveLevel == 0) {
        DepthReference = R;
        DepthSpan = 2.0 * R;
    } else {
        // The near and far limits X = -R and X = +R map to nearness exactly 1 and 0.
        const double lower = -R * d / (d - R);
        DepthReference = R * d / (d + R);
        DepthSpan = DepthReference - lower;
    }
}

double TViewFrame::Perspective(double depth) const
{
    return PerspectiveLevel == 0 ? 1.0 : EyeDistance / (EyeDistance + depth);
}

TVector3 TViewFrame::PerspectivePoint(TVector3 p) const
{
    if (PerspectiveLevel == 0)
        return p;
    return ScaleVector(p, Perspective(p.X));
}

TVector3 TViewFrame::ProjectVertex(TVector3 p) const
{
    const double f = Perspective(p.X);
    return TVector3{p.Y * f * ViewScale + HalfWidth, p.Z * f * ViewScale + HalfHeight,
                    (DepthReference - p.X * f) / DepthSpan};
}

TVector3 TViewFrame::ProjectEdgePoint(TVector3 p) const
{
    const double f = Perspective(p.X);
    return TVector3{p.Y * f, p.Z * f, p.X * f};
}

TVector3 TViewFrame::EdgePointToScreen(TVector3 q) const
{
    return TVector3{q.X * ViewScale + HalfWidth, q.Y * ViewScale + HalfHeight, (DepthReference - q.Z) / DepthSpan};
}

double LightingAngle(TVector3 n)
{
    const double c = DotProduct(n, MakeVector(1, 1, 1)) / (VectorLength(n) * std::sqrt(3.0));
    if (std::isnan(c))
        return M_PI / 2.0;  // no direction (a degenerate face): half brightness
    if (c > 1.0)
        return 0.0;
    if (c < -1.0)
        return M_PI;
    return ArcCos(c);
}

std::uint32_t ShadeColor(TColour colour, double angle, int alpha, bool shading)
{
    // Brightness falls linearly with the angle: facing away from the light is full colour.
    const double k = angle / M_PI;
    const auto channel = [&](int value) -> std::uint32_t {
        if (!shading)
            return static_cast<std::uint32_t>(value);
        return static_cast<std::uint32_t>(static_cast<int>(std::floor(value * k)) & 0xFF);
    };
    return (static_cast<std::uint32_t>(alpha & 0xFF) << 24) | (channel(RedOf(colour)) << 16)
           | (channel(GreenOf(colour)) << 8) | channel(BlueOf(colour));
}

std::uint32_t ColorToARGB(TColour colour)
{
    return ShadeColor(colour, 0.0, 255, false);
}

int OpacityAlpha(int item)
{
    switch (item) {
    case 0:
        return 154;
    case 1:
        return 128;
    case 2:
        return 102;
    default:
        return 64;
    }
}
