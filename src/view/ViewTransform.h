// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// From rotated view coordinates (X depth away from the viewer, Y right, Z down) to
// screen pixels, device depth and shaded colours.

#include "common/Colour.h"
#include "common/DisplaySettings.h"
#include "geometry/VectorFunc.h"

#include <cmath>
#include <cstdint>

inline constexpr double RotationStep = M_PI / 50.0;  // 3.6 degrees a step

// Rotation about the horizontal screen axis; t > 0 moves the near side down.
[[nodiscard]] TMatrix3 TiltMatrix(double t);
// Rotation about the vertical screen axis; t > 0 moves the near side right.
[[nodiscard]] TMatrix3 TurnMatrix(double t);

// The per-draw context: surface size, scale, perspective and depth range.
struct TViewFrame {
    int Width = 0;
    int Height = 0;
    int HalfWidth = 0;
    int HalfHeight = 0;
    double ViewScale = 1.0;  // pixels per model unit
    int PerspectiveLevel = 0;
    double R = 1.0;  // depth half-range
    double EyeDistance = 0.0;
    double DepthReference = 1.0;
    double DepthSpan = 2.0;

    // Sets everything from the full surface size, the zoom mode and the radius r.
    void SetUp(int width, int height, const TDisplaySettings& settings, double sphereRadius, double dualRadius,
               double r);
    // The point scaled by its perspective factor D / (D + X).
    [[nodiscard]] TVector3 PerspectivePoint(TVector3 p) const;
    // (screen x, screen y, nearness 0 far ... 1 near).
    [[nodiscard]] TVector3 ProjectVertex(TVector3 p) const;
    // (screen right, screen down, depth) after perspective, before scaling.
    [[nodiscard]] TVector3 ProjectEdgePoint(TVector3 p) const;
    [[nodiscard]] TVector3 EdgePointToScreen(TVector3 q) const;

private:
    [[nodiscard]] double Perspective(double depth) const;
};

// Pixels per model unit for the zoom mode, from the full surface size.
[[nodiscard]] double ComputeZoom(int width, int height, const TDisplaySettings& settings, double sphereRadius,
                                 double dualRadius);
// The angle between a direction and the light (1, 1, 1), 0 ... pi.
[[nodiscard]] double LightingAngle(TVector3 n);
// 0x00BBGGRR shaded by angle / pi (unless shading is off) into 0xAARRGGBB with alpha.
[[nodiscard]] std::uint32_t ShadeColor(TColour colour, double angle, int alpha, bool shading);
// 0x00BBGGRR as an opaque 0xFFRRGGBB.
[[nodiscard]] std::uint32_t ColorToARGB(TColour colour);
// The alpha byte of an opacity item: 60 %, 50 %, 40 %, 25 %.
[[nodiscard]] int OpacityAlpha(int item);
