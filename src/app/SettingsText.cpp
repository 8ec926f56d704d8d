#include "app/SettingsText.h"

#include <algorithm>
#include <cstdio>

namespace {

// Length in bytes of the UTF-8 sequence that starts with c.
int SequenceLength(unsigned char c)
{
    if (c < 0x80)
        return 1;
    if ((c & 0xE0) == 0xC0)
        return 2;
    if ((c & 0xF0) == 0xE0)
        return 3;
    return 4;
}

// Bytes the character takes in Shift-JIS: ASCII and half-width katakana one, the rest two.
int ShiftJisWidth(const std::string& text, std::size_t at, int length)
{
    if (length == 1)
        return 1;
    if (length == 3) {
        const unsigned code = ((static_cast<unsigned char>(text[at]) & 0x0Fu) << 12)
                              | ((static_cast<unsigned char>(text[at + 1]) & 0x3Fu) << 6)
                              | (static_cast<unsigned char>(text[at + 2]) & 0x3Fu);
        if (code >= 0xFF61 && code <= 0xFF9F)
            return 1;
    }
    return 2;
}

}  // namespace

std::string ColourIniText(TColour colour)
{
    char text[16];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(colour));
    return text;
}

bool ParseIniColour(const std::string& text, TColour& colour)
{
    if (text.empty() || text.size() > 8)
        return false;
    unsigned value = 0;
    for (const char c : text) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        if (digit < 0)
            return false;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    colour = value & 0x00FFFFFFu;
    return true;
}

bool ParseIniFlag(int value, bool fallback)
{
    if (value == -1)
        return true;
    if (value == 0)
        return false;
    return fallback;
}

std::string SchemeShortName(const std::string& name)
{
    std::string shown;
    int bytes = 0;
    std::size_t at = 0;
    while (at < name.size()) {
        // A name from a damaged file may end inside a character: take what is there.
        const int length = std::min(SequenceLength(static_cast<unsigned char>(name[at])),
                                    static_cast<int>(name.size() - at));
        const int width = ShiftJisWidth(name, at, length);
        if (bytes + width > 8)
            return shown + "..";
        shown += name.substr(at, static_cast<std::size_t>(length));
        bytes += width;
        at += static_cast<std::size_t>(length);
    }
    return shown;
}
