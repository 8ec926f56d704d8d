// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/FrameDrawing.h"

namespace {

void DrawSelectedSolid(const TFrameContent& content, const TDrawTarget& target)
{
    if (target.Settings.DualShown && !target.Settings.CompoundShown)
        return;  // the dual alone is shown
    if (content.Solid != nullptr)
        DrawSolid(*content.Solid, content.Dual.Radius, target);
}

}  // namespace

void DrawFrame(const TFrameContent& content, const TDrawTarget& target)
{
    const TDisplaySettings& settings = target.Settings;
    target.Surface.ClearScreen(ColorToARGB(settings.Background));
    if (settings.CompoundShown && settings.SurfaceMode != 1) {
        // Both solids in one record, their faces depth-sorted together.
        DrawCompound(content.Compound, content.SphereRadius, content.Dual.Radius, target);
    } else if (settings.DualShown && settings.CompoundShown) {
        // Mode 1: the solid first, transparent, then the dual opaque inside it.
        DrawSelectedSolid(content, target);
        DrawDual(content.Dual, content.SphereRadius, target);
    } else {
        if (settings.DualShown || settings.CompoundShown)
            DrawDual(content.Dual, content.SphereRadius, target);
        DrawSelectedSolid(content, target);
    }
    if (target.Surface.IsReady())
        target.Surface.Present();
}
