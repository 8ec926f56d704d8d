// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/ViewerWindow.h"

#include "common/CarefulWrite.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QVBoxLayout>

TViewerWindow::TViewerWindow(std::unique_ptr<TBuildSession> session, int pick, const TDisplaySettings& settings)
    : Settings(settings), Session(std::move(session)), View(new TGlSurface(this)), Pick(pick)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(View);
    View->DXDraw1InitializeSurface = [this] { Redraw(); };
    Session->Show(Pick, Settings, Pane);
    setWindowTitle(QStringLiteral("Zenkari — ") + QString::fromStdString(std::to_string(Session->FoundCount()))
                   + QStringLiteral(" solids"));
    resize(600, 600);
}

void TViewerWindow::Redraw()
{
    Session->Draw(Pick, TDrawTarget{*View, Settings, ViewMatrix});
}

void TViewerWindow::TurnBy(double angle)
{
    MultiplyMatrixInto(TurnMatrix(angle), ViewMatrix);
    MultiplyMatrixInto(TiltMatrix(angle), ViewMatrix);
}

void TViewerWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        MultiplyMatrixInto(TiltMatrix(-RotationStep), ViewMatrix);
        break;
    case Qt::Key_Down:
        MultiplyMatrixInto(TiltMatrix(RotationStep), ViewMatrix);
        break;
    case Qt::Key_Left:
        MultiplyMatrixInto(TurnMatrix(-RotationStep), ViewMatrix);
        break;
    case Qt::Key_Right:
        MultiplyMatrixInto(TurnMatrix(RotationStep), ViewMatrix);
        break;
    case Qt::Key_D:
        Settings.DualShown = !Settings.DualShown;
        Session->SelectionChanged(Settings);
        Session->Show(Pick, Settings, Pane);
        break;
    case Qt::Key_C:
        Settings.CompoundShown = !Settings.CompoundShown;
        Session->SelectionChanged(Settings);
        Session->Show(Pick, Settings, Pane);
        break;
    case Qt::Key_M:
        Settings.SurfaceMode = (Settings.SurfaceMode + 1) % 5;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    Redraw();
}

TResult TViewerWindow::SavePicture(const QString& path)
{
    for (int i = 0; i < 200 && !View->IsReady(); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    if (!View->IsReady())
        return TResult::Failure("the OpenGL view could not be made");
    Redraw();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!View->grabFramebuffer().save(&buffer, "PNG"))
        return TResult::Failure("the picture could not be encoded");
    return WriteFileCarefully(path.toStdString(),
                              std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}
