#include "view/FrameDrawing.h"

namespace {

void DrawSelectedSolid(TBuild& engine, int sel, const TDrawTarget& target)
{
    if (target.Settings.DualShown && !target.Settings.CompoundShown)
        return;  // the dual alone is shown
    if (sel == 0)
        engine.DrawCurrentSolid(target);
    else if (sel > 0)
        engine.DrawFoundSolid(sel, target);
}

}  // namespace

void EnsureDual(TBuild& engine, TFrameMarks& marks, int sel, const TDisplaySettings& settings)
{
    if (!(settings.DualShown || settings.CompoundShown) || marks.DualBuilt)
        return;
    marks.DualBuilt = true;
    marks.DualAborted = sel == 0 ? engine.BuildCurrentDual() : engine.BuildListedDual(sel - 1);
}

void RedrawView(TBuild& engine, TFrameMarks& marks, int sel, const TDrawTarget& target, TInfoPane& pane)
{
    const TDisplaySettings& settings = target.Settings;
    target.Surface.ClearScreen(ColorToARGB(settings.Background));
    if (settings.CompoundShown && settings.SurfaceMode != 1) {
        // Both solids in one record, their faces depth-sorted together.
        EnsureDual(engine, marks, sel, settings);
        if (!marks.CompoundBuilt) {
            marks.CompoundBuilt = true;
            engine.FormCompound(sel);
        }
        engine.DrawCompound(target);
    } else if (settings.DualShown && settings.CompoundShown) {
        // Mode 1: the solid first, transparent, then the dual opaque inside it.
        EnsureDual(engine, marks, sel, settings);
        DrawSelectedSolid(engine, sel, target);
        engine.DrawDual(target);
    } else {
        EnsureDual(engine, marks, sel, settings);
        if (settings.DualShown || settings.CompoundShown)
            engine.DrawDual(target);
        DrawSelectedSolid(engine, sel, target);
    }
    if (target.Surface.IsReady())
        target.Surface.Present();
    if (settings.DualShown && !marks.DualReportShown) {
        AppendDualReport(engine, pane);
        marks.DualReportShown = true;
    }
}
