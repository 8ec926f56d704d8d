// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A question with "OK" and "キャンセル"; the caller sets the caption, the message and the hints.

#include <QDialog>

class QLabel;
class QPushButton;

class TFrmComfirm : public QDialog {
public:
    explicit TFrmComfirm(QWidget* parent);

    QLabel* lblMess = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
};
