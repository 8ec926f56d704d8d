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
    ProgressPanel->hide();
    ProgressTimer = new QTimer(this);
    ProgressTimer->setInterval(100);
    connect(ProgressTimer, &QTimer::timeout, this, [this] { ProgressTimerTimer(); });
    connect(StopBuildBtn, &QPushButton::clicked, this, [this] { StopBuildBtnClick(); });
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
    const auto done = [this] {
        QMetaObject::invokeMethod(
            this, [this] { OneShotDone(); }, Qt::QueuedConnection);
    };
    if (Runner.Start(ReadVertexConfiguration(), slice, done)) {
        FinishOneShot(*Runner.Take());
        return;
    }
    MemoPane->Clear();  // a new build has begun; its lines come when it is done
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
    FinishOneShot(*Runner.Take());
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
            .arg(seconds, 0, 'f', 1));
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
    for (QWidget* control :
         std::initializer_list<QWidget*>{BuildBtn, ResetBuildBtn, StepBuildBtn, VRMLBtn, ViewPNumCbBx, CompoundChBx})
        control->setEnabled(enabled);
}

void TFrmPolyhedron::SetBuilding(bool building)
{
    EnableShownSolidControls(!building);
    ProgressPanel->setVisible(building);
    if (!building)
        ProgressLbl->clear();
}
