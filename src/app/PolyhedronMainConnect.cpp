// SPDX-License-Identifier: GPL-3.0-or-later
// Every handler of the main window, connected in one place. Combo boxes answer the user
// only (activated); check boxes answer every change of state; the found-solids list answers
// every change of its current row (click, keys, code), and the window's own code blocks
// that signal where it draws the new row itself, so that each change is drawn once; a click
// on the row already current runs its handler too, as a click always has.

#include "app/PolyhedronMain.h"

#include "surface/GlSurface.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

namespace {

// Notes the list's current row as a mouse button goes down on it, before the list moves
// it: the click that follows is on the same row when the row has not changed.
class TRowAtPress : public QObject {
public:
    TRowAtPress(QListWidget* list) : QObject(list), List(list) { list->viewport()->installEventFilter(this); }
    [[nodiscard]] int Row() const { return PressedOn; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            PressedOn = List->currentRow();
        return QObject::eventFilter(watched, event);
    }

private:
    QListWidget* List;
    int PressedOn = -1;
};

}  // namespace

void TFrmPolyhedron::ConnectHandlers()
{
    connect(PolyhedronCbBx, &QComboBox::activated, this, [this] { PolyhedronCbBxChange(); });
    connect(MaxRegPolygonCbBx, &QComboBox::activated, this, [this] { MaxRegPolygonCbBxChange(); });
    connect(SatellatedChBx, &QCheckBox::toggled, this, [this] { MaxRegPolygonCbBxChange(); });
    connect(CBatVertex, &QComboBox::activated, this, [this] { CBatVertexChange(); });
    connect(DualChBx, &QCheckBox::toggled, this, [this] { ViewPNumCbBxClick(); });
    connect(CompoundChBx, &QCheckBox::toggled, this, [this] { ViewPNumCbBxClick(); });
    connect(ViewPNumCbBx, &QListWidget::currentRowChanged, this, [this] { ViewPNumCbBxClick(); });
    const auto* rowAtPress = new TRowAtPress(ViewPNumCbBx);
    connect(ViewPNumCbBx, &QListWidget::itemClicked, this, [this, rowAtPress](QListWidgetItem* item) {
        if (ViewPNumCbBx->row(item) == rowAtPress->Row())
            ViewPNumCbBxClick();
    });

    connect(BuildBtn, &QPushButton::clicked, this, [this] { BuildButtonClick(BuildBtn); });
    connect(StepBuildBtn, &QPushButton::clicked, this, [this] { BuildButtonClick(StepBuildBtn); });
    connect(ResetBuildBtn, &QPushButton::clicked, this, [this] { ResetBuildBtnClick(ResetBuildBtn); });
    connect(VRMLBtn, &QPushButton::clicked, this, [this] { VRMLBtnClick(); });

    for (QPushButton* arrow : {BtnUp, BtnDown, BtnLeft, BtnRight})
        connect(arrow, &QPushButton::clicked, this, [this, arrow] { DirectionButtonClick(arrow); });
    connect(BtnStop, &QPushButton::clicked, this, [this] { BtnStopClick(); });
    connect(AutoChBx, &QCheckBox::toggled, this, [this] { AutoChBxClick(); });
    DXDraw1->DXDraw1MouseMove = [this](Qt::MouseButtons buttons, int x, int y) { DXDraw1MouseMove(buttons, x, y); };
    DXDraw1->DXDraw1Wheel = [this](double notches) { WheelZoom(notches); };
    DXDraw1->DXDraw1Key = [this](int key, Qt::KeyboardModifiers modifiers) { return ViewKey(key, modifiers); };
    DXDraw1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(DXDraw1, &QWidget::customContextMenuRequested, this, &TFrmPolyhedron::ShowViewMenu);

    // The radio groups, "English" and "VRML出力時に直線を浮かす" are connected by LoadSettings
    // once it has set them, so that loading writes nothing.
    for (QComboBox* width : {FWidthCbBx, FWidthCbBx2})
        connect(width, &QComboBox::activated, this, [this] { SaveAndGraphModeChange(); });
    const std::pair<QPushButton*, TColourSwatch*> swatches[] = {{ColChBtnBG, ShapeBG},
                                                                {ColChBtnFF1, ShapeFF1},
                                                                {ColChBtnFB1, ShapeFB1},
                                                                {ColChBtnFF2, ShapeFF2},
                                                                {ColChBtnFB2, ShapeFB2}};
    for (const auto& [button, swatch] : swatches)
        connect(button, &QPushButton::clicked, this, [this, swatch = swatch] { ChangeSwatchColor(swatch); });
    for (int g = 0; g < 3; ++g) {
        const TColourGroupControls& group = ColourGroups[g];
        connect(group.SingleButton, &QPushButton::clicked, this,
                [this, swatch = group.SingleSwatch] { ChangeSwatchColor(swatch); });
        connect(group.SchemeSelector, &QComboBox::activated, this, [this, g] { SchemeSelectorChange(g); });
        connect(group.PaletteButton, &QPushButton::clicked, this, [this, g] { EditGroupColors(g); });
        connect(group.SaveButton, &QPushButton::clicked, this, [this, g] { SaveScheme(g); });
        connect(group.DeleteButton, &QPushButton::clicked, this, [this, g] { DeleteScheme(g); });
    }
}
