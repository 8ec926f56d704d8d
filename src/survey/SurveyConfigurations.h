// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which vertex configurations a survey tries: every cyclic sequence of polygons {n/d}
// within a bound, each counted once where the search treats two readings alike, in one
// fixed order (so that a survey's report is the same however its work is shared out).

#include "construction/VertexConfiguration.h"

#include <cstdint>
#include <string>
#include <vector>

// What a survey's results depend on.
struct TSurveyOptions {
    int MaxPolygons = 4;     // K: polygons round a vertex, 3 ... K (placed ones, beside an added one)
    int MaxSides = 6;        // N: n of {n/d} is 3 ... N
    bool Stars = false;      // every {n/d} with d coprime to n, stars and backward ones; else {n} alone
    int MaxWinding = 1;      // W: windings 1 ... W
    bool AddedLast = false;  // also every configuration with an added last polygon
    int VertexLimit = 200;   // the search's vertex limit
    long long Budget = 0;    // search steps each configuration may take
};

// The options as one line, for the checkpoint's header and the report's first line.
[[nodiscard]] std::string OptionsText(const TSurveyOptions& options);

struct TPolygonKind {
    int N = 3;
    int D = 1;
};

// The polygons of the bound in the survey's order: by n, then by d.
[[nodiscard]] std::vector<TPolygonKind> SurveyPolygons(const TSurveyOptions& options);

// Every configuration of the bound, each once, in the survey's order: by polygon count,
// then winding, then the polygons' sequence (the order of SurveyPolygons, first polygon
// first); those with an added last polygon after all the others, by placed count, sequence
// and added polygon. Kept as polygon indices: a bound of millions stays a few bytes each.
class TConfigurationList {
public:
    explicit TConfigurationList(const TSurveyOptions& options);

    [[nodiscard]] int Count() const { return Total; }
    // Configuration index, 0 ... Count() - 1, with the options' vertex limit.
    [[nodiscard]] TVertexConfiguration At(int index) const;

private:
    // Configurations of one polygon count: Sequences (Length indices each) times Windings,
    // or times Added polygons.
    struct TBlock {
        int Length = 3;
        bool AddLast = false;
        int Variants = 1;  // windings, or added polygons
        std::vector<std::uint8_t> Sequences;
        int First = 0;  // index of the block's first configuration
        [[nodiscard]] int SequenceCount() const { return static_cast<int>(Sequences.size()) / Length; }
    };

    std::vector<TPolygonKind> Polygons;
    std::vector<TBlock> Blocks;
    int VertexLimit = 200;
    int Total = 0;
};

// The reading of config that the survey keeps for every reading the search treats alike
// (see the .cpp): two configurations are the same work exactly when these agree.
[[nodiscard]] TVertexConfiguration CanonicalConfiguration(const TVertexConfiguration& config);
