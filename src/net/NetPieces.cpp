// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/NetPieces.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// A grid cell about as big as a typical triangle of the piece.
double CellSize(const TNetPiece& piece)
{
    double sum = 0.0;
    int count = 0;
    for (const TNetFace& face : piece.Faces)
        for (const auto& t : face.Triangles) {
            sum += Length2(t[1] - t[0]) + Length2(t[2] - t[1]) + Length2(t[0] - t[2]);
            count += 3;
        }
    return count == 0 ? 1.0 : std::max(sum / count, 1e-3);
}

// The tab's outline: along the side from p to q (the face to its left), set in by `inset`
// at both ends, a top edge `height` beyond it, and slanting ends at angles ap and aq.
std::vector<TPoint2> TabOutline(TPoint2 p, TPoint2 q, double height, double ap, double aq, double inset)
{
    const TPoint2 d = q - p;
    const double fullLength = Length2(d);
    const TPoint2 along = (1.0 / fullLength) * d;
    const TPoint2 out{along.Y, -along.X};
    p = p + inset * along;
    q = q - inset * along;
    const double length = fullLength - 2.0 * inset;
    const double inP = height / std::tan(ap);
    const double inQ = height / std::tan(aq);
    if (inP + inQ > 0.9 * length)  // the top edge keeps a tenth of the side
        height *= 0.9 * length / (inP + inQ);
    const double shiftP = height / std::tan(ap);
    const double shiftQ = height / std::tan(aq);
    return {p, q, q + height * out - shiftQ * along, p + height * out + shiftP * along};
}

// The sizes a tab tries, largest first: lower, then narrower at its ends and set in from
// the side's corners, where a net's faces crowd round a point.
struct TTabSize {
    double Height;  // of TabHeight (and at most 0.45 of the side)
    double Angle;   // of the widest end angle
    double Inset;   // of the side's length, at each end
};
constexpr TTabSize TabSizes[] = {{1.0, 1.0, 0.0},    {0.5, 1.0, 0.0},      {0.5, 0.5, 0.1},   {0.25, 0.5, 0.15},
                                 {0.125, 0.25, 0.2}, {0.0625, 0.25, 0.25}, {0.03, 0.125, 0.3}};

std::string Degrees(double radians)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f°", radians * 180.0 / M_PI);
    return text;
}

TNetStroke FoldKind(const TSurfaceRegions& regions, const TNetFace& face, int side)
{
    const double dihedral = regions.Regions[face.Region].Sides[side].Dihedral;
    return dihedral <= M_PI ? TNetStroke::Mountain : TNetStroke::Valley;
}

}  // namespace

double CornerAngle(const std::vector<TPoint2>& corners, int k)
{
    const int m = static_cast<int>(corners.size());
    const TPoint2 toPrevious = corners[(k + m - 1) % m] - corners[k];
    const TPoint2 toNext = corners[(k + 1) % m] - corners[k];
    const double angle = std::atan2(Cross2(toNext, toPrevious), Dot2(toNext, toPrevious));
    return angle < 0.0 ? angle + 2.0 * M_PI : angle;
}

TShapeGrid PieceGrid(const TNetPiece& piece)
{
    TShapeGrid grid(CellSize(piece));
    for (int f = 0; f < static_cast<int>(piece.Faces.size()); ++f)
        for (const auto& t : piece.Faces[f].Triangles)
            grid.Add({t[0], t[1], t[2]}, f);
    return grid;
}

namespace {

// The tab outlines side `side` of a face with these corners tries, largest first.
struct TTabShapes {
    TPoint2 P, Q;
    double Length = 0.0;
    double Ap = 0.0, Aq = 0.0;
    double Height = 0.0;

    TTabShapes(const std::vector<TPoint2>& corners, int side)
    {
        const int m = static_cast<int>(corners.size());
        P = corners[side];
        Q = corners[(side + 1) % m];
        Length = Length2(Q - P);
        // At each end the tab keeps to half the room outside the face's corner, so that
        // the tabs of two sides meeting there stay apart.
        const double widest = M_PI / 4.0;
        Ap = std::min(widest, 0.45 * (2.0 * M_PI - CornerAngle(corners, side)));
        Aq = std::min(widest, 0.45 * (2.0 * M_PI - CornerAngle(corners, (side + 1) % m)));
        Height = std::min(TabHeight, 0.45 * Length);
    }
    [[nodiscard]] bool Possible() const { return Ap > 1e-3 && Aq > 1e-3 && Length > 0.0; }
    [[nodiscard]] std::vector<TPoint2> Outline(const TTabSize& size) const
    {
        return TabOutline(P, Q, size.Height * Height, size.Angle * Ap, size.Angle * Aq, size.Inset * Length);
    }
};

}  // namespace

std::optional<TNetTab> FittingTab(const TNetPiece& piece, int face, int side, const TShapeGrid& grid, int ignore,
                                  int ignoreToo)
{
    const TTabShapes shapes(piece.Faces[face].Corners, side);
    if (!shapes.Possible())
        return std::nullopt;
    for (const TTabSize& size : TabSizes) {
        std::vector<TPoint2> outline = shapes.Outline(size);
        if (!grid.Overlaps(outline, ignore, ignoreToo))
            return TNetTab{std::move(outline), face, side, {}};
    }
    return std::nullopt;
}

std::vector<TPoint2> SmallestTab(const std::vector<TPoint2>& corners, int side)
{
    const TTabShapes shapes(corners, side);
    if (!shapes.Possible())
        return {};
    return shapes.Outline(TabSizes[std::size(TabSizes) - 1]);
}

void DrawPieceLines(const TSurfaceRegions& regions, TNetPiece& piece)
{
    piece.Lines.clear();
    for (const TNetFace& face : piece.Faces) {
        const int m = static_cast<int>(face.Corners.size());
        for (int k = 0; k < m; ++k) {
            const TNetSideMark& mark = face.Sides[k];
            const TPoint2 p = face.Corners[k];
            const TPoint2 q = face.Corners[(k + 1) % m];
            if (mark.Fold) {
                if (k == face.ParentSide)  // each fold drawn once, from the face folded out
                    piece.Lines.push_back({p, q, FoldKind(regions, face, k)});
                continue;
            }
            if (!mark.Tab) {
                piece.Lines.push_back({p, q, TNetStroke::Cut});
                continue;
            }
            // The tab folds along its own base; the side beyond a tab set in from its
            // corners is cut.
            const auto tab = std::find_if(piece.Tabs.begin(), piece.Tabs.end(), [&](const TNetTab& t) {
                return &piece.Faces[t.Face] == &face && t.Side == k;
            });
            const TPoint2 from = tab == piece.Tabs.end() ? p : tab->Corners[0];
            const TPoint2 to = tab == piece.Tabs.end() ? q : tab->Corners[1];
            if (Length2(from - p) > 0.0)
                piece.Lines.push_back({p, from, TNetStroke::Cut});
            piece.Lines.push_back({from, to, FoldKind(regions, face, k)});
            if (Length2(q - to) > 0.0)
                piece.Lines.push_back({to, q, TNetStroke::Cut});
        }
    }
}

void DrawPieceLabels(const TSurfaceRegions& regions, TNetMode mode, TNetPiece& piece)
{
    for (const TNetFace& face : piece.Faces) {
        const int m = static_cast<int>(face.Corners.size());
        for (int k = 0; k < m; ++k) {
            const TNetSideMark& mark = face.Sides[k];
            if (mark.Label.empty())
                continue;
            const TPoint2 p = face.Corners[k];
            const TPoint2 q = face.Corners[(k + 1) % m];
            const TPoint2 d = q - p;
            const double length = Length2(d);
            const TPoint2 inward{-d.Y / length, d.X / length};
            const double size = std::min(0.09, 0.35 * length);
            const TPoint2 middle = 0.5 * (p + q);
            const double turn = std::atan2(d.Y, d.X);
            piece.Labels.push_back({middle + 0.35 * size * inward, turn, size, mark.Label});
        }
    }
    if (mode != TNetMode::Parts)
        return;
    for (TNetTab& tab : piece.Tabs)
        tab.Text = Degrees(regions.Regions[piece.Faces[tab.Face].Region].Sides[tab.Side].Dihedral);
}
