// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/BuildSession.h"

#include "common/Messages.h"
#include "common/NumberFormat.h"
#include "construction/Dual.h"
#include "export/PolyhedronVRML.h"
#include "measure/PolyhedronCalc.h"


namespace {

// One press with the step state as it stands: a new build (the pane cleared, the geometry,
// the radius lines) when it is below 1, then one call of the search. True when the
// configuration was refused.
bool PressOnce(TSearch& search, int& step, const TVertexConfiguration& config, TInfoPane& pane, TSearchControl* control)
{
    if (step < 1) {
        pane.Clear();
        if (search.Prepare(config, pane))
            return true;
        AppendRadiusLines(search.Geometry(), pane);
    }
    search.Run(step, pane, control);
    return false;
}

}  // namespace

void AppendRadiusLines(const TVertexGeometry& geometry, TInfoPane& pane)
{
    // Japanese indents by two ideographic spaces, English by plain ones.
    const std::string indent = CurrentLanguage() == TLanguage::Japanese ? "　　" : "    ";
    pane.AppendLine(Text(TMessage::NeighbourRadiusHeading));
    pane.AppendLine(indent + FormatGeneral(geometry.NeighbourRadius));
    pane.AppendLine(Text(TMessage::SphereRadiusHeading));
    pane.AppendLine(indent + FormatGeneral(geometry.SphereRadius));
    pane.AppendLine(Text(TMessage::RadiiExplained));
    pane.AppendLine(Text(TMessage::BuildStarts));
    pane.AppendLine(SeparatorLine);
}

void TOneShotBuild::Run(TSearchControl* control)
{
    Step = OneShotStep;
    Refused = PressOnce(Search, Step, Config, Pane, control);
}

void TOneShotBuild::Resume(TSearchControl& control)
{
    Step = OneShotStep;
    Search.Run(Step, Pane, &control);
}

void TBuildSession::BeforePress(TBuildMode mode, const TDisplaySettings& settings)
{
    if (mode == TBuildMode::OneShot)
        Step = OneShotStep;
    else if (mode == TBuildMode::Start || Step == OneShotStep)
        Step = 0;  // a new step build; "構築続行" after a one-shot build starts one too
    // After an abandoned dual a step does not try the dual again.
    const bool keepDual =
        mode == TBuildMode::Continue && FrameMarks.DualAborted && (settings.DualShown || settings.CompoundShown);
    FrameMarks.DualBuilt = keepDual;
    FrameMarks.CompoundBuilt = keepDual;
    LastNew = Step < 1;
}

void TBuildSession::AfterPress(bool refused)
{
    if (LastNew) {
        // A new build starts with no dual: it is formed when first shown.
        DualSolid.Faces.Clear();
        DualSolid.Radius = 1.0;
        DualSolid.Scale = 1.0;
    }
    if (!refused && LastNew)
        FrameMarks.DualReportShown = false;
}

bool TBuildSession::Press(TBuildMode mode, const TVertexConfiguration& config, const TDisplaySettings& settings,
                          TInfoPane& pane)
{
    if (mode == TBuildMode::OneShot) {
        TOneShotBuild build(config);
        build.Run();
        return Adopt(build, pane);
    }
    BeforePress(mode, settings);
    const bool refused = PressOnce(Search, Step, config, pane, nullptr);
    AfterPress(refused);
    return refused;
}

bool TBuildSession::Adopt(TOneShotBuild& build, TInfoPane& pane)
{
    BeforePress(TBuildMode::OneShot, TDisplaySettings{});
    Search = std::move(build.Search);
    build.Search = TSearch();
    Step = build.Step;
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

bool TBuildSession::FormDualOf(int sel, TInfoPane& pane)
{
    const TBuiltSolid* solid = Search.SolidAt(sel);
    if (solid == nullptr) {
        // Nothing at that position: no dual, and the last one stays as it was.
        DualSolid.Pieces = 1;
        DualSolid.FaceKind = 0;
        return true;
    }
    return FormDual(solid->Raw, *solid->Geometry, DualSolid, pane);
}

void TBuildSession::FormCompoundOf(int sel)
{
    // Written when there is something to merge; otherwise the compound stays as it was.
    const TBuiltSolid* solid = Search.SolidAt(sel);
    if (solid == nullptr)
        return;
    const TPolyFace& dual = DualSolid.Faces;
    if (sel >= 1 || (solid->Display.FaceCount >= 1 && dual.FaceCount >= 1 && dual.VertexCount >= 5))
        CompoundSolid = BuildCompound(solid->Display, dual);
}

void TBuildSession::Show(int sel, const TDisplaySettings& settings, TInfoPane& pane)
{
    if ((settings.DualShown || settings.CompoundShown) && !FrameMarks.DualBuilt) {
        FrameMarks.DualBuilt = true;
        FrameMarks.DualAborted = FormDualOf(sel, pane);
    }
    // Drawn as one depth-sorted record in every mode but 1; formed whenever it is shown,
    // so that its figures are there in every mode.
    if (settings.CompoundShown && !FrameMarks.CompoundBuilt) {
        FrameMarks.CompoundBuilt = true;
        FormCompoundOf(sel);
    }
    if (settings.DualShown && !FrameMarks.DualReportShown) {
        AppendDualReport(DualSolid, Search.Geometry().PolygonCount, pane);
        FrameMarks.DualReportShown = true;
    }
}

void TBuildSession::Draw(int sel, const TDrawTarget& target) const
{
    DrawFrame(TFrameContent{Search.SolidAt(sel), DualSolid, CompoundSolid, Search.Geometry().SphereRadius}, target);
}

std::vector<std::string> TBuildSession::ExportShown(int sel, const TDisplaySettings& settings) const
{
    const TBuiltSolid* solid = Search.SolidAt(sel);
    return solid != nullptr ? WriteVRML(*solid, DualSolid, settings) : std::vector<std::string>{};
}

TExportScene TBuildSession::DescribeShown(int sel, const TDisplaySettings& settings) const
{
    const TBuiltSolid* solid = Search.SolidAt(sel);
    return solid != nullptr ? ::DescribeShown(*solid, DualSolid, settings) : TExportScene{};
}
