#include "construction/BuildDriver.h"

#include "common/NumberFormat.h"

void AppendRadiusLines(const TPreparation& engine, TInfoPane& pane)
{
    pane.AppendLine("1頂点に接する稜の端点の外接円半径:");
    pane.AppendLine("　　" + FormatGeneral(engine.NeighbourRadius));
    pane.AppendLine("準正多面体の外接球半径（存在するなら）:");
    pane.AppendLine("　　" + FormatGeneral(engine.SphereRadius));
    pane.AppendLine("頂点周辺の構造から、この二つの値を自動計算しました（双対図形の場合は、元の立体における数値のことです）。");
    pane.AppendLine("これらを元に立体の構築を開始します。");
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

bool TBuildDriver::Press(TBuild& engine, const TVertexConfiguration& config, TInfoPane& pane,
                         TSearchControl* control)
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
