// SPDX-License-Identifier: GPL-3.0-or-later
#include "construction/ConfigurationText.h"

#include <algorithm>
#include <cctype>
#include <numeric>

namespace {

class TTextReader {
public:
    explicit TTextReader(const std::string& text) : Text(text) {}

    void SkipSpaces()
    {
        while (Position < Text.size() && std::isspace(static_cast<unsigned char>(Text[Position])))
            ++Position;
    }
    bool Take(char c)
    {
        SkipSpaces();
        if (Position < Text.size() && Text[Position] == c) {
            ++Position;
            return true;
        }
        return false;
    }
    // A whole number; every digit is read, and a number too large for any field reads as
    // Saturated, so that the range check names the field and its range.
    bool Number(int& value)
    {
        SkipSpaces();
        const std::size_t start = Position;
        value = 0;
        while (Position < Text.size() && std::isdigit(static_cast<unsigned char>(Text[Position])))
            value = std::min(value * 10 + (Text[Position++] - '0'), Saturated);
        return Position > start;
    }
    bool AtEnd()
    {
        SkipSpaces();
        return Position == Text.size();
    }

    static constexpr int Saturated = 1000000;

private:
    const std::string& Text;
    std::size_t Position = 0;
};

bool ReadPolygon(TTextReader& reader, TVertexConfiguration& config, std::string& error)
{
    if (config.PolygonCount >= MaxPolygonCount) {
        error = "more than 16 polygons";
        return false;
    }
    int n = 0;
    int d = 1;
    if (!reader.Number(n) || (reader.Take('/') && !reader.Number(d))) {
        error = "a polygon must be written n or n/d";
        return false;
    }
    config.N[config.PolygonCount] = n;
    config.D[config.PolygonCount] = d;
    ++config.PolygonCount;
    return true;
}

int TwoDigits(const std::string& code, std::size_t at)
{
    return (code[at] - '0') * 10 + (code[at + 1] - '0');
}

}  // namespace

TResult CheckConfiguration(const TVertexConfiguration& config)
{
    if (config.PolygonCount < MinPolygonCount)
        return TResult::Failure("a vertex needs at least 3 polygons");
    if (config.PolygonCount > MaxPolygonCount)
        return TResult::Failure("a vertex takes at most 16 polygons");
    for (int i = 0; i < config.PolygonCount; ++i) {
        const int n = config.N[i];
        const int d = config.D[i];
        const std::string which = "polygon " + std::to_string(i + 1) + ": ";
        if (n < 3 || n > MaxPolygonCorners)
            return TResult::Failure(which + "n must be 3 ... 32");
        if (d < 1 || d > n - 1)
            return TResult::Failure(which + "d must be 1 ... n-1");
        if (std::gcd(n, d) != 1)
            return TResult::Failure(which + "n and d must have no common divisor");
    }
    if (config.Winding < 0 || config.Winding > 7)
        return TResult::Failure("the winding must be 0 ... 7");
    return TResult::Success();
}

TResult ParseConfigurationText(const std::string& text, TVertexConfiguration& config)
{
    TVertexConfiguration read = config;
    read.PolygonCount = 0;
    read.AddLast = false;
    read.Winding = 1;
    TTextReader reader(text);
    std::string error;
    if (!reader.Take('('))
        return TResult::Failure("a configuration starts with \"(\"");
    do {
        if (!ReadPolygon(reader, read, error))
            return TResult::Failure(error);
    } while (reader.Take(','));
    if (reader.Take('[')) {
        if (!reader.Take(',') || !ReadPolygon(reader, read, error) || !reader.Take(']'))
            return TResult::Failure(error.empty() ? "the added polygon is written \" [,n]\" before \")\"" : error);
        read.AddLast = true;
    }
    if (!reader.Take(')'))
        return TResult::Failure("\")\" expected after the polygons");
    if (reader.Take('/') && !reader.Number(read.Winding))
        return TResult::Failure("the winding after \"/\" must be a number");
    if (!reader.AtEnd())
        return TResult::Failure("unexpected text after the configuration");
    TResult checked = CheckConfiguration(read);
    if (!checked.Failed())
        config = read;
    return checked;
}

TResult ParseCodeString(const std::string& code, TVertexConfiguration& config, int& pick)
{
    for (const char c : code)
        if (c < '0' || c > '9')
            return TResult::Failure("a code string holds digits only");
    if (code.size() < 8 + 4 * MinPolygonCount || code.size() > 8 + 4 * MaxPolygonCount || code.size() % 4 != 0)
        return TResult::Failure("a code string has 8 + 4k digits for 3 ... 16 polygons");
    if (code.compare(4, 2, "00") != 0 && code.compare(4, 2, "01") != 0)
        return TResult::Failure("the added-last digits of a code string (5th and 6th) must be 00 or 01");
    TVertexConfiguration read = config;
    read.Winding = TwoDigits(code, 0);
    read.AddLast = code.compare(4, 2, "01") == 0;
    read.VertexLimit = (TwoDigits(code, 6) + 1) * 10;
    read.PolygonCount = static_cast<int>((code.size() - 8) / 4);
    for (int i = 0; i < read.PolygonCount; ++i) {
        read.N[i] = TwoDigits(code, 8 + 4 * static_cast<std::size_t>(i));
        read.D[i] = TwoDigits(code, 10 + 4 * static_cast<std::size_t>(i));
    }
    if (TResult checked = CheckConfiguration(read); checked.Failed())
        return checked;
    config = read;
    pick = TwoDigits(code, 2);
    return TResult::Success();
}

std::string ConfigurationText(const TVertexConfiguration& config)
{
    std::string text = "(";
    for (int i = 0; i < config.PolygonCount; ++i) {
        const bool added = config.AddLast && i == config.PolygonCount - 1;
        if (i > 0)
            text += added ? " [," : ", ";
        text += std::to_string(config.N[i]);
        if (config.D[i] != 1) {
            text += '/';
            text += std::to_string(config.D[i]);
        }
        if (added)
            text += "]";
    }
    text += ")";
    if (config.Winding != 1) {
        text += '/';
        text += std::to_string(config.Winding);
    }
    return text;
}
