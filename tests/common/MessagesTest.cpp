// SPDX-License-Identifier: GPL-3.0-or-later
// Every text in both languages: the engine's table and the window's translation file,
// with no text left untranslated and the placeholders of each pair alike.

#include "common/Messages.h"
#include "support/RunProgram.h"
#include "support/SolidDump.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace {

// The placeholders %1, %2 … of a text, each once.
std::multiset<std::string> Placeholders(const std::string& text)
{
    std::multiset<std::string> found;
    const std::regex placeholder("%[0-9]");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder); it != std::sregex_iterator(); ++it)
        found.insert(it->str());
    return found;
}

struct TTsMessage {
    std::string Source;
    std::string Translation;
    bool Finished = false;
};

std::string Unescaped(std::string text)
{
    const std::pair<const char*, const char*> entities[] = {{"&lt;", "<"},   {"&gt;", ">"},          {"&quot;", "\""},
                                                            {"&apos;", "'"}, {"&#x3000;", "\u3000"}, {"&amp;", "&"}};
    for (const auto& [entity, character] : entities)
        for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
            text.replace(at, std::string(entity).size(), character);
    return text;
}

std::vector<TTsMessage> ReadTs(const std::string& path)
{
    const std::string text = ReadWholeFile(path);
    std::vector<TTsMessage> messages;
    const std::regex message(
        R"(<message>\s*<source>([\s\S]*?)</source>\s*<translation([^>]*)>([\s\S]*?)</translation>)");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), message); it != std::sregex_iterator(); ++it)
        messages.push_back({Unescaped((*it)[1].str()), Unescaped((*it)[3].str()),
                            (*it)[2].str().find("unfinished") == std::string::npos});
    return messages;
}

}  // namespace

TEST(Messages, EveryEngineTextHasBothLanguagesWithTheSamePlaceholders)
{
    for (int k = 0; k < static_cast<int>(TMessage::Count); ++k) {
        const auto key = static_cast<TMessage>(k);
        const std::string japanese = TextIn(key, TLanguage::Japanese);
        const std::string english = TextIn(key, TLanguage::English);
        EXPECT_FALSE(japanese.empty()) << k;
        EXPECT_FALSE(english.empty()) << k;
        EXPECT_NE(english, japanese) << k;
        EXPECT_EQ(Placeholders(english), Placeholders(japanese)) << japanese;
    }
    // The language in use picks the column, and placeholders fill alike.
    SetLanguage(TLanguage::English);
    EXPECT_EQ(Text(TMessage::DualEdge, "2", "0.5"), "Edge 2 = 0.5");
    SetLanguage(TLanguage::Japanese);
    EXPECT_EQ(Text(TMessage::DualEdge, "2", "0.5"), "辺 2 = 0.5");
    EXPECT_EQ(LanguageFromCode("en"), TLanguage::English);
    EXPECT_EQ(LanguageFromCode("ja"), TLanguage::Japanese);
    EXPECT_EQ(LanguageFromCode("EN"), std::nullopt);
}

TEST(Messages, TheWindowsTranslationFileIsCompleteAndCurrent)
{
    const std::string committed = std::string(ZENKARI_SOURCE_DIR) + "/translations/zenkari_en.ts";
    const std::vector<TTsMessage> messages = ReadTs(committed);
    ASSERT_GT(messages.size(), 100u);
    std::set<std::string> translated;
    for (const TTsMessage& m : messages) {
        EXPECT_TRUE(m.Finished && !m.Translation.empty()) << "no English for " << m.Source;
        EXPECT_NE(m.Translation, m.Source);
        EXPECT_EQ(Placeholders(m.Translation), Placeholders(m.Source)) << m.Source;
        translated.insert(m.Source);
    }
#ifdef ZENKARI_LUPDATE  // built with the window, and so with Qt's lupdate
    // Every text the window marks for translation today is in the file.
    const std::string fresh = ScratchDirectory() + "fresh.ts";
    const TProgramResult lupdate =
        RunProgram(ZENKARI_LUPDATE, {"-silent", "-no-obsolete", "-locations", "none",
                                     std::string(ZENKARI_SOURCE_DIR) + "/src/app", "-ts", fresh});
    ASSERT_EQ(lupdate.Status, 0) << lupdate.Err;
    const std::vector<TTsMessage> marked = ReadTs(fresh);
    EXPECT_EQ(marked.size(), messages.size());
    for (const TTsMessage& m : marked)
        EXPECT_EQ(translated.count(m.Source), 1u) << "not in translations/zenkari_en.ts: " << m.Source;
#endif
}
