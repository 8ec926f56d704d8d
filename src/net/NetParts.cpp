// SPDX-License-Identifier: GPL-3.0-or-later
// The parts: the regions sorted into kinds, each kind drawn once with how many to cut, as
// a star solid is built from its visible pieces. Two regions are of one kind when one can
// be turned, or turned and reflected, onto the other side for side: the same lengths and
// corners, the same fold angle and colours along each side, the same tab on it and the
// same label. Labels name the kinds of glued pair, so a side is glued to the side of the
// same letter. Each pair's one tab goes to the same side of it on every copy where the
// two sides differ (in kind, or as a left side and a right one); where they are alike it
// goes to whichever region carries fewer so far, so that the tabs spread evenly and few
// kinds arise.

#include "net/NetPieces.h"
#include "net/NetUnfold.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <map>
#include <string>
#include <tuple>

namespace {

using TSideKey = std::array<long long, 8>;

long long Quantized(double x)
{
    return std::llround(x * 1e6);
}

// What a side is, seen from its region (forward) or from the region's mirror image.
struct TSideKinds {
    std::vector<std::vector<int>> Forward;  // region, side -> kind of side
    std::vector<std::vector<int>> Mirror;   // the same side in the mirror image
    std::vector<std::vector<int>> Either;   // the smaller of the two: the same for a region and its image
};

TSideKinds KindsOfSides(const TSurfaceRegions& regions, const std::vector<TFlatRegion>& flat)
{
    std::map<TSideKey, int> kinds;
    const auto kindOf = [&](const TSideKey& key) {
        return kinds.emplace(key, static_cast<int>(kinds.size())).first->second;
    };
    TSideKinds result;
    for (int r = 0; r < static_cast<int>(regions.Regions.size()); ++r) {
        const TSurfaceRegion& region = regions.Regions[r];
        const int m = static_cast<int>(region.Corners.size());
        std::vector<int> forward(m), mirror(m), either(m);
        for (int k = 0; k < m; ++k) {
            const TRegionSide& side = region.Sides[k];
            const TSurfaceFace& own = regions.Faces[region.Face];
            const TSurfaceFace& other = regions.Faces[regions.Regions[side.Neighbour].Face];
            const long long length = Quantized(Length2(flat[r].Corners[(k + 1) % m] - flat[r].Corners[k]));
            const long long start = Quantized(CornerAngle(flat[r].Corners, k));
            const long long end = Quantized(CornerAngle(flat[r].Corners, (k + 1) % m));
            const long long fold = Quantized(side.Dihedral);
            forward[k] = kindOf({length, start, end, fold, own.Group, own.N, other.Group, other.N});
            mirror[k] = kindOf({length, end, start, fold, own.Group, own.N, other.Group, other.N});
            either[k] = std::min(forward[k], mirror[k]);
        }
        result.Forward.push_back(std::move(forward));
        result.Mirror.push_back(std::move(mirror));
        result.Either.push_back(std::move(either));
    }
    return result;
}

// Which side of each glued pair carries the tab, and the pair's kind.
struct TGluing {
    std::vector<std::vector<bool>> Tab;
    std::vector<std::vector<int>> Pair;
    int PairKinds = 0;
};

TGluing GlueSides(const TSurfaceRegions& regions, const TSideKinds& kinds)
{
    const int n = static_cast<int>(regions.Regions.size());
    TGluing gluing;
    std::vector<int> carried(n, 0);
    std::map<std::pair<int, int>, int> pairKinds;
    for (int r = 0; r < n; ++r) {
        gluing.Tab.emplace_back(regions.Regions[r].Sides.size(), false);
        gluing.Pair.emplace_back(regions.Regions[r].Sides.size(), -1);
    }
    for (int r = 0; r < n; ++r)
        for (int k = 0; k < static_cast<int>(regions.Regions[r].Sides.size()); ++k) {
            const TRegionSide& side = regions.Regions[r].Sides[k];
            const int s = side.Neighbour;
            const int j = side.NeighbourSide;
            if (s < r || (s == r && j < k))
                continue;
            const int mine = kinds.Either[r][k];
            const int theirs = kinds.Either[s][j];
            const auto key = std::minmax(mine, theirs);
            gluing.Pair[r][k] = gluing.Pair[s][j] =
                pairKinds.emplace(key, static_cast<int>(pairKinds.size())).first->second;
            // Sides of one kind seen from opposite hands (a left side glued to a right
            // one): the tab goes on the side seen forward, the same on every copy. Only a
            // pair of sides that are their own mirror images is shared out by counts.
            const bool mineForward = kinds.Forward[r][k] == mine;
            const bool theirsForward = kinds.Forward[s][j] == theirs;
            const bool onMine = mine != theirs                 ? mine < theirs
                                : mineForward != theirsForward ? mineForward
                                                               : carried[r] <= carried[s];
            (onMine ? gluing.Tab[r][k] : gluing.Tab[s][j]) = true;
            ++carried[onMine ? r : s];
        }
    gluing.PairKinds = static_cast<int>(pairKinds.size());
    return gluing;
}

// "A" ... "Z", "AA", "AB", ...
std::string Letters(int i)
{
    std::string text;
    for (++i; i > 0; i = (i - 1) / 26)
        text.insert(text.begin(), static_cast<char>('A' + (i - 1) % 26));
    return text;
}

using TSequence = std::vector<int>;

// The sequence rotated to start at o.
TSequence Rotated(const TSequence& s, int o)
{
    TSequence r(s.size());
    for (size_t j = 0; j < s.size(); ++j)
        r[j] = s[(o + j) % s.size()];
    return r;
}

TSequence Smallest(const TSequence& forward, const TSequence& reversed)
{
    TSequence best = forward;
    for (size_t o = 0; o < forward.size(); ++o) {
        best = std::min(best, Rotated(forward, static_cast<int>(o)));
        best = std::min(best, Rotated(reversed, static_cast<int>(o)));
    }
    return best;
}

// How region r's sides (forward and as its mirror image) go into one sequence of what the
// model builder sees: the side's kind, its tab and its label.
struct TRegionSequences {
    std::vector<TSequence> Forward;
    std::vector<TSequence> Reversed;
};

TRegionSequences Sequences(const TSurfaceRegions& regions, const TSideKinds& kinds, const TGluing& gluing)
{
    std::map<std::tuple<int, bool, int>, int> elements;
    const auto element = [&](int kind, bool tab, int pair) {
        return elements.emplace(std::tuple{kind, tab, pair}, static_cast<int>(elements.size())).first->second;
    };
    TRegionSequences result;
    for (int r = 0; r < static_cast<int>(regions.Regions.size()); ++r) {
        const int m = static_cast<int>(regions.Regions[r].Sides.size());
        TSequence forward(m), reversed(m);
        for (int k = 0; k < m; ++k) {
            forward[k] = element(kinds.Forward[r][k], gluing.Tab[r][k], gluing.Pair[r][k]);
            const int back = m - 1 - k;
            reversed[k] = element(kinds.Mirror[r][back], gluing.Tab[r][back], gluing.Pair[r][back]);
        }
        result.Forward.push_back(std::move(forward));
        result.Reversed.push_back(std::move(reversed));
    }
    return result;
}

// How region r lies on the drawing of region rep: turned, else reflected.
TRegionDrawing MatchOnto(const TRegionSequences& seq, int r, int rep, int piece)
{
    const int m = static_cast<int>(seq.Forward[r].size());
    for (int o = 0; o < m; ++o)
        if (Rotated(seq.Forward[r], o) == seq.Forward[rep])
            return {piece, 0, (m - o) % m, false};
    for (int o = 0; o < m; ++o)
        if (Rotated(seq.Reversed[r], o) == seq.Forward[rep])
            return {piece, 0, (m - o) % m, true};
    // Not reached: the two share their smallest sequence, so one is a turn of the other or
    // of its mirror image.
    assert(false && "a region matches the drawing of its kind");
    return {piece, 0, 0, false};
}

std::string CountText(int count, int mirrored, TLanguage language)
{
    std::string text = "×" + std::to_string(count);
    if (mirrored == 0)
        return text;
    if (language == TLanguage::Japanese)
        return text + "（うち鏡像" + std::to_string(mirrored) + "）";
    return text + " (" + std::to_string(mirrored) + " mirrored)";
}

// The count, level on the page, in the middle of the face's largest triangle: inside the
// face even where the face is not convex.
TNetLabel CountLabel(const TNetFace& face, const std::string& text)
{
    const std::array<TPoint2, 3>* largest = &face.Triangles.front();
    double area = 0.0;
    double total = 0.0;
    for (const auto& t : face.Triangles) {
        const double a = 0.5 * Cross2(t[1] - t[0], t[2] - t[0]);
        total += a;
        if (a > area) {
            area = a;
            largest = &t;
        }
    }
    const TPoint2 middle = (1.0 / 3.0) * ((*largest)[0] + (*largest)[1] + (*largest)[2]);
    const double size = std::min(0.16, 0.3 * std::sqrt(total));
    return {middle, 0.0, size, text, true};
}

}  // namespace

TResult CutParts(const TSurfaceRegions& regions, const TNetOptions& options, TNet& net)
{
    const int n = static_cast<int>(regions.Regions.size());
    std::vector<TFlatRegion> flat;
    flat.reserve(regions.Regions.size());
    for (int r = 0; r < n; ++r)
        flat.push_back(FlattenRegion(regions, r));
    const TSideKinds kinds = KindsOfSides(regions, flat);
    const TGluing gluing = GlueSides(regions, kinds);
    const TRegionSequences seq = Sequences(regions, kinds, gluing);
    net = {};
    net.Mode = TNetMode::Parts;
    net.GluedPairs = gluing.PairKinds;
    net.Regions.assign(n, {});
    std::map<TSequence, int> pieceOf;
    std::vector<int> representative;
    for (int r = 0; r < n; ++r) {
        const auto [found, added] =
            pieceOf.emplace(Smallest(seq.Forward[r], seq.Reversed[r]), static_cast<int>(net.Pieces.size()));
        if (added) {
            representative.push_back(r);
            TNetPiece piece;
            TNetFace face;
            face.Region = r;
            face.SourceFace = regions.Regions[r].Face;
            face.Corners = flat[r].Corners;
            face.Triangles = flat[r].Triangles;
            for (size_t k = 0; k < face.Corners.size(); ++k)
                face.Sides.push_back({false, gluing.Tab[r][k], Letters(gluing.Pair[r][k])});
            piece.Faces.push_back(std::move(face));
            piece.Count = 0;
            net.Pieces.push_back(std::move(piece));
        }
        const int p = found->second;
        net.Regions[r] = MatchOnto(seq, r, representative[p], p);
        ++net.Pieces[p].Count;
        net.Pieces[p].Mirrored += net.Regions[r].Reflected ? 1 : 0;
    }
    for (TNetPiece& piece : net.Pieces) {
        if (options.Tabs) {
            const TShapeGrid grid = PieceGrid(piece);
            TShapeGrid withTabs = grid;
            for (int k = 0; k < static_cast<int>(piece.Faces[0].Sides.size()); ++k) {
                if (!piece.Faces[0].Sides[k].Tab)
                    continue;
                std::optional<TNetTab> tab = FittingTab(piece, 0, k, withTabs);
                if (!tab)
                    return TResult::Failure("a glue tab fits on no side of a part");
                withTabs.Add(tab->Corners, -2);
                piece.Tabs.push_back(std::move(*tab));
            }
        } else {
            for (TNetSideMark& mark : piece.Faces[0].Sides)
                mark.Tab = false;
        }
        DrawPieceLines(regions, piece);
        DrawPieceLabels(regions, TNetMode::Parts, piece);
        piece.Labels.push_back(CountLabel(piece.Faces[0], CountText(piece.Count, piece.Mirrored, options.Language)));
    }
    return TResult::Success();
}

TResult MakeNet(const TSurfaceRegions& regions, const TNetOptions& options, TNet& net)
{
    if (regions.Regions.empty())
        return TResult::Failure("the surface has no faces to unfold");
    return options.Mode == TNetMode::Parts ? CutParts(regions, options, net) : UnfoldNet(regions, options, net);
}
