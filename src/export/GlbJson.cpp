// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/GlbJson.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace {

constexpr std::uint32_t JsonChunk = 0x4E4F534A;  // "JSON", little-endian

std::uint32_t ReadWord(const std::string& bytes, std::size_t at)
{
    std::uint32_t word = 0;
    for (int i = 3; i >= 0; --i)
        word = (word << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return word;
}

void WriteWord(std::string& bytes, std::size_t at, std::uint32_t word)
{
    for (std::size_t i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>((word >> (8 * i)) & 0xFF);
}

// Just enough of a JSON reader to find values and cut members out: positions, no tree.
class TJsonScan {
public:
    explicit TJsonScan(const std::string& text) : Text(text) {}

    struct TMember {
        std::size_t Begin;  // the key's opening quote
        std::string Key;
        std::size_t Value;  // the value's first character
        std::size_t End;    // just past the value
    };

    std::size_t SkipBlanks(std::size_t at) const
    {
        while (at < Text.size() && (Text[at] == ' ' || Text[at] == '\t' || Text[at] == '\n' || Text[at] == '\r'))
            ++at;
        return at;
    }

    // Just past the value that starts at at; nullopt for text that is not JSON.
    std::optional<std::size_t> ValueEnd(std::size_t at) const
    {
        if (at >= Text.size())
            return std::nullopt;
        if (Text[at] == '"') {
            for (std::size_t i = at + 1; i < Text.size(); ++i) {
                if (Text[i] == '\\')
                    ++i;
                else if (Text[i] == '"')
                    return i + 1;
            }
            return std::nullopt;
        }
        if (Text[at] == '{' || Text[at] == '[') {
            int depth = 0;
            for (std::size_t i = at; i < Text.size(); ++i) {
                if (Text[i] == '"') {
                    const std::optional<std::size_t> end = ValueEnd(i);
                    if (!end)
                        return std::nullopt;
                    i = *end - 1;
                } else if (Text[i] == '{' || Text[i] == '[') {
                    ++depth;
                } else if ((Text[i] == '}' || Text[i] == ']') && --depth == 0) {
                    return i + 1;
                }
            }
            return std::nullopt;
        }
        std::size_t end = at;
        while (end < Text.size() && Text[end] != ',' && Text[end] != '}' && Text[end] != ']' && Text[end] != ' '
               && Text[end] != '\n' && Text[end] != '\r' && Text[end] != '\t')
            ++end;
        return end == at ? std::nullopt : std::optional<std::size_t>(end);
    }

    // The members of the object at at (the elements of an array, with empty keys).
    std::optional<std::vector<TMember>> Members(std::size_t at) const
    {
        const bool object = Text[at] == '{';
        std::vector<TMember> members;
        std::size_t i = SkipBlanks(at + 1);
        if (i < Text.size() && Text[i] == (object ? '}' : ']'))
            return members;
        while (i < Text.size()) {
            TMember member{i, {}, i, i};
            if (object) {
                const std::optional<std::size_t> keyEnd = ValueEnd(i);
                if (!keyEnd || Text[i] != '"')
                    return std::nullopt;
                member.Key = Text.substr(i + 1, *keyEnd - i - 2);
                i = SkipBlanks(*keyEnd);
                if (i >= Text.size() || Text[i] != ':')
                    return std::nullopt;
                member.Value = i = SkipBlanks(i + 1);
            }
            const std::optional<std::size_t> end = ValueEnd(i);
            if (!end)
                return std::nullopt;
            member.End = *end;
            members.push_back(member);
            i = SkipBlanks(*end);
            if (i < Text.size() && Text[i] == ',')
                i = SkipBlanks(i + 1);
            else
                return i < Text.size() && Text[i] == (object ? '}' : ']') ? std::optional(members) : std::nullopt;
        }
        return std::nullopt;
    }

private:
    const std::string& Text;
};

// text with member k of the object or array whose members are given cut out, with the
// comma that parted it from a neighbour.
std::string Without(const std::string& text, const std::vector<TJsonScan::TMember>& members, std::size_t k)
{
    if (members.size() == 1)
        return text.substr(0, members[0].Begin) + text.substr(members[0].End);
    if (k == 0)
        return text.substr(0, members[0].Begin) + text.substr(members[1].Begin);
    return text.substr(0, members[k - 1].End) + text.substr(members[k].End);
}

// Which of members is called key, if one is.
std::optional<std::size_t> MemberIndex(const std::vector<TJsonScan::TMember>& members, const std::string& key)
{
    for (std::size_t k = 0; k < members.size(); ++k)
        if (members[k].Key == key)
            return k;
    return std::nullopt;
}

// One cut in json, found afresh each time (the positions move with every cut): true when
// there was one to make. Empty extension lists and objects go with their last entry.
bool CutOne(std::string& json, bool& malformed)
{
    const TJsonScan scan(json);
    const std::size_t top = scan.SkipBlanks(0);
    const auto root = top < json.size() && json[top] == '{' ? scan.Members(top) : std::nullopt;
    if (!root) {
        malformed = true;
        return false;
    }
    if (const auto used = MemberIndex(*root, "extensionsUsed")) {
        const auto names = scan.Members((*root)[*used].Value);
        for (std::size_t k = 0; names && k < names->size(); ++k) {
            const std::string name = json.substr((*names)[k].Begin, (*names)[k].End - (*names)[k].Begin);
            if (name == "\"FB_ngon_encoding\"" || name == "\"KHR_materials_volume\"") {
                json = names->size() == 1 ? Without(json, *root, *used) : Without(json, *names, k);
                return true;
            }
        }
    }
    const auto materials = MemberIndex(*root, "materials");
    if (!materials)
        return false;
    const auto list = scan.Members((*root)[*materials].Value);
    for (std::size_t m = 0; list && m < list->size(); ++m) {
        const auto material = scan.Members((*list)[m].Value);
        const auto extensions = material ? MemberIndex(*material, "extensions") : std::nullopt;
        if (!extensions)
            continue;
        const auto entries = scan.Members((*material)[*extensions].Value);
        const auto volume = entries ? MemberIndex(*entries, "KHR_materials_volume") : std::nullopt;
        if (volume) {
            json = entries->size() == 1 ? Without(json, *material, *extensions) : Without(json, *entries, *volume);
            return true;
        }
    }
    return false;
}

}  // namespace

TResult DropUnusedGltfExtensions(std::string& glb)
{
    if (glb.size() < 20 || glb.compare(0, 4, "glTF") != 0 || ReadWord(glb, 16) != JsonChunk)
        return TResult::Failure("the glTF writer made no binary glTF file");
    const std::size_t jsonLength = ReadWord(glb, 12);
    if (20 + jsonLength > glb.size())
        return TResult::Failure("the glTF writer's JSON chunk runs past the file's end");
    std::string json = glb.substr(20, jsonLength);
    bool malformed = false;
    while (CutOne(json, malformed)) {}
    if (malformed)
        return TResult::Failure("the glTF writer's JSON chunk cannot be read");
    // Chunks are aligned to 4 bytes; the JSON chunk is padded with spaces.
    while (json.size() % 4 != 0)
        json += ' ';
    std::string result = glb.substr(0, 12);
    result += std::string(8, '\0');
    WriteWord(result, 12, static_cast<std::uint32_t>(json.size()));
    WriteWord(result, 16, JsonChunk);
    result += json;
    result += glb.substr(20 + jsonLength);
    WriteWord(result, 8, static_cast<std::uint32_t>(result.size()));
    glb = std::move(result);
    return TResult::Success();
}
