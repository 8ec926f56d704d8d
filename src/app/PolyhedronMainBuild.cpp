// SPDX-License-Identifier: GPL-3.0-or-later
// The build buttons: a new one-shot build, a new step build, one more step.

#include "app/PolyhedronMain.h"

#include "app/Captions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

void TFrmPolyhedron::ResetBuildBtnClick(QObject* sender)
{
    BuildButtonClick(sender);
}

void TFrmPolyhedron::BuildButtonClick(QObject* sender)
{
    if (Building())
        return;
    if (sender == PolyhedronCbBx || sender == BuildBtn) {
        StartOneShot(sender);
        return;
    }
    // Steps stay on this thread: each press is one vertex and returns.
    const TBuildMode mode = sender == StepBuildBtn ? TBuildMode::Continue : TBuildMode::Start;
    const bool refused = Session.Press(mode, ReadVertexConfiguration(), ReadDisplaySettings(), *MemoPane);
    AfterPress(sender, refused);
}

void TFrmPolyhedron::AfterPress(QObject* sender, bool refused)
{
    const bool catalogue = sender == PolyhedronCbBx;
    if (refused) {
        RefreshFoundList();
        RedrawView();
    } else {
        if (Session.LastPressWasNew())
            FillPolygonTable();
        RefreshFoundList();
        {
            const QSignalBlocker drawnBelow(ViewPNumCbBx);
            if (sender == ResetBuildBtn || sender == StepBuildBtn)
                ViewPNumCbBx->setCurrentRow(0);
            else if (sender == BuildBtn)
                ViewPNumCbBx->setCurrentRow(ListedSolidCount >= 1 ? 1 : 0);
        }
        if (!catalogue) {
            RedrawView();
            ShowSolidFigures(true);
        }
    }
    if (catalogue)
        ShowCatalogueChoice();
    ShowPausedBuild();
}

void TFrmPolyhedron::RefreshFoundList()
{
    const int count = Session.FoundCount();
    // A build still under way (or paused) lists what is known, marked with how far it is complete.
    const int complete = Session.Provisional() ? Session.CompleteUpTo() : 0;
    if (count == ListedSolidCount && complete == ListedCompleteUpTo)
        return;
    // The caller chooses the row and draws it.
    const QSignalBlocker quiet(ViewPNumCbBx);
    ViewPNumCbBx->clear();
    ViewPNumCbBx->addItem(Tr(QT_TRANSLATE_NOOP("Zenkari", "構築中")));
    for (int i = 1; i <= count; ++i)
        ViewPNumCbBx->addItem(Tr(QT_TRANSLATE_NOOP("Zenkari", " %1番目")).arg(i));
    if (complete > 0) {
        // Not a solid: a note that cannot be chosen, after the last one.
        auto* mark = new QListWidgetItem(Tr(QT_TRANSLATE_NOOP("Zenkari", "%1頂点以下はすべて")).arg(complete));
        mark->setFlags(Qt::NoItemFlags);
        mark->setToolTip(
            Tr(QT_TRANSLATE_NOOP("Zenkari", "構築は終わっていませんが、%1頂点以下の立体はこの一覧ですべてです"))
                .arg(complete));
        ViewPNumCbBx->addItem(mark);
    }
    ListedSolidCount = count;
    ListedCompleteUpTo = complete;
}
