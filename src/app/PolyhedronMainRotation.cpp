// SPDX-License-Identifier: GPL-3.0-or-later
// Turning the solid: arrow buttons, auto rotation by the timer, dragging with the mouse.

#include "app/PolyhedronMain.h"

#include "surface/GlSurface.h"

#include <QCheckBox>
#include <QPushButton>

#include <algorithm>

void TFrmPolyhedron::StepUp()
{
    MultiplyMatrixInto(StepUpMatrix, ViewMatrix);
    DrawView();
}

void TFrmPolyhedron::StepDown()
{
    MultiplyMatrixInto(StepDownMatrix, ViewMatrix);
    DrawView();
}

void TFrmPolyhedron::StepLeft()
{
    MultiplyMatrixInto(StepLeftMatrix, ViewMatrix);
    DrawView();
}

void TFrmPolyhedron::StepRight()
{
    MultiplyMatrixInto(StepRightMatrix, ViewMatrix);
    DrawView();
}

void TFrmPolyhedron::DirectionButtonClick(QObject* sender)
{
    if (!AutoChBx->isChecked()) {
        if (sender == BtnUp)
            StepUp();
        else if (sender == BtnDown)
            StepDown();
        else if (sender == BtnLeft)
            StepLeft();
        else if (sender == BtnRight)
            StepRight();
        return;
    }
    // With auto rotation the click chooses the direction; the next tick makes the first step.
    StopAutoRotation();
    AutoTiltUp = sender == BtnUp;
    AutoTiltDown = sender == BtnDown;
    AutoTurnLeft = sender == BtnLeft;
    AutoTurnRight = sender == BtnRight;
}

void TFrmPolyhedron::BtnStopClick()
{
    StopAutoRotation();
}

void TFrmPolyhedron::AutoChBxClick()
{
    if (!AutoChBx->isChecked())
        StopAutoRotation();
}

void TFrmPolyhedron::StopAutoRotation()
{
    AutoTurnRight = AutoTurnLeft = AutoTiltUp = AutoTiltDown = false;
}

void TFrmPolyhedron::TimerDownTimer()
{
    const int width = DXDraw1->SurfaceWidth();
    const int height = DXDraw1->SurfaceHeight();
    const bool resized = width != LastSurfaceWidth || height != LastSurfaceHeight;
    LastSurfaceWidth = width;
    LastSurfaceHeight = height;
    if (AutoTurnLeft)
        StepLeft();
    else if (AutoTurnRight)
        StepRight();
    else if (AutoTiltUp)
        StepUp();
    else if (AutoTiltDown)
        StepDown();
    else if (resized)
        DrawView();
}

void TFrmPolyhedron::DXDraw1MouseMove(Qt::MouseButtons buttons, int x, int y)
{
    if (!(buttons & Qt::LeftButton)) {
        Dragging = false;
        return;
    }
    if (!Dragging) {
        DragStartX = x;
        DragStartY = y;
        DragStartMatrix = ViewMatrix;
        Dragging = true;
        return;
    }
    // Always from the drag's start, turn first and tilt second: a full side is half a turn.
    const double size = std::max(1, std::min(DXDraw1->SurfaceWidth(), DXDraw1->SurfaceHeight()));
    ViewMatrix = DragStartMatrix;
    MultiplyMatrixInto(TurnMatrix((x - DragStartX) / size * M_PI), ViewMatrix);
    MultiplyMatrixInto(TiltMatrix((y - DragStartY) / size * M_PI), ViewMatrix);
    DrawView();
}
