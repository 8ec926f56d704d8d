// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/BuildSession.h"

#include "common/Messages.h"
#include "common/NumberFormat.h"
#include "construction/ConfigurationText.h"
#include "construction/Dual.h"
#include "export/PolyhedronVRML.h"
#include "measure/PolyhedronCalc.h"

#include <cmath>


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

// Two lists hold the same solid when one branch of the search built both: searches of one
// configuration at different limits place the same vertices in the same order along it.
bool SameBuiltSolid(const TBuiltSolid& a, const TBuiltSolid& b)
{
    const TPolyFace& p = a.Raw;
    const TPolyFace& q = b.Raw;
    if (p.VertexCount != q.VertexCount || p.FaceCount != q.FaceCount)
        return false;
    for (int i = 0; i < p.VertexCount; ++i) {
        const TVector3 d = SubtractVectors(p.Vertices[i], q.Vertices[i]);
        if (std::abs(d.X) > 1e-9 || std::abs(d.Y) > 1e-9 || std::abs(d.Z) > 1e-9)
            return false;
    }
    return true;
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

const TBuiltSolid* TBuildSession::SolidAt(int listPosition) const
{
    const int own = Search.FoundCount();
    if (listPosition <= own)
        return Search.SolidAt(listPosition);
    const int kept = listPosition - own - 1;
    return kept < static_cast<int>(KeptSolids.size()) ? &KeptSolids[static_cast<std::size_t>(kept)] : nullptr;
}

bool TBuildSession::CanResume() const
{
    return OneShotRun && !HeldGeometry && Step >= 1 && !Search.Ended(Step);
}

std::vector<TBuiltSolid> TBuildSession::ShownSolids() const
{
    std::vector<TBuiltSolid> shown;
    for (int pos = 1; pos <= FoundCount(); ++pos)
        shown.push_back(*SolidAt(pos));
    return shown;
}

void TBuildSession::KeepShownBeside(std::vector<TBuiltSolid> shown)
{
    KeptSolids.clear();
    for (TBuiltSolid& solid : shown) {
        bool listed = false;
        for (int pos = 1; pos <= Search.FoundCount() && !listed; ++pos)
            listed = SameBuiltSolid(solid, *Search.SolidAt(pos));
        if (!listed)
            KeptSolids.push_back(std::move(solid));
    }
}

void TBuildSession::ForgetKept()
{
    KeptSolids.clear();
    HeldGeometry.reset();
    ListProvisional = false;
    CompleteLimit = 0;
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
    if (Step < 1) {
        // A new step build: nothing of an earlier one-shot build stays on show.
        ForgetKept();
        OneShotRun = false;
    }
    const bool refused = PressOnce(Search, Step, config, pane, nullptr);
    AfterPress(refused);
    if (ListProvisional) {
        // Stepping a paused one-shot build on: what it finds leaves the kept list.
        KeepShownBeside(std::move(KeptSolids));
        if (Search.Ended(Step))
            ForgetKept();
    }
    return refused;
}

void TBuildSession::TakeSearch(TOneShotBuild& build, TInfoPane& pane)
{
    BeforePress(TBuildMode::OneShot, TDisplaySettings{});
    Search = std::move(build.Search);
    build.Search = TSearch();
    HeldGeometry.reset();
    Step = build.Step;
    ShownConfig = ConfigurationText(build.Config);
    pane.Clear();
    for (const std::string& line : build.Pane.Lines)
        pane.AppendLine(line);
    AfterPress(build.Refused);
}

bool TBuildSession::Adopt(TOneShotBuild& build, TInfoPane& pane)
{
    // A paused build of the configuration on show keeps what the list showed of it (what a
    // search at a smaller limit found, or it before it was carried on); any other build
    // replaces the list.
    std::vector<TBuiltSolid> shown;
    if (ListProvisional && ConfigurationText(build.Config) == ShownConfig)
        for (TBuiltSolid& solid : ShownSolids())
            if (solid.Raw.VertexCount <= build.Config.VertexLimit)
                shown.push_back(std::move(solid));
    const int complete = CompleteLimit;
    ForgetKept();
    TakeSearch(build, pane);
    RunConfig = build.Config;
    RunPaneLines = build.Pane.Lines;
    OneShotRun = !build.Refused;
    if (build.Refused)
        return true;
    if (Search.Ended(Step)) {
        CompleteLimit = build.Config.VertexLimit;
        return false;
    }
    ListProvisional = true;
    CompleteLimit = complete;
    KeepShownBeside(std::move(shown));
    if (CompleteLimit > 0)
        pane.AppendLine(Text(TMessage::CompleteUpTo, std::to_string(CompleteLimit)));
    return false;
}

void TBuildSession::AdoptStage(TOneShotBuild& stage, int limit, TInfoPane& pane)
{
    std::vector<TBuiltSolid> shown;
    if (ListProvisional && ConfigurationText(stage.Config) == ShownConfig)
        shown = ShownSolids();
    ForgetKept();
    TakeSearch(stage, pane);
    OneShotRun = false;  // the search on show is not the build under way
    ListProvisional = true;
    CompleteLimit = limit;
    KeepShownBeside(std::move(shown));
    pane.AppendLine(Text(TMessage::CompleteUpTo, std::to_string(limit)));
}

bool TBuildSession::Release(TOneShotBuild& build)
{
    if (!CanResume())
        return true;
    std::vector<TBuiltSolid> shown = ShownSolids();
    const int complete = CompleteLimit;
    HeldGeometry = Search.SolidAt(0)->Geometry;
    build.Search = std::move(Search);
    Search = TSearch();
    build.Config = RunConfig;
    // Its lines go on from where it paused, without the word that it did.
    build.Pane.Lines = std::move(RunPaneLines);
    if (!build.Pane.Lines.empty() && build.Pane.Lines.back() == Text(TMessage::Stopped))
        build.Pane.Lines.pop_back();
    build.Step = Step;
    build.Refused = false;
    Step = 0;
    KeptSolids = std::move(shown);
    ListProvisional = true;
    CompleteLimit = complete;
    OneShotRun = false;
    return false;
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
    const TBuiltSolid* solid = SolidAt(sel);
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
    const TBuiltSolid* solid = SolidAt(sel);
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
        AppendDualReport(DualSolid, Geometry().PolygonCount, pane);
        FrameMarks.DualReportShown = true;
    }
}

void TBuildSession::Draw(int sel, const TDrawTarget& target) const
{
    DrawFrame(TFrameContent{SolidAt(sel), DualSolid, CompoundSolid, Geometry().SphereRadius}, target);
}

std::vector<std::string> TBuildSession::ExportShown(int sel, const TDisplaySettings& settings) const
{
    const TBuiltSolid* solid = SolidAt(sel);
    return solid != nullptr ? WriteVRML(*solid, DualSolid, settings) : std::vector<std::string>{};
}

TExportScene TBuildSession::DescribeShown(int sel, const TDisplaySettings& settings) const
{
    const TBuiltSolid* solid = SolidAt(sel);
    return solid != nullptr ? ::DescribeShown(*solid, DualSolid, settings) : TExportScene{};
}
