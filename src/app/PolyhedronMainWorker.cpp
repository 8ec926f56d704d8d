// SPDX-License-Identifier: GPL-3.0-or-later
// One-shot builds through the build runner. The search runs on its own and touches no Qt
// object; the window shows its progress after a short while, can ask it to pause ("中止"),
// and, told by the worker that it is done, takes the finished build over in one piece.

#include "app/PolyhedronMain.h"

#include "app/Captions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

using TClock = std::chrono::steady_clock;

}  // namespace

void TFrmPolyhedron::CreateProgressPanel()
{
    ProgressPanel = new QWidget(this);
    auto* row = new QHBoxLayout(ProgressPanel);
    row->setContentsMargins(4, 1, 4, 1);
    ProgressLbl = new QLabel(ProgressPanel);
    row->addWidget(ProgressLbl, 1);
    StopBuildBtn = Captioned(new QPushButton(ProgressPanel), QT_TRANSLATE_NOOP("Zenkari", "中止"),
                             QT_TRANSLATE_NOOP("Zenkari", "構築を一時中止します。「構築続行」で続きを調べられます"));
    StopBuildBtn->setFixedSize(50, 20);
    row->addWidget(StopBuildBtn);
    ResumeBuildBtn = Captioned(new QPushButton(ProgressPanel), QT_TRANSLATE_NOOP("Zenkari", "再開"),
                               QT_TRANSLATE_NOOP("Zenkari", "中止した一括構築を、止めたところから続けます"));
    ResumeBuildBtn->setFixedSize(50, 20);
    ResumeBuildBtn->hide();
    row->addWidget(ResumeBuildBtn);
    ProgressPanel->hide();
    ProgressTimer = new QTimer(this);
    ProgressTimer->setInterval(100);
    connect(ProgressTimer, &QTimer::timeout, this, [this] { ProgressTimerTimer(); });
    connect(StopBuildBtn, &QPushButton::clicked, this, [this] { StopBuildBtnClick(); });
    connect(ResumeBuildBtn, &QPushButton::clicked, this, [this] { ResumeBuildBtnClick(); });
}

TBuildRunner::TDone TFrmPolyhedron::QueuedOnWindow(void (TFrmPolyhedron::*handler)())
{
    return [this, handler] {
        QMetaObject::invokeMethod(
            this, [this, handler] { (this->*handler)(); }, Qt::QueuedConnection);
    };
}

void TFrmPolyhedron::StartOneShot(QObject* sender)
{
    RunningSender = sender;
    RunningSince = TClock::now();
    // A short build is over before anyone could notice: it runs here, in a slice, and
    // costs no thread. A longer one goes on from where the slice ended, on the worker,
    // which tells the window when it is done.
    TBuildSlice slice;
    if (SyncBuildSteps >= 0)
        slice.Steps = SyncBuildSteps;
    else if (SyncBuildWaitMs >= 0)
        slice.Wait = std::chrono::milliseconds(SyncBuildWaitMs);
    if (Runner.Start(ReadVertexConfiguration(), slice, QueuedOnWindow(&TFrmPolyhedron::OneShotDone),
                     QueuedOnWindow(&TFrmPolyhedron::StageDone))) {
        FinishOneShot(*Runner.Take());
        return;
    }
    MemoPane->Clear();  // a new build has begun; its lines come when it is done
    SetBuilding(true);
    ProgressTimerTimer();
    ProgressTimer->start();
}

void TFrmPolyhedron::ResumeBuildBtnClick()
{
    if (Building() || Exporting())
        return;
    auto build = std::make_unique<TOneShotBuild>(TVertexConfiguration{});
    if (Session.Release(*build))
        return;
    RunningSender = BuildBtn;
    RunningSince = TClock::now();
    Runner.Resume(std::move(build), QueuedOnWindow(&TFrmPolyhedron::OneShotDone),
                  QueuedOnWindow(&TFrmPolyhedron::StageDone));
    SetBuilding(true);
    ProgressTimerTimer();
    ProgressTimer->start();
}

void TFrmPolyhedron::OneShotDone()
{
    if (!Building())
        return;
    ProgressTimer->stop();
    SetBuilding(false);
    const bool refused = AdoptFinished(Runner, Session, *MemoPane);
    AfterPress(RunningSender, refused);
}

void TFrmPolyhedron::StageDone()
{
    if (!Building())
        return;  // the build is over: its own list replaces the smaller one
    int limit = 0;
    const std::unique_ptr<TOneShotBuild> stage = Runner.TakeStage(limit);
    if (!stage)
        return;
    // The row shown stays where it was, unless nothing was shown yet.
    const int row = ViewPNumCbBx->currentRow();
    Session.AdoptStage(*stage, limit, *MemoPane);
    FillPolygonTable();
    RefreshFoundList();
    {
        const QSignalBlocker drawnBelow(ViewPNumCbBx);
        ViewPNumCbBx->setCurrentRow(row >= 1 && row <= ListedSolidCount ? row : ListedSolidCount >= 1 ? 1 : 0);
    }
    EnableListedSolidControls(true);
    RedrawView();
    ShowSolidFigures(true);
}

void TFrmPolyhedron::ProgressTimerTimer()
{
    if (!Building())
        return;
    const double seconds = std::chrono::duration<double>(TClock::now() - RunningSince).count();
    const TSearchControl& control = Runner.Progress();
    ProgressLbl->setText(
        Tr(QT_TRANSLATE_NOOP("Zenkari", "構築中：頂点を%1回試行・いまの頂点数 %2・見つかった立体 %3個・%4秒"))
            .arg(control.Completions.load(std::memory_order_relaxed))
            .arg(control.Vertices.load(std::memory_order_relaxed))
            .arg(control.Found.load(std::memory_order_relaxed))
            .arg(seconds, 0, 'f', 1)
        + CompleteUpToText(Runner.CompleteUpTo()));
}

QString TFrmPolyhedron::CompleteUpToText(int limit) const
{
    if (limit <= 0)
        return {};
    // Joined to the line as its other parts are: "・" in Japanese, ", " in English.
    const QString joint = InterfaceLanguage() == TLanguage::Japanese ? QStringLiteral("・") : QStringLiteral(", ");
    return joint + Tr(QT_TRANSLATE_NOOP("Zenkari", "%1頂点以下はすべて")).arg(limit);
}

void TFrmPolyhedron::ShowPausedBuild()
{
    // A paused one-shot build can be carried on from where it stopped.
    if (Building() || Exporting())
        return;
    const bool paused = Session.CanResume();
    StopBuildBtn->setVisible(!paused);
    ResumeBuildBtn->setVisible(paused);
    ProgressPanel->setVisible(paused);
    if (paused)
        ProgressLbl->setText(Tr(QT_TRANSLATE_NOOP("Zenkari", "一括構築を中止しています"))
                             + CompleteUpToText(Session.CompleteUpTo()));
    else
        ProgressLbl->clear();
}

void TFrmPolyhedron::StopBuildBtnClick()
{
    Runner.RequestStop();
}

void TFrmPolyhedron::FinishOneShot(TOneShotBuild& build)
{
    const bool refused = Session.Adopt(build, *MemoPane);
    AfterPress(RunningSender, refused);
}

void TFrmPolyhedron::EnableShownSolidControls(bool enabled)
{
    // What would change the configuration, the build or the solid shown; turning the view,
    // the pages and the pane stay live.
    TopPanel->setEnabled(enabled);
    for (QWidget* control : std::initializer_list<QWidget*>{BuildBtn, ResetBuildBtn, StepBuildBtn})
        control->setEnabled(enabled);
    EnableListedSolidControls(enabled);
}

void TFrmPolyhedron::EnableListedSolidControls(bool enabled)
{
    // Choosing among the listed solids: live during a build once a search at a smaller limit
    // has given the list solids of this build's own.
    for (QWidget* control : std::initializer_list<QWidget*>{VRMLBtn, ViewPNumCbBx, CompoundChBx})
        control->setEnabled(enabled);
}

void TFrmPolyhedron::SetBuilding(bool building)
{
    EnableShownSolidControls(!building);
    ProgressPanel->setVisible(building);
    StopBuildBtn->setVisible(true);
    ResumeBuildBtn->setVisible(false);
    if (!building)
        ProgressLbl->clear();
}
