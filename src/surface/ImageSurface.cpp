// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/ImageSurface.h"

#include <algorithm>
#include <cmath>

TImageSurface::TImageSurface(int width, int height)
    : Width(std::max(width, 1)), Height(std::max(height, 1)),
      Colour(static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height), 0xFFFFFFFFu),
      Depth(Colour.size(), 1.0f)
{}

void TImageSurface::ClearScreen(std::uint32_t argb)
{
    // The view itself is opaque: the faces' alpha only blends.
    std::fill(Colour.begin(), Colour.end(), argb | 0xFF000000u);
    std::fill(Depth.begin(), Depth.end(), 1.0f);
}

std::uint32_t TImageSurface::PixelAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= Width || y >= Height)
        return 0;
    return Colour[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) + static_cast<std::size_t>(x)];
}

void TImageSurface::PutPolygon(std::span<const TVector3> points, std::uint32_t argb)
{
    for (std::size_t i = 1; i + 1 < points.size(); ++i)
        FillTriangle(points[0], points[i], points[i + 1], argb);
}

void TImageSurface::FillTriangle(TVector3 a, TVector3 b, TVector3 c, std::uint32_t argb)
{
    // Twice the signed area with y down: positive for a triangle sent clockwise on the
    // screen, the front side; the other side is culled, as in the OpenGL view.
    const double area = (b.X - a.X) * (c.Y - a.Y) - (c.X - a.X) * (b.Y - a.Y);
    if (!(area > 0.0))
        return;
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min({a.X, b.X, c.X}))));
    const int x1 = std::min(Width - 1, static_cast<int>(std::ceil(std::max({a.X, b.X, c.X}))));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min({a.Y, b.Y, c.Y}))));
    const int y1 = std::min(Height - 1, static_cast<int>(std::ceil(std::max({a.Y, b.Y, c.Y}))));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            // Barycentric weights of the pixel's centre.
            const double wa = ((b.X - px) * (c.Y - py) - (c.X - px) * (b.Y - py)) / area;
            const double wb = ((c.X - px) * (a.Y - py) - (a.X - px) * (c.Y - py)) / area;
            const double wc = 1.0 - wa - wb;
            if (wa < 0.0 || wb < 0.0 || wc < 0.0)
                continue;
            PutPixel(x, y, wa * a.Z + wb * b.Z + wc * c.Z, argb);
        }
}

void TImageSurface::PutPixel(int x, int y, double depth, std::uint32_t argb)
{
    const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) + static_cast<std::size_t>(x);
    const auto z = static_cast<float>(depth);
    if (z > Depth[i] || depth < 0.0 || depth > 1.0)
        return;
    Depth[i] = z;
    if (!Blending) {
        Colour[i] = argb | 0xFF000000u;
        return;
    }
    const std::uint32_t alpha = argb >> 24;
    const std::uint32_t old = Colour[i];
    std::uint32_t mixed = 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t s = (argb >> shift) & 0xFFu, d = (old >> shift) & 0xFFu;
        mixed |= ((s * alpha + d * (255u - alpha) + 127u) / 255u) << shift;
    }
    Colour[i] = mixed;
}
