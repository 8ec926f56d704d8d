// The three colour groups and the colour buttons.

#include "app/PolyhedronMain.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

const char* const GroupNames[3] = {"元の立体", "双対立体", "星形多角形"};

QPushButton* GroupButton(QWidget* panel, const QString& caption, const QString& hint, int x, int y, int w)
{
    auto* button = new QPushButton(caption, panel);
    button->setGeometry(x, y, w, 20);
    button->setToolTip(hint);
    return button;
}

}  // namespace

void TFrmPolyhedron::BuildColourGroup(int g, QGroupBox* panel)
{
    const QString name = QString::fromUtf8(GroupNames[g]);
    TColourGroupControls& group = ColourGroups[g];
    group.Panel = panel;
    group.MonoCheck = new QCheckBox(QStringLiteral("モノトーン"), panel);
    group.MonoCheck->setGeometry(7, 21, 80, 14);
    group.MonoCheck->setToolTip(name + QStringLiteral("を単色で表示する"));
    group.SingleSwatch = new TColourSwatch(panel);
    group.SingleSwatch->setGeometry(96, 19, 57, 17);
    group.SingleSwatch->setToolTip(QStringLiteral("単色表示時に") + name + QStringLiteral("をこの色で表示します"));
    group.SingleButton = GroupButton(panel, QStringLiteral("色変更"), name + QStringLiteral("の単色表示時の色を変更します"), 163, 18, 54);
    auto* label = new QLabel(QStringLiteral("正多角形ごとの色分け"), panel);
    label->move(7, 41);
    group.SchemeSelector = new QComboBox(panel);
    group.SchemeSelector->setGeometry(128, 38, 113, 20);
    group.SchemeSelector->setMaxVisibleItems(37);
    group.SchemeSelector->setToolTip(QStringLiteral("このセレクトで") + name + QStringLiteral("の配色を選んでください"));
    for (int i = 0; i < PaletteSize; ++i) {
        auto* swatch = new TColourSwatch(panel);
        swatch->setGeometry(i % 15 * 16 + 1, i / 15 * 16 + 58, 17, 17);
        swatch->setToolTip(name + QStringLiteral("の") + QString::number(i + 3) + QStringLiteral("角形の色"));
        group.Palette[i] = swatch;
    }
    group.PaletteButton = GroupButton(panel, QStringLiteral("色変更"), name + QStringLiteral("の多角形ごとの配色を変更します"), 19, 91, 54);
    group.SaveButton = GroupButton(panel, QStringLiteral("名前をつけて保存"),
                                   name + QStringLiteral("の配色をすぐ上のセレクトで選べるよう保存します"), 75, 91, 110);
    group.DeleteButton = GroupButton(panel, QStringLiteral("削除"), QStringLiteral("すぐ上のセレクト選ばれている配色を削除します"), 187, 91, 38);
    static const TColour singles[3] = {Cyan, Blue, Navy};
    group.SingleSwatch->SetColour(singles[g]);
}

TColour TFrmPolyhedron::GroupBaseColour(int g, int n) const
{
    const TColourGroupControls& group = ColourGroups[g];
    if (group.MonoCheck->isChecked() || n < 3 || n > 2 + PaletteSize)
        return group.SingleSwatch->Colour();
    return group.Palette[n - 3]->Colour();
}

void TFrmPolyhedron::ChangeSwatchColor(TColourSwatch* swatch)
{
    const QColor chosen = QColorDialog::getColor(ToQColor(swatch->Colour()), this);
    if (chosen.isValid())
        swatch->SetColour(FromQColor(chosen));
    // Confirmed or not, the dialog's custom colours and every setting are written.
    SaveCustomColors();
    SaveSettings();
    GraphmodeChange();
}
