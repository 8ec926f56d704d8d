// SPDX-License-Identifier: GPL-3.0-or-later
// The three colour groups and the colour buttons.

#include "app/PolyhedronMain.h"

#include "app/Captions.h"
#include "app/ElidingComboBox.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

const char* const GroupNames[3] = {QT_TRANSLATE_NOOP("Zenkari", "元の立体"), QT_TRANSLATE_NOOP("Zenkari", "双対立体"),
                                   QT_TRANSLATE_NOOP("Zenkari", "星形多角形")};

// name: the group's name for the %1 of hint, nullptr where hint has none.
QPushButton* GroupButton(QWidget* panel, const char* caption, const char* hint, const char* name, int x, int y, int w)
{
    auto* button = new QPushButton(panel);
    button->setGeometry(x, y, w, 20);
    SetCaption(button, TCaptionRole::Text, caption);
    SetCaption(button, TCaptionRole::ToolTip, hint,
               name != nullptr ? std::vector<TCaptionArg>{name} : std::vector<TCaptionArg>{});
    return button;
}

}  // namespace

void TFrmPolyhedron::BuildColourGroup(int g, QGroupBox* panel)
{
    const char* const name = GroupNames[g];
    TColourGroupControls& group = ColourGroups[g];
    group.Panel = panel;
    group.MonoCheck = new QCheckBox(panel);
    group.MonoCheck->setGeometry(7, 21, 80, 14);
    SetCaption(group.MonoCheck, TCaptionRole::Text, QT_TRANSLATE_NOOP("Zenkari", "モノトーン"));
    SetCaption(group.MonoCheck, TCaptionRole::ToolTip, QT_TRANSLATE_NOOP("Zenkari", "%1を単色で表示する"), {name});
    group.SingleSwatch = new TColourSwatch(panel);
    group.SingleSwatch->setGeometry(96, 19, 57, 17);
    SetCaption(group.SingleSwatch, TCaptionRole::ToolTip,
               QT_TRANSLATE_NOOP("Zenkari", "単色表示時に%1をこの色で表示します"), {name});
    group.SingleButton = GroupButton(panel, QT_TRANSLATE_NOOP("Zenkari", "色変更"),
                                     QT_TRANSLATE_NOOP("Zenkari", "%1の単色表示時の色を変更します"), name, 163, 18, 54);
    auto* label = new QLabel(panel);
    label->move(7, 41);
    SetCaption(label, TCaptionRole::Text, QT_TRANSLATE_NOOP("Zenkari", "正多角形ごとの色分け"));
    group.SchemeSelector = new TElidingComboBox(panel);
    group.SchemeSelector->setGeometry(128, 38, 113, 20);
    group.SchemeSelector->setMaxVisibleItems(37);
    SetCaption(group.SchemeSelector, TCaptionRole::ToolTip,
               QT_TRANSLATE_NOOP("Zenkari", "このセレクトで%1の配色を選んでください"), {name});
    for (int i = 0; i < PaletteSize; ++i) {
        auto* swatch = new TColourSwatch(panel);
        swatch->setGeometry(i % 15 * 16 + 1, i / 15 * 16 + 58, 17, 17);
        SetCaption(swatch, TCaptionRole::ToolTip, QT_TRANSLATE_NOOP("Zenkari", "%1の%2角形の色"),
                   {name, QString::number(i + 3)});
        group.Palette[i] = swatch;
    }
    group.PaletteButton =
        GroupButton(panel, QT_TRANSLATE_NOOP("Zenkari", "色変更"),
                    QT_TRANSLATE_NOOP("Zenkari", "%1の多角形ごとの配色を変更します"), name, 19, 91, 54);
    group.SaveButton = GroupButton(panel, QT_TRANSLATE_NOOP("Zenkari", "名前をつけて保存"),
                                   QT_TRANSLATE_NOOP("Zenkari", "%1の配色をすぐ上のセレクトで選べるよう保存します"),
                                   name, 75, 91, 110);
    group.DeleteButton =
        GroupButton(panel, QT_TRANSLATE_NOOP("Zenkari", "削除"),
                    QT_TRANSLATE_NOOP("Zenkari", "すぐ上のセレクト選ばれている配色を削除します"), nullptr, 187, 91, 38);
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
