#include "view/FrameDrawing.h"

namespace {

void DrawSelectedSolid(const TBuild& engine, int sel, const TDrawTarget& target)
{
    if (target.Settings.DualShown && !target.Settings.CompoundShown)
        return;  // the dual alone is shown
    if (sel == 0)
        DrawCurrentSolid(engine, target);
    else if (sel > 0)
        DrawFoundSolid(engine, sel, target);
}

}  // namespace

void DrawFrame(const TBuild& engine, const TPolyFace& compound, int sel, const TDrawTarget& target)
{
    const TDisplaySettings& settings = target.Settings;
    target.Surface.ClearScreen(ColorToARGB(settings.Background));
    if (settings.CompoundShown && settings.SurfaceMode != 1) {
        // Both solids in one record, their faces depth-sorted together.
        DrawCompound(engine, compound, target);
    } else if (settings.DualShown && settings.CompoundShown) {
        // Mode 1: the solid first, transparent, then the dual opaque inside it.
        DrawSelectedSolid(engine, sel, target);
        DrawDual(engine, target);
    } else {
        if (settings.DualShown || settings.CompoundShown)
            DrawDual(engine, target);
        DrawSelectedSolid(engine, sel, target);
    }
    if (target.Surface.IsReady())
        target.Surface.Present();
}
