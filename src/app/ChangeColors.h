// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "正多角形ごとの色分け変更": one colour per side count, edited row by row.

#include "app/ColourSwatch.h"

#include <QDialog>

#include <array>
#include <functional>

class QPushButton;

class TFrmChColors : public QDialog {
public:
    explicit TFrmChColors(QWidget* parent);

    std::array<TColourSwatch*, PaletteSize> Swatches{};
    std::array<QPushButton*, PaletteSize> Buttons{};
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
    // Opens the colour-choice dialog for a row's swatch (the main window's, with its custom colours).
    std::function<void(TColourSwatch*)> ChooseColour;
};
