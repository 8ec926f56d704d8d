// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

std::unique_ptr<QTranslator> QtTexts;       // qtbase_ja, for Japanese
std::unique_ptr<QTranslator> ZenkariTexts;  // the window's English, built from translations/zenkari_en.ts

}  // namespace

void InstallLanguage(TLanguage language)
{
    SetLanguage(language);
    for (std::unique_ptr<QTranslator>* old : {&QtTexts, &ZenkariTexts})
        if (*old) {
            QCoreApplication::removeTranslator(old->get());
            old->reset();
        }
    auto translator = std::make_unique<QTranslator>();
    if (language == TLanguage::Japanese) {
        // Qt's own texts are English to begin with; Japanese needs its translation.
        const bool loaded =
            translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (loaded && QCoreApplication::installTranslator(translator.get()))
            QtTexts = std::move(translator);
    } else {
        // The window's source texts are Japanese; English needs its translation.
        const bool loaded = translator->load(QStringLiteral(":/i18n/zenkari_en.qm"));
        if (loaded && QCoreApplication::installTranslator(translator.get()))
            ZenkariTexts = std::move(translator);
    }
}
