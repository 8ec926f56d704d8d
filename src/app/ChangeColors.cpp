#include "app/ChangeColors.h"

#include <QLabel>
#include <QPushButton>

TFrmChColors::TFrmChColors(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("正多角形ごとの色分け変更"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(392, 343);
    QFont font = parent->font();
    font.setPixelSize(12);
    setFont(font);
    for (int i = 0; i < PaletteSize; ++i) {
        const int c = i / 15;
        const int r = i % 15;
        const QString n = QString::number(i + 3);
        auto* label = new QLabel(n + QStringLiteral("角形の色"), this);
        label->setGeometry(200 * c + 5, 20 * r + 2, 62, 14);
        label->setAlignment(Qt::AlignCenter);
        Swatches[i] = new TColourSwatch(this, MakeColour(255, 251, 240));
        Swatches[i]->setGeometry(200 * c + 68, 20 * r, 57, 17);
        Swatches[i]->setToolTip(n + QStringLiteral("角形がこの色で表示されます"));
        Buttons[i] = new QPushButton(QStringLiteral("色変更"), this);
        Buttons[i]->setGeometry(200 * c + 128, 20 * r, 54, 20);
        Buttons[i]->setToolTip(n + QStringLiteral("角形の色を変更します"));
        connect(Buttons[i], &QPushButton::clicked, this, [this, i] {
            if (ChooseColour)
                ChooseColour(Swatches[i]);
        });
    }
    OkButton = new QPushButton(QStringLiteral("設定終了"), this);
    OkButton->setGeometry(100, 310, 90, 24);
    OkButton->setToolTip(QStringLiteral("この設定を反映させます"));
    CancelButton = new QPushButton(QStringLiteral("キャンセル"), this);
    CancelButton->setGeometry(200, 310, 90, 24);
    CancelButton->setToolTip(QStringLiteral("この設定を破棄して　このダイアログボックスを閉じます"));
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}
