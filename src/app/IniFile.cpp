#include "app/IniFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

struct TLines {
    std::vector<std::string> Text;  // without their line ends
    std::string Ending = "\r\n";    // the file's own, kept for added lines
};

TLines ReadLines(const std::string& path)
{
    TLines lines;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return lines;
    std::string line;
    bool first = true;
    while (std::getline(file, line)) {
        const bool carriage = !line.empty() && line.back() == '\r';
        if (first)
            lines.Ending = carriage ? "\r\n" : "\n";
        first = false;
        if (carriage)
            line.pop_back();
        lines.Text.push_back(line);
    }
    return lines;
}

std::string Trimmed(const std::string& text)
{
    const auto blank = [](unsigned char c) { return c == ' ' || c == '\t'; };
    std::size_t start = 0;
    std::size_t end = text.size();
    while (start < end && blank(static_cast<unsigned char>(text[start])))
        ++start;
    while (end > start && blank(static_cast<unsigned char>(text[end - 1])))
        --end;
    return text.substr(start, end - start);
}

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size()
           && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
                  return std::tolower(x) == std::tolower(y);
              });
}

// The section a line opens, if it is a "[...]" line.
std::optional<std::string> SectionOf(const std::string& line)
{
    const std::string text = Trimmed(line);
    if (text.size() < 2 || text.front() != '[' || text.back() != ']')
        return std::nullopt;
    return Trimmed(text.substr(1, text.size() - 2));
}

// The key of a "key=value" line.
std::optional<std::string> KeyOf(const std::string& line)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos || SectionOf(line))
        return std::nullopt;
    return Trimmed(line.substr(0, equals));
}

struct TPlace {
    int SectionLine = -1;  // the section's header, -1 when the section is missing
    int SectionEnd = -1;   // the line after the section's last key=value line
    int KeyLine = -1;      // the key's first line in the section, -1 when missing
};

TPlace Find(const TLines& lines, const std::string& section, const std::string& key)
{
    TPlace place;
    bool inside = false;
    for (int i = 0; i < static_cast<int>(lines.Text.size()); ++i) {
        const std::string& line = lines.Text[i];
        if (const auto name = SectionOf(line)) {
            if (inside)
                return place;  // the first section of that name is the one
            inside = SameName(*name, section);
            if (inside)
                place.SectionLine = place.SectionEnd = i;
            continue;
        }
        const auto name = KeyOf(line);
        if (!inside || !name)
            continue;
        place.SectionEnd = i;
        if (place.KeyLine < 0 && SameName(*name, key))
            place.KeyLine = i;
    }
    return place;
}

bool WriteLines(const std::string& path, const TLines& lines)
{
    std::string text;
    for (const std::string& line : lines.Text)
        text += line + lines.Ending;
    std::string temporary = path + ".XXXXXX";
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0)
        return false;
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(descriptor, 0666 & ~mask);
    bool written = write(descriptor, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    written = close(descriptor) == 0 && written;
    if (written && std::rename(temporary.c_str(), path.c_str()) == 0)
        return true;
    std::remove(temporary.c_str());
    return false;
}

}  // namespace

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& fallback) const
{
    const TLines lines = ReadLines(Path);
    const TPlace place = Find(lines, section, key);
    if (place.KeyLine < 0)
        return fallback;
    const std::string& line = lines.Text[place.KeyLine];
    return Trimmed(line.substr(line.find('=') + 1));
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
    TLines lines = ReadLines(Path);
    const TPlace place = Find(lines, section, key);
    const std::string line = key + "=" + value;
    if (place.KeyLine >= 0) {
        if (lines.Text[place.KeyLine] == line)
            return true;
        lines.Text[place.KeyLine] = line;
    } else if (place.SectionLine >= 0) {
        lines.Text.insert(lines.Text.begin() + place.SectionEnd + 1, line);
    } else {
        lines.Text.push_back("[" + section + "]");
        lines.Text.push_back(line);
    }
    return WriteLines(Path, lines);
}

bool TIniFile::WriteInteger(const std::string& section, const std::string& key, int value)
{
    return WriteString(section, key, std::to_string(value));
}

bool TIniFile::EraseSection(const std::string& section)
{
    TLines lines = ReadLines(Path);
    const TPlace place = Find(lines, section, "");
    if (place.SectionLine < 0)
        return true;
    // The header and everything up to the next section go.
    auto end = lines.Text.begin() + place.SectionLine + 1;
    while (end != lines.Text.end() && !SectionOf(*end))
        ++end;
    lines.Text.erase(lines.Text.begin() + place.SectionLine, end);
    return WriteLines(Path, lines);
}
