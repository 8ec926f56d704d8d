// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's texts in the language chosen. Every caption, hint, title and item is set
// through here with its Japanese source text (marked for lupdate with QT_TRANSLATE_NOOP
// in the context "Zenkari"), so that a change of language sets them all again at once.

#include <QPointer>
#include <QString>
#include <QtGlobal>

#include <vector>

class QObject;

inline constexpr const char* TextContext = "Zenkari";

// The source text in the language in use (the Japanese source itself when no
// translation is installed).
[[nodiscard]] QString Tr(const char* source);

enum class TCaptionRole {
    Text,  // a button's, a check box's or a label's text
    ToolTip,
    Title,  // a group box's title
    WindowTitle,
    Tab,  // the text of tab Index of a QTabWidget
};

// An argument of a caption: a source text translated with it, or a plain text (a number).
struct TCaptionArg {
    TCaptionArg(const char* source) : Source(source) {}      // NOLINT: a source text reads as one
    TCaptionArg(QString plain) : Plain(std::move(plain)) {}  // NOLINT
    const char* Source = nullptr;
    QString Plain;
};

// Sets the caption of target now, and again whenever the language changes, for as long
// as target lives. %1, %2 … in the source are filled with args.
void SetCaption(QObject* target, TCaptionRole role, const char* source, std::vector<TCaptionArg> args = {},
                int index = -1);
// Sets the text (and the hint, when one is given) of a button, check box or label;
// returns it, so that it reads where the widget is made.
template <class TWidget>
TWidget* Captioned(TWidget* widget, const char* text, const char* hint = nullptr)
{
    SetCaption(widget, TCaptionRole::Text, text);
    if (hint != nullptr)
        SetCaption(widget, TCaptionRole::ToolTip, hint);
    return widget;
}

// Sets every caption again in the language now installed.
void RetranslateCaptions();
