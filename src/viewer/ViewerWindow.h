// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small window that builds one configuration and shows it in the OpenGL view, turned
// with the arrow keys: the renderer at work before the main window exists, and the way
// screenshots of it are made.

#include "common/DisplaySettings.h"
#include "common/Result.h"
#include "session/BuildSession.h"
#include "surface/GlSurface.h"

#include <QWidget>

#include <memory>
#include <string>

class TViewerWindow : public QWidget {
public:
    TViewerWindow(std::unique_ptr<TBuildSession> session, int pick, const TDisplaySettings& settings);

    void Redraw();
    // Turns about the vertical, then the horizontal screen axis, by angle radians each.
    void TurnBy(double angle);
    // Waits (events only, bounded) until the view can draw, draws, and saves a PNG;
    // else the reason it cannot.
    [[nodiscard]] TResult SavePicture(const QString& path);

    TDisplaySettings Settings;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<TBuildSession> Session;
    TGlSurface* View;
    TLinePane Pane;
    TMatrix3 ViewMatrix{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    int Pick;
};
