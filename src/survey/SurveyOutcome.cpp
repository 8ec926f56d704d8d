// SPDX-License-Identifier: GPL-3.0-or-later
#include "survey/SurveyOutcome.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <map>
#include <numeric>

namespace {

constexpr int SolidFields = 13;
constexpr int HeadFields = 5;

// The solid exactly where it lies: its corners in millionths of the edge, sorted, and its
// faces as cycles of those corners (from the least, in the direction of the lesser
// neighbour), sorted. Two solids with one text are one solid in one place; a search that
// finds the same solid many times over (polygons folding back onto each other find one
// flat polygon tens of thousands of times) is classified once. Rounding can only keep
// apart what is one: then it is classified twice, and comes out the same.
std::string PlacementKey(const TPolyFace& raw)
{
    const int v = raw.VertexCount;
    std::vector<std::array<long long, 3>> corners(static_cast<std::size_t>(v));
    for (int i = 0; i < v; ++i)
        corners[static_cast<std::size_t>(i)] = {std::llround(raw.Vertices[i].X * 1e6),
                                                std::llround(raw.Vertices[i].Y * 1e6),
                                                std::llround(raw.Vertices[i].Z * 1e6)};
    std::vector<int> order(static_cast<std::size_t>(v));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) { return corners[a] < corners[b]; });
    std::vector<int> rank(static_cast<std::size_t>(v));
    std::string key;
    for (int r = 0; r < v; ++r) {
        rank[static_cast<std::size_t>(order[r])] = r;
        for (const long long x : corners[static_cast<std::size_t>(order[r])])
            key += std::to_string(x) + ' ';
    }
    std::vector<std::vector<int>> faces;
    for (int f = 0; f < raw.FaceCount; ++f) {
        std::vector<int> face{raw.FaceN[f], raw.FaceD[f]};
        const int size = raw.FaceSize[f];
        std::vector<int> cycle(static_cast<std::size_t>(size));
        for (int j = 0; j < size; ++j)
            cycle[static_cast<std::size_t>(j)] = rank[static_cast<std::size_t>(raw.Faces[f][j])];
        const auto least = std::min_element(cycle.begin(), cycle.end()) - cycle.begin();
        const int direction = cycle[(least + 1) % size] < cycle[(least + size - 1) % size] ? 1 : -1;
        for (int j = 0; j < size; ++j)
            face.push_back(cycle[static_cast<std::size_t>(((least + direction * j) % size + size) % size)]);
        faces.push_back(std::move(face));
    }
    std::sort(faces.begin(), faces.end());
    for (const std::vector<int>& face : faces) {
        key += '|';
        for (const int x : face)
            key += std::to_string(x) + ' ';
    }
    return key;
}

// The distinct solids of one configuration as its search finds them.
class TSolidCollector {
public:
    explicit TSolidCollector(std::vector<TSurveySolid>& solids) : Solids(solids) {}

    void Add(const TBuiltSolid& built)
    {
        const auto [placed, added] = Placements.try_emplace(PlacementKey(built.Raw), -1);
        if (added)
            placed->second = Classified(ClassifySolid(built));
        else
            ++Solids[static_cast<std::size_t>(placed->second)].Copies;
    }

private:
    // The index of the solid's row, a new one unless a proper rotation carries it onto
    // one found before.
    int Classified(TSolidClass solidClass)
    {
        // The counts keep apart the solids too flat or thin to have a canonical form.
        const auto same = std::find_if(Solids.begin(), Solids.end(), [&](const TSurveySolid& s) {
            return s.Class.Shape == solidClass.Shape && s.Class.Vertices == solidClass.Vertices
                   && s.Class.Faces == solidClass.Faces && s.Class.Edges == solidClass.Edges;
        });
        if (same != Solids.end()) {
            ++same->Copies;
            return static_cast<int>(same - Solids.begin());
        }
        Solids.push_back({std::move(solidClass), 1});
        return static_cast<int>(Solids.size()) - 1;
    }

    std::vector<TSurveySolid>& Solids;
    std::map<std::string, int> Placements;
};

// Tabs, line ends and backslashes written as escapes, so that a field stays one field
// of one line.
std::string Escaped(const std::string& text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        if (c == '\\')
            escaped += "\\\\";
        else if (c == '\t')
            escaped += "\\t";
        else if (c == '\n')
            escaped += "\\n";
        else if (c == '\r')
            escaped += "\\r";
        else
            escaped += c;
    }
    return escaped;
}

bool Unescape(const std::string& field, std::string& text)
{
    text.clear();
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            text += field[i];
            continue;
        }
        if (++i == field.size())
            return false;
        const char c = field[i];
        if (c != '\\' && c != 't' && c != 'n' && c != 'r')
            return false;
        text += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : '\\';
    }
    return true;
}

std::vector<std::string> SplitFields(const std::string& row)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = row.find('\t', start);
        fields.push_back(row.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

template <typename TInteger>
bool ReadWhole(const std::string& field, TInteger& value, TInteger least = std::numeric_limits<TInteger>::min())
{
    const char* end = field.data() + field.size();
    const auto [at, error] = std::from_chars(field.data(), end, value);
    return error == std::errc() && at == end && !field.empty() && value >= least;
}

bool ReadFlag(const std::string& field, bool& flag)
{
    if (field != "0" && field != "1")
        return false;
    flag = field == "1";
    return true;
}

char EndCode(TSearchEnd end)
{
    switch (end) {
    case TSearchEnd::Refused:
        return 'R';
    case TSearchEnd::Ended:
        return 'E';
    case TSearchEnd::OutOfBudget:
        return 'B';
    case TSearchEnd::Stopped:
        break;
    }
    return 'S';
}

bool ReadEnd(const std::string& field, TSearchEnd& end)
{
    if (field == "R")
        end = TSearchEnd::Refused;
    else if (field == "E")
        end = TSearchEnd::Ended;
    else if (field == "B")
        end = TSearchEnd::OutOfBudget;
    else
        return false;
    return true;
}

bool ReadSolid(const std::vector<std::string>& f, std::size_t at, TSurveySolid& solid)
{
    TSolidClass& c = solid.Class;
    if (!ReadWhole(f[at], solid.Copies, 1) || !ReadWhole(f[at + 1], c.Vertices, 0) || !ReadWhole(f[at + 2], c.Faces, 0)
        || !ReadWhole(f[at + 3], c.Edges, 0) || !ReadWhole(f[at + 4], c.EulerCharacteristic)
        || !ReadFlag(f[at + 5], c.Manifold) || !ReadFlag(f[at + 6], c.Orientable) || !Unescape(f[at + 7], c.Symmetry)
        || !ReadWhole(f[at + 8], c.SymmetryOrder, 0) || !ReadWhole(f[at + 9], c.VertexOrbits, 0)
        || !ReadFlag(f[at + 10], c.Chiral) || !Unescape(f[at + 11], c.Shape) || !Unescape(f[at + 12], c.MirrorShape))
        return false;
    // A solid that is not chiral is its own mirror image: the row leaves it out.
    if (!c.Chiral)
        c.MirrorShape = c.Shape;
    return true;
}

}  // namespace

TConfigurationOutcome SurveyConfiguration(int index, const TVertexConfiguration& config, long long budget,
                                          TSearchControl& control)
{
    TConfigurationOutcome outcome;
    outcome.Index = index;
    TSolidCollector collector(outcome.Solids);
    const TSearchTally tally =
        SearchConfiguration(config, budget, control, [&](const TBuiltSolid& built) { collector.Add(built); });
    outcome.End = tally.End;
    outcome.Steps = tally.Steps;
    outcome.Found = tally.Found;
    return outcome;
}

std::string OutcomeRow(const TConfigurationOutcome& outcome)
{
    std::string row = std::to_string(outcome.Index) + '\t' + EndCode(outcome.End) + '\t' + std::to_string(outcome.Steps)
                      + '\t' + std::to_string(outcome.Found) + '\t' + std::to_string(outcome.Solids.size());
    for (const TSurveySolid& solid : outcome.Solids) {
        const TSolidClass& c = solid.Class;
        for (const std::string& field :
             {std::to_string(solid.Copies), std::to_string(c.Vertices), std::to_string(c.Faces),
              std::to_string(c.Edges), std::to_string(c.EulerCharacteristic), std::string(c.Manifold ? "1" : "0"),
              std::string(c.Orientable ? "1" : "0"), Escaped(c.Symmetry), std::to_string(c.SymmetryOrder),
              std::to_string(c.VertexOrbits), std::string(c.Chiral ? "1" : "0"), Escaped(c.Shape),
              c.Chiral ? Escaped(c.MirrorShape) : std::string()})
            row += '\t' + field;
    }
    return row;
}

std::optional<TConfigurationOutcome> ReadOutcomeRow(const std::string& row)
{
    const std::vector<std::string> f = SplitFields(row);
    TConfigurationOutcome outcome;
    int solids = 0;
    if (f.size() < HeadFields || !ReadWhole(f[0], outcome.Index, 0) || !ReadEnd(f[1], outcome.End)
        || !ReadWhole(f[2], outcome.Steps, 0LL) || !ReadWhole(f[3], outcome.Found, 0) || !ReadWhole(f[4], solids, 0)
        || f.size() != HeadFields + static_cast<std::size_t>(solids) * SolidFields)
        return std::nullopt;
    outcome.Solids.resize(static_cast<std::size_t>(solids));
    for (int s = 0; s < solids; ++s)
        if (!ReadSolid(f, HeadFields + static_cast<std::size_t>(s) * SolidFields,
                       outcome.Solids[static_cast<std::size_t>(s)]))
            return std::nullopt;
    return outcome;
}
