// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsText.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

// Length in bytes of the UTF-8 character that starts at text[at]: as its lead byte says,
// cut short at the name's end or at the first byte that cannot continue it, so that a
// name from a damaged file never takes the letters after a broken character along. A
// byte that leads nothing (a stray continuation byte) stands alone.
int SequenceLength(const std::string& text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    int wanted = 1;
    if ((lead & 0xE0) == 0xC0)
        wanted = 2;
    else if ((lead & 0xF0) == 0xE0)
        wanted = 3;
    else if ((lead & 0xF8) == 0xF0)
        wanted = 4;
    int length = 1;
    while (length < wanted && at + static_cast<std::size_t>(length) < text.size()
           && (static_cast<unsigned char>(text[at + static_cast<std::size_t>(length)]) & 0xC0) == 0x80)
        ++length;
    return length;
}

// Bytes the character takes in Shift-JIS: ASCII and half-width katakana one, the rest
// two (a broken character shows as one replacement character, counted as two).
int ShiftJisWidth(const std::string& text, std::size_t at, int length)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    if (length == 1)
        return lead < 0x80 ? 1 : 2;
    if (length == 3 && (lead & 0xF0) == 0xE0) {
        const unsigned code = ((lead & 0x0Fu) << 12) | ((static_cast<unsigned char>(text[at + 1]) & 0x3Fu) << 6)
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

std::optional<TColour> ParseIniColour(const std::string& text)
{
    if (text.empty() || text.size() > 8)
        return std::nullopt;
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
            return std::nullopt;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return static_cast<TColour>(value & 0x00FFFFFFu);
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
        const int length = SequenceLength(name, at);
        const int width = ShiftJisWidth(name, at, length);
        if (bytes + width > 8)
            return shown + "..";
        shown += name.substr(at, static_cast<std::size_t>(length));
        bytes += width;
        at += static_cast<std::size_t>(length);
    }
    return shown;
}

std::string PrintHeightIniText(double millimetres)
{
    char text[32];
    const std::to_chars_result written = std::to_chars(text, text + sizeof text, millimetres);
    return std::string(text, written.ptr);
}

std::optional<double> ParsePrintHeight(const std::string& text)
{
    // from_chars reads "." in every locale, takes no spaces and no "+", and says how far it read.
    double millimetres = 0.0;
    const char* end = text.data() + text.size();
    const std::from_chars_result read = std::from_chars(text.data(), end, millimetres);
    if (read.ec != std::errc() || read.ptr != end || !std::isfinite(millimetres) || millimetres < MinPrintHeightMm
        || millimetres > MaxPrintHeightMm)
        return std::nullopt;
    return millimetres;
}
