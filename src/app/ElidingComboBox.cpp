// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ElidingComboBox.h"

#include <QHelpEvent>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QToolTip>

int TElidingComboBox::TextWidth() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this).width();
}

QString TElidingComboBox::ShownText() const
{
    return fontMetrics().elidedText(currentText(), Qt::ElideRight, TextWidth());
}

QString TElidingComboBox::ToolTipText() const
{
    if (ShownText() == currentText())
        return toolTip();
    return toolTip().isEmpty() ? currentText() : currentText() + QLatin1Char('\n') + toolTip();
}

void TElidingComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = ShownText();
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

bool TElidingComboBox::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), ToolTipText(), this);
        return true;
    }
    return QComboBox::event(event);
}
