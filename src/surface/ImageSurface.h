// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drawing surface in memory: the same fans, depth test, culling and blending as the
// OpenGL view, filled pixel by pixel, so that a picture can be made without a display.

#include "surface/DrawSurface.h"

#include <vector>

class TImageSurface : public TDrawSurface {
public:
    TImageSurface(int width, int height);

    [[nodiscard]] bool IsReady() const override { return true; }
    [[nodiscard]] int SurfaceWidth() const override { return Width; }
    [[nodiscard]] int SurfaceHeight() const override { return Height; }
    void ClearScreen(std::uint32_t argb) override;
    void EnableBlending() override { Blending = true; }
    void DisableBlending() override { Blending = false; }
    void PutPolygon(std::span<const TVector3> points, std::uint32_t argb) override;
    void Present() override {}

    // 0xFFRRGGBB, row by row from the top.
    [[nodiscard]] const std::vector<std::uint32_t>& Pixels() const { return Colour; }
    [[nodiscard]] std::uint32_t PixelAt(int x, int y) const;

private:
    void FillTriangle(TVector3 a, TVector3 b, TVector3 c, std::uint32_t argb);
    void PutPixel(int x, int y, double depth, std::uint32_t argb);

    int Width;
    int Height;
    bool Blending = false;
    std::vector<std::uint32_t> Colour;
    std::vector<float> Depth;  // enough for a view: faces a pixel apart in depth differ far above float's step
};
