// Every handler of the main window, connected in one place. Combo boxes and the list
// answer the user only (activated, clicked); check boxes answer every change of state.

#include "app/PolyhedronMain.h"

#include "surface/GlSurface.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

void TFrmPolyhedron::ConnectHandlers()
{
    connect(PolyhedronCbBx, &QComboBox::activated, this, [this] { PolyhedronCbBxChange(); });
    connect(EngCkBx, &QCheckBox::toggled, this, [this] { EngCkBxClick(); });
    connect(MaxRegPolygonCbBx, &QComboBox::activated, this, [this] { MaxRegPolygonCbBxChange(); });
    connect(SatellatedChBx, &QCheckBox::toggled, this, [this] { MaxRegPolygonCbBxChange(); });
    connect(CBatVertex, &QComboBox::activated, this, [this] { CBatVertexChange(); });
    connect(DualChBx, &QCheckBox::toggled, this, [this] { ViewPNumCbBxClick(); });
    connect(CompoundChBx, &QCheckBox::toggled, this, [this] { ViewPNumCbBxClick(); });
    connect(ViewPNumCbBx, &QListWidget::itemClicked, this, [this] { ViewPNumCbBxClick(); });
    connect(ViewPNumCbBx, &QListWidget::itemActivated, this, [this] { ViewPNumCbBxClick(); });

    connect(BuildBtn, &QPushButton::clicked, this, [this] { BuildButtonClick(BuildBtn); });
    connect(StepBuildBtn, &QPushButton::clicked, this, [this] { BuildButtonClick(StepBuildBtn); });
    connect(ResetBuildBtn, &QPushButton::clicked, this, [this] { ResetBuildBtnClick(ResetBuildBtn); });
    connect(VRMLBtn, &QPushButton::clicked, this, [this] { VRMLBtnClick(); });

    for (QPushButton* arrow : {BtnUp, BtnDown, BtnLeft, BtnRight})
        connect(arrow, &QPushButton::clicked, this, [this, arrow] { DirectionButtonClick(arrow); });
    connect(BtnStop, &QPushButton::clicked, this, [this] { BtnStopClick(); });
    connect(AutoChBx, &QCheckBox::toggled, this, [this] { AutoChBxClick(); });
    DXDraw1->DXDraw1MouseMove = [this](Qt::MouseButtons buttons, int x, int y) { DXDraw1MouseMove(buttons, x, y); };

    for (QButtonGroup* group : {SkeltonRdGp, PersModeRdbx, AlphaRdBx, AlphaRdBx2, ZoomRdBx, LightModeRdBx})
        connect(group, &QButtonGroup::idClicked, this, [this] { GraphmodeChange(); });
    for (QComboBox* width : {FWidthCbBx, FWidthCbBx2})
        connect(width, &QComboBox::activated, this, [this] { GraphmodeChange(); });
    const std::pair<QPushButton*, TColourSwatch*> swatches[] = {
        {ColChBtnBG, ShapeBG}, {ColChBtnFF1, ShapeFF1}, {ColChBtnFB1, ShapeFB1}, {ColChBtnFF2, ShapeFF2}, {ColChBtnFB2, ShapeFB2}};
    for (const auto& [button, swatch] : swatches)
        connect(button, &QPushButton::clicked, this, [this, swatch = swatch] { ChangeSwatchColor(swatch); });
    for (TColourGroupControls& group : ColourGroups) {
        connect(group.MonoCheck, &QCheckBox::toggled, this, [this] { GraphmodeChange(); });
        connect(group.SingleButton, &QPushButton::clicked, this,
                [this, swatch = group.SingleSwatch] { ChangeSwatchColor(swatch); });
    }
}
