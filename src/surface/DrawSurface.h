// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing surface as the renderer sees it: screen-space triangle fans with a depth
// per corner and one colour, source-alpha blending switched between fans, a clear of
// colour and depth, and presenting a finished frame. No Qt and no GL here.

#include "geometry/VectorFunc.h"

#include <cstdint>
#include <span>

class TDrawSurface {
public:
    virtual ~TDrawSurface() = default;
    [[nodiscard]] virtual bool IsReady() const = 0;
    [[nodiscard]] virtual int SurfaceWidth() const = 0;
    [[nodiscard]] virtual int SurfaceHeight() const = 0;
    // Fills the surface with 0xAARRGGBB and resets depth to the far end.
    virtual void ClearScreen(std::uint32_t argb) = 0;
    virtual void EnableBlending() = 0;
    virtual void DisableBlending() = 0;
    // One fan: each point is (screen x, screen y with y down, depth 0 near ... 1 far).
    virtual void PutPolygon(std::span<const TVector3> points, std::uint32_t argb) = 0;
    virtual void Present() = 0;
};
