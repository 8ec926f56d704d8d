// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Captions.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

#include <algorithm>

namespace {

struct TCaption {
    QPointer<QObject> Target;
    TCaptionRole Role = TCaptionRole::Text;
    const char* Source = nullptr;
    std::vector<TCaptionArg> Args;
    int Index = -1;
};

std::vector<TCaption>& Captions()
{
    static std::vector<TCaption> captions;
    return captions;
}

QString Compose(const TCaption& caption)
{
    QString text = Tr(caption.Source);
    for (const TCaptionArg& arg : caption.Args)
        text = text.arg(arg.Source != nullptr ? Tr(arg.Source) : arg.Plain);
    return text;
}

void Apply(const TCaption& caption)
{
    QObject* target = caption.Target.data();
    const QString text = Compose(caption);
    auto* widget = qobject_cast<QWidget*>(target);
    switch (caption.Role) {
    case TCaptionRole::Text:
        if (auto* button = qobject_cast<QAbstractButton*>(target))
            button->setText(text);
        else if (auto* label = qobject_cast<QLabel*>(target))
            label->setText(text);
        break;
    case TCaptionRole::ToolTip:
        if (widget != nullptr)
            widget->setToolTip(text);
        break;
    case TCaptionRole::Title:
        if (auto* group = qobject_cast<QGroupBox*>(target))
            group->setTitle(text);
        break;
    case TCaptionRole::WindowTitle:
        if (widget != nullptr)
            widget->setWindowTitle(text);
        break;
    case TCaptionRole::Tab:
        if (auto* tabs = qobject_cast<QTabWidget*>(target))
            tabs->setTabText(caption.Index, text);
        break;
    }
}

// Widgets gone since (closed windows, rebuilt rows) leave the list.
void ForgetGoneWidgets()
{
    std::vector<TCaption>& captions = Captions();
    captions.erase(
        std::remove_if(captions.begin(), captions.end(), [](const TCaption& c) { return c.Target.isNull(); }),
        captions.end());
}

}  // namespace

QString Tr(const char* source)
{
    return QCoreApplication::translate(TextContext, source);
}

void SetCaption(QObject* target, TCaptionRole role, const char* source, std::vector<TCaptionArg> args, int index)
{
    if (target == nullptr)
        return;
    TCaption caption{target, role, source, std::move(args), index};
    Apply(caption);
    std::vector<TCaption>& captions = Captions();
    if (captions.size() == captions.capacity())
        ForgetGoneWidgets();  // windows made and closed again do not pile up
    captions.push_back(std::move(caption));
}

void RetranslateCaptions()
{
    ForgetGoneWidgets();
    for (const TCaption& caption : Captions())
        Apply(caption);
}
