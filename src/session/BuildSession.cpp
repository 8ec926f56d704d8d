#include "session/BuildSession.h"

#include "export/PolyhedronVRML.h"
#include "measure/PolyhedronCalc.h"

void TBuildSession::BeforePress(TBuildMode mode, const TDisplaySettings& settings)
{
    if (mode == TBuildMode::OneShot)
        Driver.BuildStep = OneShotStep;
    else if (mode == TBuildMode::Start || Driver.BuildStep == OneShotStep)
        Driver.BuildStep = 0;  // a new step build; "構築続行" after a one-shot build starts one too
    // After an abandoned dual a step does not try the dual again.
    const bool keepDual =
        mode == TBuildMode::Continue && FrameMarks.DualAborted && (settings.DualShown || settings.CompoundShown);
    FrameMarks.DualBuilt = keepDual;
    FrameMarks.CompoundBuilt = keepDual;
    LastNew = Driver.BuildStep < 1;
}

void TBuildSession::AfterPress(bool refused)
{
    if (!refused && LastNew)
        FrameMarks.DualReportShown = false;
}

bool TBuildSession::Press(TBuildMode mode, const TVertexConfiguration& config, const TDisplaySettings& settings,
                          TInfoPane& pane)
{
    BeforePress(mode, settings);
    const bool refused = Driver.Press(*EnginePtr, config, pane);
    AfterPress(refused);
    return refused;
}

bool TBuildSession::Adopt(TOneShotBuild& build, TInfoPane& pane)
{
    BeforePress(TBuildMode::OneShot, TDisplaySettings{});
    EnginePtr = std::move(build.Engine);
    build.Engine = std::make_unique<TBuild>();
    Driver.BuildStep = build.Driver.BuildStep;
    pane.Clear();
    for (const std::string& line : build.Pane.Lines)
        pane.AppendLine(line);
    AfterPress(build.Refused);
    return build.Refused;
}

void TBuildSession::SelectionChanged(const TDisplaySettings& settings)
{
    if ((settings.DualShown || settings.CompoundShown) && !FrameMarks.DualAborted) {
        FrameMarks.DualBuilt = false;
        FrameMarks.CompoundBuilt = false;
    }
}

void TBuildSession::FormShown(int sel, const TDisplaySettings& settings, TInfoPane& pane)
{
    if ((settings.DualShown || settings.CompoundShown) && !FrameMarks.DualBuilt) {
        FrameMarks.DualBuilt = true;
        FrameMarks.DualAborted =
            sel == 0 ? EnginePtr->BuildCurrentDual(pane) : EnginePtr->BuildListedDual(sel - 1, pane);
    }
    // Drawn as one depth-sorted record in every mode but 1; formed whenever it is shown,
    // so that its figures are there in every mode.
    if (settings.CompoundShown && !FrameMarks.CompoundBuilt) {
        FrameMarks.CompoundBuilt = true;
        FormCompound(*EnginePtr, sel, CompoundSolid);
    }
    if (settings.DualShown && !FrameMarks.DualReportShown) {
        AppendDualReport(*EnginePtr, pane);
        FrameMarks.DualReportShown = true;
    }
}

void TBuildSession::Draw(int sel, const TDrawTarget& target) const
{
    DrawFrame(*EnginePtr, CompoundSolid, sel, target);
}

void TBuildSession::Redraw(int sel, const TDrawTarget& target, TInfoPane& pane)
{
    FormShown(sel, target.Settings, pane);
    Draw(sel, target);
}

std::vector<std::string> TBuildSession::ExportShown(int sel, const TDisplaySettings& settings) const
{
    if (sel < 0)
        return {};
    return sel == 0 ? ExportCurrent(*EnginePtr, settings) : ExportFound(*EnginePtr, sel - 1, settings);
}

TExportScene TBuildSession::DescribeShown(int sel, const TDisplaySettings& settings) const
{
    const TBuild& engine = *EnginePtr;
    if (sel < 0 || sel > engine.FoundCount)
        return {};
    if (sel == 0)
        return ::DescribeShown(engine, engine.Current, engine.CurrentDisplay, settings);
    return ::DescribeShown(engine, engine.FoundSolids[sel - 1], engine.FoundDisplay[sel - 1], settings);
}
