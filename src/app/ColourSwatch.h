// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A colour swatch: a rounded rectangle that shows, and stores, one colour.

#include "common/Colour.h"

#include <QWidget>

class TColourSwatch : public QWidget {
public:
    explicit TColourSwatch(QWidget* parent = nullptr, TColour colour = White);
    [[nodiscard]] TColour Colour() const { return Value; }
    void SetColour(TColour colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TColour Value;
};

[[nodiscard]] QColor ToQColor(TColour colour);
[[nodiscard]] TColour FromQColor(const QColor& colour);
