// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "配色を名前をつけて保存": asks for the name of a colour scheme; an empty name cannot be confirmed.

#include <QDialog>

class QLineEdit;
class QPushButton;

class TFrmInputColorsSetName : public QDialog {
public:
    explicit TFrmInputColorsSetName(QWidget* parent);

    QLineEdit* edtColorsSetName = nullptr;
    QPushButton* BitBtn1 = nullptr;  // "OK"
    QPushButton* CancelButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;  // FormShow: an empty field with the focus
    void keyPressEvent(QKeyEvent* event) override;
};
