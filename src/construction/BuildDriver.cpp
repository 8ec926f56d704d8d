#include "construction/BuildDriver.h"

#include "common/Messages.h"
#include "common/NumberFormat.h"

void AppendRadiusLines(const TPreparation& engine, TInfoPane& pane)
{
    pane.AppendLine(Text(TMessage::NeighbourRadiusHeading));
    pane.AppendLine("　　" + FormatGeneral(engine.NeighbourRadius));
    pane.AppendLine(Text(TMessage::SphereRadiusHeading));
    pane.AppendLine("　　" + FormatGeneral(engine.SphereRadius));
    pane.AppendLine(Text(TMessage::RadiiExplained));
    pane.AppendLine(Text(TMessage::BuildStarts));
    pane.AppendLine(SeparatorLine);
}

bool TBuildDriver::BuildAll(TBuild& engine, const TVertexConfiguration& config, TInfoPane& pane,
                            TSearchControl* control)
{
    BuildStep = OneShotStep;
    return Press(engine, config, pane, control);
}

bool TBuildDriver::StartSteps(TBuild& engine, const TVertexConfiguration& config, TInfoPane& pane)
{
    BuildStep = 0;
    return Press(engine, config, pane);
}

bool TBuildDriver::ContinueSteps(TBuild& engine, const TVertexConfiguration& config, TInfoPane& pane)
{
    if (BuildStep == OneShotStep)
        BuildStep = 0;
    return Press(engine, config, pane);
}

void TBuildDriver::ResumeOneShot(TBuild& engine, TInfoPane& pane, TSearchControl& control)
{
    BuildStep = OneShotStep;
    engine.Search(BuildStep, pane, &control);
}

bool TBuildDriver::Press(TBuild& engine, const TVertexConfiguration& config, TInfoPane& pane, TSearchControl* control)
{
    if (BuildStep < 1) {
        pane.Clear();
        if (engine.Prepare(config, pane))
            return true;
        AppendRadiusLines(engine, pane);
    }
    engine.Search(BuildStep, pane, control);
    return false;
}
