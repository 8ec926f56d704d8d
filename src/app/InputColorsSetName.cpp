// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InputColorsSetName.h"

#include "app/Captions.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

TFrmInputColorsSetName::TFrmInputColorsSetName(QWidget* parent) : QDialog(parent)
{
    SetCaption(this, TCaptionRole::WindowTitle, QT_TRANSLATE_NOOP("Zenkari", "配色を名前をつけて保存"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(242, 63);
    setFont(parent->font());
    edtColorsSetName = new QLineEdit(this);
    edtColorsSetName->setGeometry(8, 6, 226, 22);
    SetCaption(edtColorsSetName, TCaptionRole::ToolTip, QT_TRANSLATE_NOOP("Zenkari", "配色の名前を入力してください"));
    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setGeometry(40, 34, 75, 24);
    SetCaption(BitBtn1, TCaptionRole::ToolTip, QT_TRANSLATE_NOOP("Zenkari", "配色を上の名前で保存します"));
    BitBtn1->setEnabled(false);
    CancelButton = Captioned(new QPushButton(this), QT_TRANSLATE_NOOP("Zenkari", "キャンセル"));
    CancelButton->setGeometry(125, 34, 75, 24);
    SetCaption(CancelButton, TCaptionRole::ToolTip, QT_TRANSLATE_NOOP("Zenkari", "配色の保存を止めます"));
    connect(edtColorsSetName, &QLineEdit::textChanged, this,
            [this](const QString& text) { BitBtn1->setEnabled(!text.isEmpty()); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        if (!edtColorsSetName->text().isEmpty())
            accept();
    });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmInputColorsSetName::showEvent(QShowEvent* event)
{
    edtColorsSetName->clear();
    edtColorsSetName->setFocus();
    QDialog::showEvent(event);
}

void TFrmInputColorsSetName::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        BitBtn1->click();  // does nothing while the field is empty
        return;
    }
    QDialog::keyPressEvent(event);
}
