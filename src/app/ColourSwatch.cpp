// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ColourSwatch.h"

#include <QPainter>

QColor ToQColor(TColour colour)
{
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

TColour FromQColor(const QColor& colour)
{
    return MakeColour(colour.red(), colour.green(), colour.blue());
}

TColourSwatch::TColourSwatch(QWidget* parent, TColour colour) : QWidget(parent), Value(colour) {}

void TColourSwatch::SetColour(TColour colour)
{
    Value = colour;
    update();
}

void TColourSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0, 0, 0));
    painter.setBrush(ToQColor(Value));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}
