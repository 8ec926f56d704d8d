#pragma once
// A small window that builds one configuration and shows it in the OpenGL view, turned
// with the arrow keys: the renderer at work before the main window exists, and the way
// screenshots of it are made.

#include "common/DisplaySettings.h"
#include "construction/BuildDriver.h"
#include "surface/GlSurface.h"
#include "view/FrameDrawing.h"

#include <QWidget>

#include <memory>
#include <string>

class TViewerWindow : public QWidget {
public:
    TViewerWindow(std::unique_ptr<TBuild> engine, int pick, const TDisplaySettings& settings);

    void Redraw();
    // Turns about the vertical, then the horizontal screen axis, by angle radians each.
    void TurnBy(double angle);
    // Waits (events only, bounded) until the view can draw, draws, and saves a PNG;
    // false with the reason in why when it cannot.
    [[nodiscard]] bool SavePicture(const QString& path, std::string& why);

    TDisplaySettings Settings;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<TBuild> Engine;
    TGlSurface* View;
    TLinePane Pane;
    TFrameMarks Marks;
    TMatrix3 ViewMatrix{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    int Pick;
};
