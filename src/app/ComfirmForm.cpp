// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ComfirmForm.h"

#include "app/Captions.h"

#include <QLabel>
#include <QPushButton>

TFrmComfirm::TFrmComfirm(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(262, 73);
    setFont(parent->font());
    lblMess = new QLabel(this);
    lblMess->setGeometry(8, 8, 246, 28);
    lblMess->setWordWrap(true);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setGeometry(50, 42, 75, 24);
    btnCancel = Captioned(new QPushButton(this), QT_TRANSLATE_NOOP("Zenkari", "キャンセル"));
    btnCancel->setGeometry(137, 42, 75, 24);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}
