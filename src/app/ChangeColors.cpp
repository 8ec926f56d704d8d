// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ChangeColors.h"

#include "app/Captions.h"

#include <QLabel>
#include <QPushButton>

TFrmChColors::TFrmChColors(QWidget* parent) : QDialog(parent)
{
    SetCaption(this, TCaptionRole::WindowTitle, QT_TRANSLATE_NOOP("Zenkari", "正多角形ごとの色分け変更"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(392, 343);
    QFont font = parent->font();
    font.setPixelSize(12);
    setFont(font);
    for (int i = 0; i < PaletteSize; ++i) {
        const int c = i / 15;
        const int r = i % 15;
        const QString n = QString::number(i + 3);
        auto* label = new QLabel(this);
        SetCaption(label, TCaptionRole::Text, QT_TRANSLATE_NOOP("Zenkari", "%1角形の色"), {n});
        label->setGeometry(200 * c + 5, 20 * r + 2, 62, 14);
        label->setAlignment(Qt::AlignCenter);
        Swatches[i] = new TColourSwatch(this, MakeColour(255, 251, 240));
        Swatches[i]->setGeometry(200 * c + 68, 20 * r, 57, 17);
        SetCaption(Swatches[i], TCaptionRole::ToolTip, QT_TRANSLATE_NOOP("Zenkari", "%1角形がこの色で表示されます"),
                   {n});
        Buttons[i] = Captioned(new QPushButton(this), QT_TRANSLATE_NOOP("Zenkari", "色変更"));
        Buttons[i]->setGeometry(200 * c + 128, 20 * r, 54, 20);
        SetCaption(Buttons[i], TCaptionRole::ToolTip, QT_TRANSLATE_NOOP("Zenkari", "%1角形の色を変更します"), {n});
        connect(Buttons[i], &QPushButton::clicked, this, [this, i] {
            if (ChooseColour)
                ChooseColour(Swatches[i]);
        });
    }
    OkButton = Captioned(new QPushButton(this), QT_TRANSLATE_NOOP("Zenkari", "設定終了"));
    OkButton->setGeometry(100, 310, 90, 24);
    SetCaption(OkButton, TCaptionRole::ToolTip, QT_TRANSLATE_NOOP("Zenkari", "この設定を反映させます"));
    CancelButton = Captioned(new QPushButton(this), QT_TRANSLATE_NOOP("Zenkari", "キャンセル"));
    CancelButton->setGeometry(200, 310, 90, 24);
    SetCaption(CancelButton, TCaptionRole::ToolTip,
               QT_TRANSLATE_NOOP("Zenkari", "この設定を破棄して　このダイアログボックスを閉じます"));
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}
