// SPDX-License-Identifier: GPL-3.0-or-later
// The net: the regions unfolded along a spanning tree of their sides into the plane.
// Each try grows pieces from a top region, always folding out next across the side
// running most nearly across a chosen direction (the steepest edges are cut, as in the
// classic unfolding of convex solids), and refusing a face that would overlap one already
// laid; a face refused everywhere starts a piece of its own. Tries with other directions
// keep the one of fewest pieces, and stop at the first single piece whose tabs all fit.

#include "net/NetUnfold.h"

#include "geometry/VectorFunc.h"
#include "net/NetPieces.h"

#include <algorithm>
#include <cmath>
#include <queue>
#include <random>
#include <string>

namespace {

// The most tries, and the most faces laid in all of them together: enough for a convex
// solid's net to be found almost always in the first few, bounded for the largest surfaces.
constexpr int MostTries = 40;
constexpr long long MostFacesLaid = 150000;

struct TCandidate {
    double Weight;
    int Face;  // a face laid in the piece it grows
    int Side;
    [[nodiscard]] bool operator>(const TCandidate& other) const { return Weight > other.Weight; }
};

struct TUnfolder {
    const TSurfaceRegions& Regions;
    std::vector<TFlatRegion> Flat;

    // The face region r placed in its piece so that its side `side` lies on the placed
    // side `parentSide` of `parent`, run the other way.
    [[nodiscard]] TNetFace Placed(int r, int side, const TNetFace& parent, int parentSide) const
    {
        const TFlatRegion& flat = Flat[r];
        const int m = static_cast<int>(flat.Corners.size());
        const int pm = static_cast<int>(parent.Corners.size());
        const TPlacement put = PlacementOnto(flat.Corners[side], flat.Corners[(side + 1) % m],
                                             parent.Corners[(parentSide + 1) % pm], parent.Corners[parentSide]);
        return Laid(r, put);
    }

    [[nodiscard]] TNetFace Laid(int r, const TPlacement& put) const
    {
        TNetFace face;
        face.Region = r;
        face.SourceFace = Regions.Regions[r].Face;
        for (const TPoint2& c : Flat[r].Corners)
            face.Corners.push_back(put(c));
        for (const auto& t : Flat[r].Triangles)
            face.Triangles.push_back({put(t[0]), put(t[1]), put(t[2])});
        face.Sides.assign(face.Corners.size(), {});
        return face;
    }
};

// How much a side is kept as a fold: little where it runs along the direction (steep).
double SideWeight(const TSurfaceRegions& regions, int r, int k, TVector3 direction)
{
    const TSurfaceRegion& region = regions.Regions[r];
    const int m = static_cast<int>(region.Corners.size());
    TVector3 d = SubtractVectors(regions.Points[region.Corners[(k + 1) % m]], regions.Points[region.Corners[k]]);
    Normalize(d);
    return std::abs(DotProduct(d, direction));
}

TVector3 RegionMiddle(const TSurfaceRegions& regions, int r)
{
    TVector3 sum;
    for (int c : regions.Regions[r].Corners)
        sum = AddVectors(sum, regions.Points[c]);
    return ScaleVector(sum, 1.0 / static_cast<double>(regions.Regions[r].Corners.size()));
}

struct TTry {
    std::vector<TNetPiece> Pieces;
    std::vector<TShapeGrid> Grids;  // each piece's faces and the room kept beside its cut sides
    std::vector<TRegionDrawing> Drawn;
    long long Laid = 0;
};

// The owner of the room kept beside each region's side: below the faces' numbers.
struct TRoomOwners {
    std::vector<int> First;  // region -> owner of the room beside its side 0

    explicit TRoomOwners(const TSurfaceRegions& regions)
    {
        int next = 0;
        for (const TSurfaceRegion& region : regions.Regions) {
            First.push_back(next);
            next += static_cast<int>(region.Sides.size());
        }
    }
    [[nodiscard]] int Of(int region, int side) const { return -2 - (First[region] + side); }
};

// Whether the face, folded out across its side `side` from the parent's side `parentSide`,
// keeps clear of everything laid, and keeps room beside each of its other sides; the room
// beside the fold itself is given up.
bool Fits(const TShapeGrid& grid, const TRoomOwners& rooms, const TNetFace& face, int side, int parentRegion,
          int parentSide)
{
    const int foldRoom = rooms.Of(parentRegion, parentSide);
    for (const auto& t : face.Triangles)
        if (grid.Overlaps({t[0], t[1], t[2]}, foldRoom))
            return false;
    for (int k = 0; k < static_cast<int>(face.Corners.size()); ++k) {
        if (k == side)
            continue;
        const std::vector<TPoint2> room = SmallestTab(face.Corners, k);
        if (room.empty() || grid.Overlaps(room, foldRoom))
            return false;
    }
    return true;
}

void Lay(TShapeGrid& grid, const TRoomOwners& rooms, const TNetFace& face, int f, int side)
{
    for (const auto& t : face.Triangles)
        grid.Add({t[0], t[1], t[2]}, f);
    for (int k = 0; k < static_cast<int>(face.Corners.size()); ++k)
        if (k != side)
            grid.Add(SmallestTab(face.Corners, k), rooms.Of(face.Region, k));
}

// One piece grown from region `start`, taking every region it can without overlap.
void GrowPiece(const TUnfolder& unfolder, const TRoomOwners& rooms, int start, TVector3 direction, TTry& attempt)
{
    const TSurfaceRegions& regions = unfolder.Regions;
    const int piece = static_cast<int>(attempt.Pieces.size());
    attempt.Pieces.emplace_back();
    TNetPiece& grown = attempt.Pieces.back();
    grown.Faces.push_back(unfolder.Laid(start, TPlacement{}));
    attempt.Drawn[start] = {piece, 0, 0, false};
    TShapeGrid grid = PieceGrid(grown);
    for (int k = 0; k < static_cast<int>(grown.Faces[0].Corners.size()); ++k)
        grid.Add(SmallestTab(grown.Faces[0].Corners, k), rooms.Of(start, k));
    std::priority_queue<TCandidate, std::vector<TCandidate>, std::greater<>> queue;
    const auto offer = [&](int f) {
        const int r = grown.Faces[f].Region;
        for (int k = 0; k < static_cast<int>(regions.Regions[r].Sides.size()); ++k)
            if (attempt.Drawn[regions.Regions[r].Sides[k].Neighbour].Piece < 0)
                queue.push({SideWeight(regions, r, k, direction), f, k});
    };
    offer(0);
    while (!queue.empty()) {
        const TCandidate next = queue.top();
        queue.pop();
        const int parentRegion = grown.Faces[next.Face].Region;
        const TRegionSide& side = regions.Regions[parentRegion].Sides[next.Side];
        if (attempt.Drawn[side.Neighbour].Piece >= 0)
            continue;
        TNetFace face = unfolder.Placed(side.Neighbour, side.NeighbourSide, grown.Faces[next.Face], next.Side);
        ++attempt.Laid;
        if (!Fits(grid, rooms, face, side.NeighbourSide, parentRegion, next.Side))
            continue;
        const int f = static_cast<int>(grown.Faces.size());
        face.Parent = next.Face;
        face.ParentSide = side.NeighbourSide;
        face.Sides[side.NeighbourSide].Fold = true;
        grown.Faces[next.Face].Sides[next.Side].Fold = true;
        grid.Remove(rooms.Of(parentRegion, next.Side));
        Lay(grid, rooms, face, f, side.NeighbourSide);
        grown.Faces.push_back(std::move(face));
        attempt.Drawn[side.Neighbour] = {piece, f, 0, false};
        offer(f);
    }
    attempt.Grids.push_back(std::move(grid));
}

TTry Unfold(const TUnfolder& unfolder, const TRoomOwners& rooms, TVector3 direction)
{
    const TSurfaceRegions& regions = unfolder.Regions;
    const int n = static_cast<int>(regions.Regions.size());
    std::vector<int> order(n);
    std::vector<double> height(n);
    for (int r = 0; r < n; ++r) {
        order[r] = r;
        height[r] = DotProduct(RegionMiddle(regions, r), direction);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return height[a] > height[b]; });
    TTry attempt;
    attempt.Drawn.assign(n, TRegionDrawing{-1, -1, 0, false});
    for (int r : order)
        if (attempt.Drawn[r].Piece < 0)
            GrowPiece(unfolder, rooms, r, direction, attempt);
    return attempt;
}

// Every glued pair given its tab, on one side or the other, in the order of the regions.
// A tab keeps out of the room kept beside every other cut side, so the smallest tab
// always fits where nothing larger does; false only where a side has no room at all.
bool PlaceTabs(const TSurfaceRegions& regions, const TRoomOwners& rooms, TTry& attempt, bool withTabs)
{
    int label = 0;
    for (int r = 0; r < static_cast<int>(regions.Regions.size()); ++r) {
        const TRegionDrawing& here = attempt.Drawn[r];
        for (int k = 0; k < static_cast<int>(regions.Regions[r].Sides.size()); ++k) {
            const TRegionSide& side = regions.Regions[r].Sides[k];
            TNetSideMark& mine = attempt.Pieces[here.Piece].Faces[here.Face].Sides[k];
            if (mine.Fold || side.Neighbour < r || (side.Neighbour == r && side.NeighbourSide < k))
                continue;
            const TRegionDrawing& there = attempt.Drawn[side.Neighbour];
            TNetSideMark& theirs = attempt.Pieces[there.Piece].Faces[there.Face].Sides[side.NeighbourSide];
            mine.Label = theirs.Label = std::to_string(++label);
            if (!withTabs)
                continue;
            const int myRoom = rooms.Of(r, k);
            const int theirRoom = rooms.Of(side.Neighbour, side.NeighbourSide);
            std::optional<TNetTab> tab =
                FittingTab(attempt.Pieces[here.Piece], here.Face, k, attempt.Grids[here.Piece], myRoom, theirRoom);
            const bool onMine = tab.has_value();
            if (!onMine)
                tab = FittingTab(attempt.Pieces[there.Piece], there.Face, side.NeighbourSide,
                                 attempt.Grids[there.Piece], myRoom, theirRoom);
            if (!tab)
                return false;
            (onMine ? mine : theirs).Tab = true;
            attempt.Grids[here.Piece].Remove(myRoom);
            attempt.Grids[there.Piece].Remove(theirRoom);
            const int piece = onMine ? here.Piece : there.Piece;
            attempt.Grids[piece].Add(tab->Corners, -1);
            attempt.Pieces[piece].Tabs.push_back(std::move(*tab));
        }
    }
    return true;
}

TVector3 RandomDirection(std::mt19937& random)
{
    std::normal_distribution<double> normal;
    TVector3 d{normal(random), normal(random), normal(random)};
    Normalize(d);
    return d;
}

}  // namespace

TResult UnfoldNet(const TSurfaceRegions& regions, const TNetOptions& options, TNet& net)
{
    TUnfolder unfolder{regions, {}};
    for (int r = 0; r < static_cast<int>(regions.Regions.size()); ++r)
        unfolder.Flat.push_back(FlattenRegion(regions, r));
    const TRoomOwners rooms(regions);
    std::mt19937 random(20261209);
    std::optional<TTry> best;
    long long laid = 0;
    for (int attempt = 0; attempt < MostTries && laid < MostFacesLaid; ++attempt) {
        // The first try looks down the z axis, as one would hold the solid.
        const TVector3 direction = attempt == 0 ? TVector3{0.0, 0.0, 1.0} : RandomDirection(random);
        TTry unfolded = Unfold(unfolder, rooms, direction);
        laid += unfolded.Laid;
        if (best && unfolded.Pieces.size() >= best->Pieces.size())
            continue;
        if (!PlaceTabs(regions, rooms, unfolded, options.Tabs))
            continue;
        best = std::move(unfolded);
        if (best->Pieces.size() == 1)
            break;
    }
    if (!best) {
        // Every region a piece of its own: a tab can then meet only its own face's tabs.
        TTry apart;
        apart.Drawn.assign(regions.Regions.size(), TRegionDrawing{-1, -1, 0, false});
        for (int r = 0; r < static_cast<int>(regions.Regions.size()); ++r) {
            apart.Drawn[r] = {static_cast<int>(apart.Pieces.size()), 0, 0, false};
            apart.Pieces.push_back({});
            apart.Pieces.back().Faces.push_back(unfolder.Laid(r, TPlacement{}));
            apart.Grids.push_back(PieceGrid(apart.Pieces.back()));
        }
        if (!PlaceTabs(regions, rooms, apart, options.Tabs))
            return TResult::Failure("no net was found whose glue tabs all fit");
        best = std::move(apart);
    }
    net.Mode = TNetMode::Net;
    net.Pieces = std::move(best->Pieces);
    net.Regions = std::move(best->Drawn);
    net.GluedPairs = 0;
    for (TNetPiece& piece : net.Pieces) {
        DrawPieceLines(regions, piece);
        DrawPieceLabels(regions, TNetMode::Net, piece);
        for (const TNetFace& face : piece.Faces)
            for (const TNetSideMark& mark : face.Sides)
                net.GluedPairs += mark.Fold ? 0 : 1;
    }
    net.GluedPairs /= 2;
    return TResult::Success();
}
