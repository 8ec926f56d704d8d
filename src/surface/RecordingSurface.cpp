// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/RecordingSurface.h"

#include <cstdio>

void TRecordingSurface::ClearScreen(std::uint32_t argb)
{
    Commands.clear();
    Commands.push_back(TSurfaceCommand{TSurfaceCommand::TKind::Clear, argb, {}});
}

void TRecordingSurface::EnableBlending()
{
    Commands.push_back(TSurfaceCommand{TSurfaceCommand::TKind::Blend, 0, {}});
}

void TRecordingSurface::DisableBlending()
{
    Commands.push_back(TSurfaceCommand{TSurfaceCommand::TKind::NoBlend, 0, {}});
}

void TRecordingSurface::PutPolygon(std::span<const TVector3> points, std::uint32_t argb)
{
    Commands.push_back(TSurfaceCommand{TSurfaceCommand::TKind::Fan, argb, {points.begin(), points.end()}});
}

void TRecordingSurface::Present()
{
    Shown = Commands;
    ++Presented;
}

int TRecordingSurface::FanCount() const
{
    int fans = 0;
    for (const TSurfaceCommand& command : Commands)
        fans += command.Kind == TSurfaceCommand::TKind::Fan ? 1 : 0;
    return fans;
}

std::string TRecordingSurface::Dump() const
{
    std::string text;
    char buffer[96];
    for (const TSurfaceCommand& command : Commands) {
        switch (command.Kind) {
        case TSurfaceCommand::TKind::Clear:
            std::snprintf(buffer, sizeof buffer, "clear %08X\n", static_cast<unsigned>(command.Colour));
            text += buffer;
            break;
        case TSurfaceCommand::TKind::Blend:
            text += "blend on\n";
            break;
        case TSurfaceCommand::TKind::NoBlend:
            text += "blend off\n";
            break;
        case TSurfaceCommand::TKind::Fan:
            std::snprintf(buffer, sizeof buffer, "fan %08X", static_cast<unsigned>(command.Colour));
            text += buffer;
            for (const TVector3 p : command.Points) {
                std::snprintf(buffer, sizeof buffer, " (%.6g, %.6g, %.6g)", p.X, p.Y, p.Z);
                text += buffer;
            }
            text += '\n';
            break;
        }
    }
    return text;
}
