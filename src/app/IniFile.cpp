// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/IniFile.h"

#include "common/CarefulWrite.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace {

char LowerChar(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = LowerChar(c);
    return lower;
}

// Names compare without regard to case, as the classic INI functions compare them.
struct TCaseHash {
    std::size_t operator()(std::string_view text) const
    {
        std::uint64_t hash = 1469598103934665603u;  // FNV-1a of the lower-case bytes
        for (const char c : text)
            hash = (hash ^ static_cast<unsigned char>(LowerChar(c))) * 1099511628211u;
        return static_cast<std::size_t>(hash);
    }
};
struct TCaseEqual {
    bool operator()(std::string_view a, std::string_view b) const
    {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return LowerChar(x) == LowerChar(y);
               });
    }
};
template <class TValue>
using TNameMap = std::unordered_map<std::string_view, TValue, TCaseHash, TCaseEqual>;

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The section a line opens, if it is a "[...]" line.
std::optional<std::string_view> SectionOf(std::string_view line)
{
    const std::string_view text = Trimmed(line);
    if (text.size() < 2 || text.front() != '[' || text.back() != ']')
        return std::nullopt;
    return Trimmed(text.substr(1, text.size() - 2));
}

// One line of the file: where its text stands, and its own end.
struct TLine {
    std::size_t Begin = 0;
    std::uint32_t Length = 0;    // without the line end
    std::uint8_t EndLength = 0;  // 2 for "\r\n", 1 for "\n", 0 for a last line without one
};

// One state of the file, parsed once: its whole text, its lines, and where each section
// stands. The first section of a name, and the first key of a name in it, count. A
// section's keys are indexed when one of them is first looked up, so that a file of
// millions of lines is read in time linear in its size.
struct TParsed {
    struct TSection {
        int Header = -1;
        int End = -1;                         // the line after the section's last line
        int LastKeyLine = -1;                 // the section's last key=value line (its header when it has none)
        std::unique_ptr<TNameMap<int>> Keys;  // key -> line, made on first use
    };
    std::string Text;
    std::vector<TLine> Lines;
    std::string Ending = "\r\n";  // the first line's, given to added lines
    TNameMap<TSection> Sections;

    [[nodiscard]] std::string_view Line(int i) const
    {
        return std::string_view(Text).substr(Lines[i].Begin, Lines[i].Length);
    }
    [[nodiscard]] std::string_view EndOf(int i) const
    {
        return std::string_view(Text).substr(Lines[i].Begin + Lines[i].Length, Lines[i].EndLength);
    }
};

void SplitLines(TParsed& parsed)
{
    const std::string& text = parsed.Text;
    parsed.Lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t newline = text.find('\n', start);
        const std::size_t end = newline == std::string::npos ? text.size() : newline;
        const bool carriage = end > start && text[end - 1] == '\r';
        const std::size_t length = end - start - (carriage ? 1 : 0);
        const std::uint8_t ending = newline == std::string::npos ? 0 : carriage ? 2 : 1;
        parsed.Lines.push_back({start, static_cast<std::uint32_t>(length), ending});
        start = newline == std::string::npos ? text.size() : newline + 1;
    }
    if (!parsed.Lines.empty() && parsed.Lines.front().EndLength != 0)
        parsed.Ending = std::string(parsed.EndOf(0));
}

void IndexSections(TParsed& parsed)
{
    TParsed::TSection* current = nullptr;
    const int count = static_cast<int>(parsed.Lines.size());
    // Room for every header at once: rehashing a map of millions of sections as it grows
    // would cost as much again.
    parsed.Sections.reserve(
        static_cast<std::size_t>(std::count_if(parsed.Lines.begin(), parsed.Lines.end(), [&](const TLine& line) {
            return line.Length != 0 && parsed.Text[line.Begin] == '[';
        })));
    for (int i = 0; i < count; ++i) {
        const std::string_view line = parsed.Line(i);
        if (const auto name = SectionOf(line)) {
            if (current != nullptr)
                current->End = i;
            const auto [place, added] = parsed.Sections.try_emplace(*name);
            current = added ? &place->second : nullptr;
            if (current != nullptr)
                current->Header = current->LastKeyLine = i;
            continue;
        }
        if (current != nullptr && line.find('=') != std::string_view::npos)
            current->LastKeyLine = i;
    }
    if (current != nullptr)
        current->End = count;
}

std::shared_ptr<TParsed> Parse(std::string text)
{
    auto parsed = std::make_shared<TParsed>();
    parsed->Text = std::move(text);
    SplitLines(*parsed);
    IndexSections(*parsed);
    return parsed;
}

// The line of key in section, -1 when it has none.
int FindKey(const TParsed& parsed, TParsed::TSection& section, std::string_view key)
{
    if (!section.Keys) {
        section.Keys = std::make_unique<TNameMap<int>>();
        section.Keys->reserve(static_cast<std::size_t>(section.End - section.Header));
        // Up to the next section of any name, a repeated section's lines included: they
        // belong to no section that counts.
        for (int i = section.Header + 1; i < section.End; ++i) {
            const std::string_view line = parsed.Line(i);
            if (SectionOf(line))
                break;
            const std::size_t equals = line.find('=');
            if (equals != std::string_view::npos)
                section.Keys->try_emplace(Trimmed(line.substr(0, equals)), i);
        }
    }
    const auto found = section.Keys->find(key);
    return found == section.Keys->end() ? -1 : found->second;
}

// What identifies one state of a file: a rewrite or an edit changes at least one of these.
struct TStamp {
    dev_t Device = 0;
    ino_t Inode = 0;
    off_t Size = -1;
    long long Seconds = 0;
    long long Nanoseconds = 0;
    long long ChangeSeconds = 0;      // the inode's change time too: an edit that puts the
    long long ChangeNanoseconds = 0;  // modification time back still moves it
    bool operator==(const TStamp&) const = default;
};

std::optional<TStamp> StampOf(const std::string& path)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return TStamp{info.st_dev,
                  info.st_ino,
                  info.st_size,
                  static_cast<long long>(info.st_mtim.tv_sec),
                  static_cast<long long>(info.st_mtim.tv_nsec),
                  static_cast<long long>(info.st_ctim.tv_sec),
                  static_cast<long long>(info.st_ctim.tv_nsec)};
}

// The last state read: a file that has not changed is not parsed again, which keeps the
// hundreds of reads of a start-up quick even on a settings file of several megabytes.
struct TLastRead {
    std::string Path;
    TStamp Stamp;
    std::shared_ptr<TParsed> Parsed;
};
TLastRead LastRead;

std::shared_ptr<TParsed> Read(const std::string& path)
{
    const std::optional<TStamp> stamp = StampOf(path);
    if (!stamp)
        return Parse("");  // missing, or not a file: reads as empty, and is never opened
    if (LastRead.Parsed && LastRead.Path == path && LastRead.Stamp == *stamp)
        return LastRead.Parsed;
    std::ifstream file(path, std::ios::binary);
    std::string text(static_cast<std::size_t>(stamp->Size), '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(std::max<std::streamsize>(file.gcount(), 0)));  // shorter if cut meanwhile
    std::shared_ptr<TParsed> parsed = Parse(std::move(text));
    LastRead = TLastRead{path, *stamp, parsed};
    return parsed;
}

// Changes to a parsed file, made as its new text is written out in one pass.
struct TEdits {
    std::map<int, std::string> Replaced;                 // line -> its new text
    std::map<int, std::vector<std::string>> AddedAfter;  // line -> lines that follow it
    std::vector<std::string> Appended;                   // lines at the end
    int EraseFrom = -1;                                  // lines [EraseFrom, EraseTo) go
    int EraseTo = -1;
};

std::string EditedText(const TParsed& parsed, const TEdits& edits)
{
    std::string text;
    text.reserve(parsed.Text.size() + 256);
    bool lastOpen = false;  // the text so far ends in a line without an end
    const auto add = [&](std::string_view line, std::string_view end) {
        if (lastOpen)
            text += parsed.Ending;  // a last line without an end keeps it so, unless lines follow it
        text += line;
        text += end;
        lastOpen = end.empty();
    };
    const int count = static_cast<int>(parsed.Lines.size());
    for (int i = 0; i < count; ++i) {
        if (i < edits.EraseFrom || i >= edits.EraseTo) {
            const auto replaced = edits.Replaced.find(i);
            add(replaced != edits.Replaced.end() ? std::string_view(replaced->second) : parsed.Line(i),
                parsed.EndOf(i));
        }
        if (const auto added = edits.AddedAfter.find(i); added != edits.AddedAfter.end())
            for (const std::string& line : added->second)
                add(line, parsed.Ending);
    }
    for (const std::string& line : edits.Appended)
        add(line, parsed.Ending);
    return text;
}

TResult Write(const std::string& path, std::string text)
{
    TResult result = WriteFileCarefully(path, text);
    if (result.Failed())
        return result;
    if (const std::optional<TStamp> stamp = StampOf(path))
        LastRead = TLastRead{path, *stamp, Parse(std::move(text))};
    return result;
}

// What a write says when the settings file's name holds something other than a regular file.
TResult NotAFile()
{
    return TResult::Failure("not a regular file");
}

// The values given, a key given twice taking its last value in the place of its first.
std::vector<TIniValue> Merged(const std::vector<TIniValue>& given)
{
    std::vector<TIniValue> values;
    std::map<std::pair<std::string, std::string>, std::size_t> placeOf;
    for (const TIniValue& value : given) {
        const auto [place, added] =
            placeOf.emplace(std::make_pair(Lower(value.Section), Lower(value.Key)), values.size());
        if (added)
            values.push_back(value);
        else
            values[place->second].Value = value.Value;
    }
    return values;
}

}  // namespace

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& fallback) const
{
    const std::shared_ptr<TParsed> parsed = Read(Path);
    const auto found = parsed->Sections.find(section);
    if (found == parsed->Sections.end())
        return fallback;
    const int line = FindKey(*parsed, found->second, key);
    if (line < 0)
        return fallback;
    const std::string_view text = parsed->Line(line);
    return std::string(Trimmed(text.substr(text.find('=') + 1)));
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int fallback) const
{
    const std::string text = ReadString(section, key, "");
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    return error == std::errc{} && at == end && !text.empty() ? value : fallback;
}

TResult TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    return WriteValues({TIniValue{section, key, value}});
}

TResult TIniFile::WriteInteger(const std::string& section, const std::string& key, int value)
{
    return WriteString(section, key, std::to_string(value));
}

TResult TIniFile::WriteValues(const std::vector<TIniValue>& given)
{
    if (!IsUsable())
        return NotAFile();
    const std::shared_ptr<TParsed> parsed = Read(Path);
    // Keys that exist change in place; new keys go after their section's last key, new
    // sections at the end, in the order first given.
    TEdits edits;
    std::vector<std::string> newSectionOrder;
    std::map<std::string, std::vector<std::string>> newSections;  // lower-case name -> key lines
    for (const TIniValue& value : Merged(given)) {
        const std::string line = value.Key + "=" + value.Value;
        const auto section = parsed->Sections.find(value.Section);
        if (section == parsed->Sections.end()) {
            const auto [place, added] = newSections.try_emplace(Lower(value.Section));
            if (added)
                newSectionOrder.push_back(value.Section);
            place->second.push_back(line);
            continue;
        }
        const int key = FindKey(*parsed, section->second, value.Key);
        if (key < 0) {
            edits.AddedAfter[section->second.LastKeyLine].push_back(line);
            continue;
        }
        // The file keeps its own spelling of the key; an equal value changes nothing.
        const std::string_view existing = parsed->Line(key);
        const std::size_t equals = existing.find('=');
        if (Trimmed(existing.substr(equals + 1)) != value.Value)
            edits.Replaced[key] = std::string(existing.substr(0, equals)) + "=" + value.Value;
    }
    for (const std::string& section : newSectionOrder) {
        edits.Appended.push_back("[" + section + "]");
        const auto& keys = newSections[Lower(section)];
        edits.Appended.insert(edits.Appended.end(), keys.begin(), keys.end());
    }
    if (edits.Replaced.empty() && edits.AddedAfter.empty() && edits.Appended.empty())
        return TResult::Success();
    return Write(Path, EditedText(*parsed, edits));
}

TResult TIniFile::EraseSection(const std::string& section)
{
    if (!IsUsable())
        return NotAFile();
    const std::shared_ptr<TParsed> parsed = Read(Path);
    const auto found = parsed->Sections.find(section);
    if (found == parsed->Sections.end())
        return TResult::Success();
    // The header and everything up to the next section go.
    TEdits edits;
    edits.EraseFrom = found->second.Header;
    edits.EraseTo = edits.EraseFrom + 1;
    while (edits.EraseTo < static_cast<int>(parsed->Lines.size()) && !SectionOf(parsed->Line(edits.EraseTo)))
        ++edits.EraseTo;
    return Write(Path, EditedText(*parsed, edits));
}

bool TIniFile::IsUsable() const
{
    struct stat info {};
    return stat(Path.c_str(), &info) != 0 ? errno == ENOENT : S_ISREG(info.st_mode);
}
