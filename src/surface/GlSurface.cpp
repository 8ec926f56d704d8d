// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/GlSurface.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSurfaceFormat>
#include <QWheelEvent>

#include <vector>

namespace {

// Pixels to clip space: x right, y up, depth 0 near ... 1 far to -1 ... 1.
const char* const VertexShader = R"(
attribute vec3 position;
attribute vec4 colour;
uniform vec2 size;
varying vec4 fragmentColour;
void main()
{
    gl_Position = vec4(2.0 * position.x / size.x - 1.0, 1.0 - 2.0 * position.y / size.y, 2.0 * position.z - 1.0, 1.0);
    fragmentColour = colour;
}
)";

const char* const FragmentShader = R"(
varying vec4 fragmentColour;
void main()
{
    gl_FragColor = fragmentColour;
}
)";

void ColourOf(std::uint32_t argb, float out[4])
{
    out[0] = static_cast<float>((argb >> 16) & 0xFFu) / 255.0f;
    out[1] = static_cast<float>((argb >> 8) & 0xFFu) / 255.0f;
    out[2] = static_cast<float>(argb & 0xFFu) / 255.0f;
    out[3] = static_cast<float>((argb >> 24) & 0xFFu) / 255.0f;
}

}  // namespace

void SetDefaultSurfaceFormat()
{
    QSurfaceFormat format;
    format.setDepthBufferSize(24);
    format.setSwapInterval(1);
    // Edges and silhouettes without stair steps; Qt falls back to one sample where the
    // platform offers no multisampling.
    format.setSamples(4);
    QSurfaceFormat::setDefaultFormat(format);
}

TGlSurface::TGlSurface(QWidget* parent) : QOpenGLWidget(parent), TRecordingSurface(0, 0)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);  // a click on the view lets the arrow keys turn it
}

TGlSurface::~TGlSurface()
{
    makeCurrent();
    Program.reset();
    doneCurrent();
}

bool TGlSurface::IsReady() const
{
    return isValid() && width() > 0 && height() > 0;
}

void TGlSurface::Present()
{
    TRecordingSurface::Present();
    update();
}

void TGlSurface::initializeGL()
{
    initializeOpenGLFunctions();
    Program = std::make_unique<QOpenGLShaderProgram>();
    Program->addShaderFromSourceCode(QOpenGLShader::Vertex, VertexShader);
    Program->addShaderFromSourceCode(QOpenGLShader::Fragment, FragmentShader);
    Program->bindAttributeLocation("position", 0);
    Program->bindAttributeLocation("colour", 1);
    Program->link();
}

void TGlSurface::resizeGL(int, int)
{
    if (DXDraw1InitializeSurface)
        DXDraw1InitializeSurface();
}

void TGlSurface::paintGL()
{
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_TRUE);
    // Every fan arrives clockwise on the screen; one that runs the other way is culled.
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CW);
    glCullFace(GL_BACK);
    glDisable(GL_BLEND);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    if (Shown.empty()) {
        glClearColor(1.0f, 1.0f, 1.0f, 1.0f);  // a fresh surface is white
        glClearDepthf(1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        return;
    }
    Replay();
}

void TGlSurface::Replay()
{
    Program->bind();
    Program->setUniformValue("size", static_cast<float>(width()), static_cast<float>(height()));
    std::vector<float> positions;
    std::vector<float> colours;
    for (const TSurfaceCommand& command : Shown) {
        switch (command.Kind) {
        case TSurfaceCommand::TKind::Clear: {
            float c[4];
            ColourOf(command.Colour, c);
            glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
            glClearColor(c[0], c[1], c[2], c[3]);
            glClearDepthf(1.0f);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            // The faces' alpha only blends; the view itself stays opaque when composed.
            glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
            break;
        }
        case TSurfaceCommand::TKind::Blend:
            glEnable(GL_BLEND);
            // Keep the destination's alpha, so that grabbing the widget does not see through it.
            glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ZERO, GL_ONE);
            break;
        case TSurfaceCommand::TKind::NoBlend:
            glDisable(GL_BLEND);
            break;
        case TSurfaceCommand::TKind::Fan: {
            positions.clear();
            colours.clear();
            float c[4];
            ColourOf(command.Colour, c);
            for (const TVector3 p : command.Points) {
                positions.insert(positions.end(),
                                 {static_cast<float>(p.X), static_cast<float>(p.Y), static_cast<float>(p.Z)});
                colours.insert(colours.end(), c, c + 4);
            }
            Program->enableAttributeArray(0);
            Program->enableAttributeArray(1);
            Program->setAttributeArray(0, positions.data(), 3);
            Program->setAttributeArray(1, colours.data(), 4);
            glDrawArrays(GL_TRIANGLE_FAN, 0, static_cast<GLsizei>(command.Points.size()));
            break;
        }
        }
    }
    Program->disableAttributeArray(0);
    Program->disableAttributeArray(1);
    Program->release();
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
}

void TGlSurface::wheelEvent(QWheelEvent* event)
{
    if (!DXDraw1Wheel) {
        QOpenGLWidget::wheelEvent(event);
        return;
    }
    DXDraw1Wheel(event->angleDelta().y() / 120.0);  // a notch of a common wheel is 120
    event->accept();
}

void TGlSurface::keyPressEvent(QKeyEvent* event)
{
    if (DXDraw1Key && DXDraw1Key(event->key(), event->modifiers())) {
        event->accept();
        return;
    }
    QOpenGLWidget::keyPressEvent(event);
}

void TGlSurface::mouseMoveEvent(QMouseEvent* event)
{
    if (DXDraw1MouseMove)
        DXDraw1MouseMove(event->buttons(), static_cast<int>(event->position().x()),
                         static_cast<int>(event->position().y()));
    QOpenGLWidget::mouseMoveEvent(event);
}
