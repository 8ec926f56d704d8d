// SPDX-License-Identifier: GPL-3.0-or-later
// The view's mouse wheel and keys, the help page and the window's title.

#include "app/PolyhedronMain.h"

#include "app/Captions.h"
#include "surface/GlSurface.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMessageBox>

#include <algorithm>
#include <cmath>

namespace {

// How far the wheel zooms in and out from the zoom mode's own size.
constexpr double LeastZoom = 0.2;
constexpr double MostZoom = 8.0;

}  // namespace

void TFrmPolyhedron::WheelZoom(double notches)
{
    ZoomFactor = std::clamp(ZoomFactor * std::pow(1.1, notches), LeastZoom, MostZoom);
    DrawView();
}

bool TFrmPolyhedron::ViewKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_C && (modifiers & Qt::ControlModifier)) {
        CopyViewPicture();
        return true;
    }
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    switch (key) {
    case Qt::Key_Left:
        StepLeft();
        return true;
    case Qt::Key_Right:
        StepRight();
        return true;
    case Qt::Key_Up:
        StepUp();
        return true;
    case Qt::Key_Down:
        StepDown();
        return true;
    default:
        return false;
    }
}

void TFrmPolyhedron::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        ShowHelp();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFrmPolyhedron::ShowHelp()
{
    QMessageBox box(
        QMessageBox::Information, Tr(QT_TRANSLATE_NOOP("Zenkari", "使い方")),
        Tr(QT_TRANSLATE_NOOP("Zenkari", "頂点に集まる正多角形を「個数」と「多角形」で選び、「一括構築」を押すと、"
                                        "その頂点の形で閉じる立体をすべて探します。「構築開始」「構築続行」で"
                                        "1頂点ずつ組み立てるところを見られます。\n"
                                        "「多面体」の一覧から名前のある立体を選ぶこともできます。\n"
                                        "長い一括構築の間も、小さい頂点数上限での探索が終わるたびに"
                                        "その立体が一覧に出ます（「100頂点以下はすべて」など）。"
                                        "「中止」で止め、「再開」で止めたところから続けます。\n\n"
                                        "立体の表示：ドラッグで回転、マウスホイールで拡大・縮小、"
                                        "表示をクリックしたあと矢印キーで回転、Ctrl+Cで画像をコピー、"
                                        "右クリックで展開図の印刷と画像のコピー。\n"
                                        "「VRML出力」：表示中の立体をVRML、OFF、OBJ、STL、glTF、PNG、"
                                        "3Dプリント用のSTLと3MF、展開図のPDFとSVGに書き出します。\n"
                                        "F1：この説明。")),
        QMessageBox::Ok, this);
    box.exec();
}

void TFrmPolyhedron::UpdateWindowTitle()
{
    const QString program = QStringLiteral("Zenkari Ver0.02");
    const TBuiltSolid* solid = Selection() >= 0 ? Session.SolidAt(Selection()) : nullptr;
    const bool shown = solid != nullptr && solid->Raw.VertexCount > 0;
    setWindowTitle(shown ? program + QStringLiteral(" - ") + ShownSolidName() : program);
}
