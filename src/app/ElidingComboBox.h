// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A combo box whose choice, when too long for it, is cut with an ellipsis rather than
// clipped mid-character, and named whole in its tooltip above the box's own hint.

#include <QComboBox>

class TElidingComboBox : public QComboBox {
public:
    using QComboBox::QComboBox;

    // The choice as the box shows it: whole, or cut to fit with "…".
    [[nodiscard]] QString ShownText() const;
    // What the tooltip says: the whole choice first when the box cuts it, then the hint.
    [[nodiscard]] QString ToolTipText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    [[nodiscard]] int TextWidth() const;
};
