// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing surface on screen: an OpenGL widget that records a frame as the recording
// surface does and replays it in paintGL(), so every frame shown can also be dumped.

#include "surface/RecordingSurface.h"

#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>
#include <QOpenGLWidget>

#include <functional>
#include <memory>

class TGlSurface : public QOpenGLWidget, public TRecordingSurface, protected QOpenGLFunctions {
public:
    explicit TGlSurface(QWidget* parent = nullptr);
    ~TGlSurface() override;

    [[nodiscard]] bool IsReady() const override;
    [[nodiscard]] int SurfaceWidth() const override { return width(); }
    [[nodiscard]] int SurfaceHeight() const override { return height(); }
    // Keeps the frame and asks for a repaint; the widget shows it at the next vertical blank.
    void Present() override;

    // Called after the surface has been (re)created at a new size.
    std::function<void()> DXDraw1InitializeSurface;
    // Mouse movement over the view: buttons held and position in surface pixels.
    std::function<void(Qt::MouseButtons, int, int)> DXDraw1MouseMove;
    // The wheel turned over the view, in notches (positive away from the user).
    std::function<void(double)> DXDraw1Wheel;
    // A key pressed while the view has the focus; true when it was used.
    std::function<bool(int key, Qt::KeyboardModifiers)> DXDraw1Key;

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Replay();
    std::unique_ptr<QOpenGLShaderProgram> Program;
};

// The surface format every OpenGL view wants: depth buffer and vsync. Set before the
// application object is made.
void SetDefaultSurfaceFormat();
