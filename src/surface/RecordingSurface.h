// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drawing surface that keeps every call of a frame as a value, with a stable text dump.
// Tests compare frames with it; the OpenGL widget records the same way and replays.

#include "surface/DrawSurface.h"

#include <string>
#include <vector>

struct TSurfaceCommand {
    enum class TKind { Clear, Blend, NoBlend, Fan };
    TKind Kind = TKind::Clear;
    std::uint32_t Colour = 0;      // 0xAARRGGBB, for Clear and Fan
    std::vector<TVector3> Points;  // for Fan
};

class TRecordingSurface : public TDrawSurface {
public:
    TRecordingSurface(int width = 417, int height = 436) : Width(width), Height(height) {}

    [[nodiscard]] bool IsReady() const override { return Ready; }
    [[nodiscard]] int SurfaceWidth() const override { return Width; }
    [[nodiscard]] int SurfaceHeight() const override { return Height; }
    void ClearScreen(std::uint32_t argb) override;
    void EnableBlending() override;
    void DisableBlending() override;
    void PutPolygon(std::span<const TVector3> points, std::uint32_t argb) override;
    void Present() override;

    // The frame drawn since the last clear, one line a command.
    [[nodiscard]] std::string Dump() const;
    [[nodiscard]] int FanCount() const;

    bool Ready = true;
    int Width;
    int Height;
    int Presented = 0;                      // frames presented so far
    std::vector<TSurfaceCommand> Commands;  // since the last clear, the clear included
    std::vector<TSurfaceCommand> Shown;     // the last frame presented
};
