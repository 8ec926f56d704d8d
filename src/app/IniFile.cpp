#include "app/IniFile.h"

#include "common/CarefulWrite.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <map>
#include <memory>
#include <string_view>

namespace {

// One state of the file, parsed: its lines (without line ends) and where each section
// and key stands. The first section of a name, and the first key of a name in it, count.
struct TParsed {
    struct TSection {
        int Header = -1;
        int LastKeyLine = -1;  // the section's last key=value line (its header when it has none)
        std::map<std::string, int> Keys;  // lower-case key -> line
    };
    std::vector<std::string> Lines;
    std::vector<std::string> Endings;  // each line's own end: "\r\n", "\n", or "" for a last line without one
    std::string Ending = "\r\n";      // the first line's, given to added lines
    std::map<std::string, TSection> Sections;  // lower-case section -> place
};

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

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

void Index(TParsed& parsed)
{
    parsed.Sections.clear();
    TParsed::TSection* current = nullptr;
    std::map<std::string, bool> seen;
    for (int i = 0; i < static_cast<int>(parsed.Lines.size()); ++i) {
        const std::string_view line = parsed.Lines[i];
        if (const auto name = SectionOf(line)) {
            const std::string key = Lower(*name);
            current = nullptr;
            if (parsed.Sections.count(key) == 0) {
                current = &parsed.Sections[key];
                current->Header = current->LastKeyLine = i;
            }
            continue;
        }
        const std::size_t equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos)
            continue;
        current->LastKeyLine = i;
        current->Keys.emplace(Lower(Trimmed(line.substr(0, equals))), i);
    }
}

std::shared_ptr<TParsed> Parse(const std::string& path)
{
    auto parsed = std::make_shared<TParsed>();
    std::ifstream file(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t newline = text.find('\n', start);
        const std::size_t end = newline == std::string::npos ? text.size() : newline;
        const bool carriage = end > start && text[end - 1] == '\r';
        parsed->Lines.push_back(text.substr(start, end - start - (carriage ? 1 : 0)));
        parsed->Endings.push_back(newline == std::string::npos ? "" : carriage ? "\r\n" : "\n");
        start = newline == std::string::npos ? text.size() : newline + 1;
    }
    if (!parsed->Endings.empty() && !parsed->Endings.front().empty())
        parsed->Ending = parsed->Endings.front();
    Index(*parsed);
    return parsed;
}

// Lines added at a place take the file's first line end; removed lines take theirs along.
void InsertLines(TParsed& parsed, int at, const std::vector<std::string>& lines)
{
    parsed.Lines.insert(parsed.Lines.begin() + at, lines.begin(), lines.end());
    parsed.Endings.insert(parsed.Endings.begin() + at, lines.size(), parsed.Ending);
}

void EraseLines(TParsed& parsed, int from, int to)
{
    parsed.Lines.erase(parsed.Lines.begin() + from, parsed.Lines.begin() + to);
    parsed.Endings.erase(parsed.Endings.begin() + from, parsed.Endings.begin() + to);
}

// What identifies one state of a file: a rewrite or an edit changes at least one of these.
struct TStamp {
    dev_t Device = 0;
    ino_t Inode = 0;
    off_t Size = -1;
    long long Seconds = 0;
    long long Nanoseconds = 0;
    bool operator==(const TStamp&) const = default;
};

std::optional<TStamp> StampOf(const std::string& path)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return TStamp{info.st_dev, info.st_ino, info.st_size, static_cast<long long>(info.st_mtim.tv_sec),
                  static_cast<long long>(info.st_mtim.tv_nsec)};
}

// The last state read: a file that has not changed is not parsed again, which keeps the
// hundreds of reads of a start-up quick even on a settings file of several megabytes.
struct TLastRead {
    std::string Path;
    TStamp Stamp;
    std::shared_ptr<const TParsed> Parsed;
};
TLastRead LastRead;

std::shared_ptr<const TParsed> Read(const std::string& path)
{
    const std::optional<TStamp> stamp = StampOf(path);
    if (!stamp)
        return std::make_shared<TParsed>();  // missing, or not a file: reads as empty
    if (LastRead.Parsed && LastRead.Path == path && LastRead.Stamp == *stamp)
        return LastRead.Parsed;
    std::shared_ptr<const TParsed> parsed = Parse(path);
    LastRead = TLastRead{path, *stamp, parsed};
    return parsed;
}

bool Write(const std::string& path, const std::shared_ptr<TParsed>& parsed)
{
    std::string text;
    const std::size_t count = parsed->Lines.size();
    for (std::size_t i = 0; i < count; ++i) {
        text += parsed->Lines[i];
        // A last line without an end keeps it so, unless lines now follow it.
        text += parsed->Endings[i].empty() && i + 1 < count ? parsed->Ending : parsed->Endings[i];
    }
    if (!WriteFileCarefully(path, text).empty())
        return false;
    Index(*parsed);
    if (const std::optional<TStamp> stamp = StampOf(path))
        LastRead = TLastRead{path, *stamp, parsed};
    return true;
}

}  // namespace

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& fallback) const
{
    const std::shared_ptr<const TParsed> parsed = Read(Path);
    const auto found = parsed->Sections.find(Lower(section));
    if (found == parsed->Sections.end())
        return fallback;
    const auto line = found->second.Keys.find(Lower(key));
    if (line == found->second.Keys.end())
        return fallback;
    const std::string_view text = parsed->Lines[line->second];
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

bool TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    return WriteValues({TIniValue{section, key, value}});
}

bool TIniFile::WriteInteger(const std::string& section, const std::string& key, int value)
{
    return WriteString(section, key, std::to_string(value));
}

bool TIniFile::WriteValues(const std::vector<TIniValue>& given)
{
    // A key given twice takes its last value, in the place of its first.
    std::vector<TIniValue> values;
    std::map<std::pair<std::string, std::string>, std::size_t> placeOf;
    for (const TIniValue& value : given) {
        const auto name = std::make_pair(Lower(value.Section), Lower(value.Key));
        const auto [place, added] = placeOf.emplace(name, values.size());
        if (added)
            values.push_back(value);
        else
            values[place->second].Value = value.Value;
    }
    const std::shared_ptr<const TParsed> old = Read(Path);
    auto parsed = std::make_shared<TParsed>(*old);
    // Keys that exist change in place; new keys go after their section's last key, new
    // sections at the end. Insertions are made from the bottom up, so that the places
    // found in the index stay right.
    std::map<int, std::vector<std::string>, std::greater<>> insertions;  // after line -> new lines
    std::vector<std::string> appended;
    std::map<std::string, std::vector<std::string>> newSections;
    std::vector<std::string> newSectionOrder;
    bool changed = false;
    for (const TIniValue& value : values) {
        const std::string line = value.Key + "=" + value.Value;
        const auto section = parsed->Sections.find(Lower(value.Section));
        if (section == parsed->Sections.end()) {
            const std::string name = Lower(value.Section);
            if (newSections.count(name) == 0)
                newSectionOrder.push_back(value.Section);
            newSections[name].push_back(line);
            changed = true;
            continue;
        }
        const auto key = section->second.Keys.find(Lower(value.Key));
        if (key != section->second.Keys.end()) {
            // The file keeps its own spelling of the key; an equal value changes nothing.
            std::string& existing = parsed->Lines[key->second];
            const std::size_t equals = existing.find('=');
            if (Trimmed(std::string_view(existing).substr(equals + 1)) != value.Value) {
                existing = existing.substr(0, equals) + "=" + value.Value;
                changed = true;
            }
        } else {
            insertions[section->second.LastKeyLine].push_back(line);
            changed = true;
        }
    }
    if (!changed)
        return true;
    for (const auto& [after, lines] : insertions)
        InsertLines(*parsed, after + 1, lines);
    for (const std::string& section : newSectionOrder) {
        std::vector<std::string> lines{"[" + section + "]"};
        const auto& keys = newSections[Lower(section)];
        lines.insert(lines.end(), keys.begin(), keys.end());
        InsertLines(*parsed, static_cast<int>(parsed->Lines.size()), lines);
    }
    return Write(Path, parsed);
}

bool TIniFile::EraseSection(const std::string& section)
{
    const std::shared_ptr<const TParsed> old = Read(Path);
    const auto found = old->Sections.find(Lower(section));
    if (found == old->Sections.end())
        return true;
    auto parsed = std::make_shared<TParsed>(*old);
    // The header and everything up to the next section go.
    const int begin = found->second.Header;
    int end = begin + 1;
    while (end < static_cast<int>(parsed->Lines.size()) && !SectionOf(parsed->Lines[end]))
        ++end;
    EraseLines(*parsed, begin, end);
    return Write(Path, parsed);
}
