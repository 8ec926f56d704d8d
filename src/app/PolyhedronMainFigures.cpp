// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of the outer surface on the solid-information page: what the solid
// encloses and the area of the surface round it. Forming that surface takes up to some
// twenty seconds and cannot be interrupted, so it runs on a detached worker from a copy
// of the solid; the labels say it is being worked out meanwhile, and an answer is shown
// only while its own solid is still the one on show. Closing the window abandons the
// work under way: its answer then goes nowhere.

#include "app/PolyhedronMain.h"

#include "app/Captions.h"
#include "common/NumberFormat.h"

#include <QCheckBox>
#include <QLabel>

#include <exception>

namespace {

const char* const EnclosedVolumeHeading = QT_TRANSLATE_NOOP("Zenkari", "囲む体積：");
const char* const OuterAreaHeading = QT_TRANSLATE_NOOP("Zenkari", "外側の表面積：");

}  // namespace

void TFrmPolyhedron::SetOuterFigureTexts(const QString& volume, const QString& area, const QString& why)
{
    LblEnclosedVolume->setText(Tr(EnclosedVolumeHeading) + volume);
    LblOuterArea->setText(Tr(OuterAreaHeading) + area);
    LblEnclosedVolume->setToolTip(why);
    LblOuterArea->setToolTip(why);
}

void TFrmPolyhedron::ShowOuterFigures(bool areaBlank)
{
    FiguresAwaited.reset();
    const TBuiltSolid* solid = Session.SolidAt(Selection());
    // As the surface area and the volume: nothing for the solid under construction or a dual.
    if (areaBlank || DualChBx->isChecked() || solid == nullptr || solid->Raw.FaceCount == 0) {
        SetOuterFigureTexts(QString(), QString(), QString());
        return;
    }
    TSolidKey key(solid->Raw);
    if (const TOuterFiguresAnswer* known = FiguresKnown.Find(key)) {
        ShowOuterAnswer(*known);
        return;
    }
    const QString computing = Tr(QT_TRANSLATE_NOOP("Zenkari", "計算中…"));
    SetOuterFigureTexts(computing, computing, QString());
    if (!FiguresPosted || !(*FiguresPosted == key))
        PostOuterFigures(*solid, key);
    FiguresAwaited = std::move(key);
}

void TFrmPolyhedron::PostOuterFigures(const TBuiltSolid& solid, const TSolidKey& key)
{
    FiguresPosted = key;
    // The job holds copies only (the solid, its key, how to form the figures): the window
    // may be gone long before it ends.
    FiguresWorker.Post(
        [solid, key, form = FormEnclosedFigures, window = this](const TDetachedWorker::THandOver& handOver) {
            TOuterFiguresAnswer answer{key, TResult::Success(), {}};
            try {
                answer.Formed = form(solid, answer.Figures);
            } catch (const std::exception& error) {
                answer.Formed = TResult::Failure(error.what());
            }
            // While the hand-over runs the window cannot go; the call waits in its queue and
            // leaves with it if the window goes before it is delivered.
            (void)handOver([&] {
                QMetaObject::invokeMethod(
                    window, [window, answer = std::move(answer)] { window->OuterFiguresArrived(answer); },
                    Qt::QueuedConnection);
            });
        });
}

void TFrmPolyhedron::OuterFiguresArrived(TOuterFiguresAnswer answer)
{
    if (FiguresPosted && *FiguresPosted == answer.Solid)
        FiguresPosted.reset();
    const bool awaited = FiguresAwaited && *FiguresAwaited == answer.Solid;
    FiguresKnown.Add(std::move(answer));  // right for its solid even when that is no longer shown
    if (!awaited)
        return;
    ShowOuterAnswer(*FiguresKnown.Find(*FiguresAwaited));
    FiguresAwaited.reset();
}

void TFrmPolyhedron::ShowOuterAnswer(const TOuterFiguresAnswer& answer)
{
    if (answer.Formed.Failed()) {
        const QString dash = QStringLiteral("―");
        SetOuterFigureTexts(dash, dash,
                            Tr(QT_TRANSLATE_NOOP("Zenkari", "外側の面を求められませんでした：%1"))
                                .arg(QString::fromStdString(answer.Formed.Error)));
        return;
    }
    SetOuterFigureTexts(QString::fromStdString(FormatGeneral(answer.Figures.Volume)),
                        QString::fromStdString(FormatGeneral(answer.Figures.Area)), QString());
}
