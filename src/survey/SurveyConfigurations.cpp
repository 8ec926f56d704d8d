// SPDX-License-Identifier: GPL-3.0-or-later
#include "survey/SurveyConfigurations.h"

#include <algorithm>
#include <cassert>
#include <numeric>

// Which readings of a cycle the search treats alike. Preparation works out the circle of
// neighbours from the polygons alone. The first vertex takes the cycle as it is read;
// every later one tries the arrangement table, which holds every reading of the cycle
// from every start in both directions, each polygon with its own d (a backward {n/d}
// stays backward when the cycle is read the other way), so the table is the same for
// every reading. A rotation lays the same fan at the first vertex, started from another
// polygon: the same solids, turned about that vertex. A reflection lays it the other way
// round: the mirror images of the solids the cycle finds. The report counts a solid and
// its mirror image as one, so each cycle is tried once, as its least reading.
//
// An added last polygon is not on the cycle: it is the diagonal from the start of the
// first placed polygon's chord to the end of the last one's, and the circle is that of
// the triangle it closes with those two chords. A rotation changes the two chords beside
// the diagonal, and with them the circle, so it is other work; only reading the placed
// polygons backwards (last first) keeps the same two chords beside it, and so the same
// circle and table.

namespace {

// A sequence of polygon indices against one of its readings: start, direction.
int CompareReading(const std::uint8_t* s, int k, int start, int direction)
{
    for (int i = 0; i < k; ++i) {
        const std::uint8_t other = s[((start + direction * i) % k + k) % k];
        if (s[i] != other)
            return s[i] < other ? -1 : 1;
    }
    return 0;
}

// True when s is the least of the readings the search treats alike.
bool IsLeastReading(const std::uint8_t* s, int k, bool addLast)
{
    if (addLast)
        return CompareReading(s, k, k - 1, -1) <= 0;
    for (int start = 0; start < k; ++start) {
        if (start > 0 && CompareReading(s, k, start, 1) > 0)
            return false;
        if (CompareReading(s, k, start, -1) > 0)
            return false;
    }
    return true;
}

// Every least sequence of k indices below p, in lexicographic order.
std::vector<std::uint8_t> LeastSequences(int k, int p, bool addLast)
{
    std::vector<std::uint8_t> found;
    std::vector<std::uint8_t> s(static_cast<std::size_t>(k), 0);
    for (;;) {
        if (IsLeastReading(s.data(), k, addLast))
            found.insert(found.end(), s.begin(), s.end());
        int i = k - 1;
        while (i >= 0 && s[static_cast<std::size_t>(i)] + 1 == p)
            s[static_cast<std::size_t>(i--)] = 0;
        if (i < 0)
            return found;
        ++s[static_cast<std::size_t>(i)];
    }
}

bool PolygonBefore(int n1, int d1, int n2, int d2)
{
    return n1 != n2 ? n1 < n2 : d1 < d2;
}

}  // namespace

std::string OptionsText(const TSurveyOptions& options)
{
    return "max-polygons " + std::to_string(options.MaxPolygons) + ", max-sides " + std::to_string(options.MaxSides)
           + (options.Stars ? ", stars" : "") + ", windings 1-" + std::to_string(options.MaxWinding)
           + (options.AddedLast ? ", added-last" : "") + ", limit " + std::to_string(options.VertexLimit) + ", budget "
           + std::to_string(options.Budget);
}

std::vector<TPolygonKind> SurveyPolygons(const TSurveyOptions& options)
{
    std::vector<TPolygonKind> polygons;
    for (int n = 3; n <= options.MaxSides; ++n)
        for (int d = 1; d <= (options.Stars ? n - 1 : 1); ++d)
            if (std::gcd(n, d) == 1)
                polygons.push_back({n, d});
    return polygons;
}

TConfigurationList::TConfigurationList(const TSurveyOptions& options)
    : Polygons(SurveyPolygons(options)), VertexLimit(options.VertexLimit)
{
    assert(options.MaxPolygons >= MinPolygonCount
           && options.MaxPolygons + (options.AddedLast ? 1 : 0) <= MaxPolygonCount);
    assert(Polygons.size() < 256);
    const int p = static_cast<int>(Polygons.size());
    for (const bool addLast : {false, true}) {
        if (addLast && !options.AddedLast)
            break;
        for (int k = MinPolygonCount; k <= options.MaxPolygons; ++k) {
            TBlock block{k, addLast, addLast ? p : options.MaxWinding, LeastSequences(k, p, addLast), Total};
            Total += block.SequenceCount() * block.Variants;
            Blocks.push_back(std::move(block));
        }
    }
}

TVertexConfiguration TConfigurationList::At(int index) const
{
    assert(index >= 0 && index < Total);
    const auto block =
        std::upper_bound(Blocks.begin(), Blocks.end(), index, [](int i, const TBlock& b) { return i < b.First; }) - 1;
    const int within = index - block->First;
    // Plain blocks run through the sequences once for each winding; added-last blocks
    // through the added polygons for each sequence.
    const int sequence = block->AddLast ? within / block->Variants : within % block->SequenceCount();
    const int variant = block->AddLast ? within % block->Variants : within / block->SequenceCount();
    TVertexConfiguration config;
    config.PolygonCount = block->Length + (block->AddLast ? 1 : 0);
    for (int i = 0; i < block->Length; ++i) {
        const TPolygonKind& kind = Polygons[block->Sequences[static_cast<std::size_t>(sequence * block->Length + i)]];
        config.N[i] = kind.N;
        config.D[i] = kind.D;
    }
    if (block->AddLast) {
        config.N[block->Length] = Polygons[static_cast<std::size_t>(variant)].N;
        config.D[block->Length] = Polygons[static_cast<std::size_t>(variant)].D;
    }
    // The winding plays no part where an added polygon fixes the circle: such
    // configurations are written with winding 0, as the catalogue writes them.
    config.Winding = block->AddLast ? 0 : variant + 1;
    config.AddLast = block->AddLast;
    config.VertexLimit = VertexLimit;
    return config;
}

TVertexConfiguration CanonicalConfiguration(const TVertexConfiguration& config)
{
    const bool addLast = config.AddLast && config.PolygonCount > MinPolygonCount;
    const int k = config.PolygonCount - (addLast ? 1 : 0);
    TVertexConfiguration best = config;
    const auto tryReading = [&](int start, int direction) {
        TVertexConfiguration reading = config;
        for (int i = 0; i < k; ++i) {
            const int from = ((start + direction * i) % k + k) % k;
            reading.N[i] = config.N[from];
            reading.D[i] = config.D[from];
        }
        for (int i = 0; i < k; ++i) {
            if (reading.N[i] != best.N[i] || reading.D[i] != best.D[i]) {
                if (PolygonBefore(reading.N[i], reading.D[i], best.N[i], best.D[i]))
                    best = reading;
                return;
            }
        }
    };
    if (addLast) {
        tryReading(k - 1, -1);
        return best;
    }
    for (int start = 0; start < k; ++start) {
        tryReading(start, 1);
        tryReading(start, -1);
    }
    return best;
}
