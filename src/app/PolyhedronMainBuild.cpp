// The build buttons: a new one-shot build, a new step build, one more step.

#include "app/PolyhedronMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

void TFrmPolyhedron::ResetBuildBtnClick(QObject* sender)
{
    Driver.BuildStep = 0;
    BuildButtonClick(sender);
}

void TFrmPolyhedron::BuildButtonClick(QObject* sender)
{
    const bool catalogue = sender == PolyhedronCbBx;
    const bool stepping = sender == StepBuildBtn;
    if (catalogue || sender == BuildBtn)
        Driver.BuildStep = OneShotStep;
    if (stepping && Driver.BuildStep == OneShotStep)
        Driver.BuildStep = 0;
    // After an abandoned dual a step does not try the dual again.
    const bool keepDual = stepping && Marks.DualAborted && (DualChBx->isChecked() || CompoundChBx->isChecked());
    Marks.DualBuilt = keepDual;
    Marks.CompoundBuilt = keepDual;

    const bool fresh = Driver.BuildStep < 1;
    const bool oneShot = Driver.BuildStep == OneShotStep;
    if (oneShot)
        QApplication::setOverrideCursor(Qt::WaitCursor);  // a long search must not look frozen
    const bool refused = Driver.Press(*Engine, ReadVertexConfiguration(), *MemoPane);
    if (oneShot)
        QApplication::restoreOverrideCursor();
    if (refused) {
        RefreshFoundList();
        RedrawView();
        return;
    }
    if (fresh) {
        FillPolygonTable();
        Marks.DualReportShown = false;
    }
    RefreshFoundList();
    {
        const QSignalBlocker drawnBelow(ViewPNumCbBx);
        if (sender == ResetBuildBtn || stepping)
            ViewPNumCbBx->setCurrentRow(0);
        else if (sender == BuildBtn)
            ViewPNumCbBx->setCurrentRow(ListedSolidCount >= 1 ? 1 : 0);
    }
    if (!catalogue) {
        RedrawView();
        ShowSolidFigures(true);
    }
}

void TFrmPolyhedron::RefreshFoundList()
{
    const int count = Engine->FoundCount;
    if (count == ListedSolidCount)
        return;
    // The caller chooses the row and draws it.
    const QSignalBlocker quiet(ViewPNumCbBx);
    ViewPNumCbBx->clear();
    ViewPNumCbBx->addItem(QStringLiteral("構築中"));
    for (int i = 1; i <= count; ++i)
        ViewPNumCbBx->addItem(QStringLiteral(" %1番目").arg(i));
    ListedSolidCount = count;
}
