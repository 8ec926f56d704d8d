// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/NetLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

namespace {

std::vector<TPoint2> PieceOutlinePoints(const TNetPiece& piece)
{
    std::vector<TPoint2> points;
    for (const TNetFace& face : piece.Faces)
        points.insert(points.end(), face.Corners.begin(), face.Corners.end());
    for (const TNetTab& tab : piece.Tabs)
        points.insert(points.end(), tab.Corners.begin(), tab.Corners.end());
    return points;
}

// The convex hull, anticlockwise (Andrew's monotone chain).
std::vector<TPoint2> Hull(std::vector<TPoint2> points)
{
    std::sort(points.begin(), points.end(),
              [](TPoint2 a, TPoint2 b) { return a.X < b.X || (a.X == b.X && a.Y < b.Y); });
    if (points.size() < 3)
        return points;
    std::vector<TPoint2> hull(2 * points.size());
    size_t k = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && Cross2(hull[k - 1] - hull[k - 2], points[i] - hull[k - 2]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    for (size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && Cross2(hull[k - 1] - hull[k - 2], points[i] - hull[k - 2]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    hull.resize(k - 1);
    return hull;
}

// One way to turn a piece, and its bounding box so turned (in units of the edge).
struct TTurn {
    double Cos = 1.0;
    double Sin = 0.0;
    double X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;

    [[nodiscard]] double Width() const { return X1 - X0; }
    [[nodiscard]] double Height() const { return Y1 - Y0; }
};

TTurn Turned(const std::vector<TPoint2>& hull, double angle)
{
    TTurn turn{std::cos(angle), std::sin(angle), INFINITY, INFINITY, -INFINITY, -INFINITY};
    for (const TPoint2& p : hull) {
        const double x = turn.Cos * p.X - turn.Sin * p.Y;
        const double y = turn.Sin * p.X + turn.Cos * p.Y;
        turn.X0 = std::min(turn.X0, x);
        turn.X1 = std::max(turn.X1, x);
        turn.Y0 = std::min(turn.Y0, y);
        turn.Y1 = std::max(turn.Y1, y);
    }
    return turn;
}

// The turns worth trying: each hull side lying flat (the smallest box has one), and the
// same a quarter turn on, for a tall page.
std::vector<TTurn> Turns(const TNetPiece& piece)
{
    const std::vector<TPoint2> hull = Hull(PieceOutlinePoints(piece));
    std::vector<TTurn> turns;
    const size_t step = std::max<size_t>(1, hull.size() / 48);
    for (size_t i = 0; i < hull.size(); i += step) {
        const TPoint2 d = hull[(i + 1) % hull.size()] - hull[i];
        const double angle = -std::atan2(d.Y, d.X);
        turns.push_back(Turned(hull, angle));
        turns.push_back(Turned(hull, angle + M_PI / 2.0));
    }
    if (turns.empty())
        turns.push_back(Turned(hull, 0.0));
    return turns;
}

// The largest scale at which the turn fits the area.
double FittingScale(const TTurn& turn, const TPrintableArea& area)
{
    return std::min((area.X1 - area.X0) / std::max(turn.Width(), 1e-12),
                    (area.Y1 - area.Y0) / std::max(turn.Height(), 1e-12));
}

// Of the turns that fit at scale, the smallest box, the lowest of equals (rows fill better).
const TTurn* BestTurn(const std::vector<TTurn>& turns, double scale, const TPrintableArea& area)
{
    const TTurn* best = nullptr;
    for (const TTurn& turn : turns) {
        if (FittingScale(turn, area) < scale * (1.0 - 1e-9))
            continue;
        const double size = turn.Width() * turn.Height();
        if (best == nullptr || size < best->Width() * best->Height() * (1.0 - 1e-6)
            || (size <= best->Width() * best->Height() * (1.0 + 1e-6) && turn.Height() < best->Height()))
            best = &turn;
    }
    return best;
}

std::string Decimal(double x)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", x);
    return text;
}

// Rows of pieces on pages, left to right, top to bottom.
struct TShelf {
    int Page;
    double Top;
    double Height;
    double Used;  // mm from the area's left
};

struct TPacker {
    TPrintableArea Area;
    std::vector<TShelf> Shelves;
    std::vector<double> PageUsed;  // mm from the area's top taken by shelves

    // The top left corner (mm) of a box w x h, and its page.
    TPoint2 Place(double w, double h, int& page)
    {
        for (TShelf& shelf : Shelves)
            if (h <= shelf.Height + 1e-9 && shelf.Used + w <= Area.X1 - Area.X0 + 1e-9) {
                const TPoint2 at{Area.X0 + shelf.Used, shelf.Top};
                shelf.Used += w + PieceGapMm;
                page = shelf.Page;
                return at;
            }
        for (int p = 0; p < static_cast<int>(PageUsed.size()); ++p)
            if (PageUsed[p] + h <= Area.Y1 - Area.Y0 + 1e-9)
                return OpenShelf(p, w, h, page);
        PageUsed.push_back(0.0);
        return OpenShelf(static_cast<int>(PageUsed.size()) - 1, w, h, page);
    }

    TPoint2 OpenShelf(int p, double w, double h, int& page)
    {
        Shelves.push_back({p, Area.Y0 + PageUsed[p], h, w + PieceGapMm});
        PageUsed[p] += h + PieceGapMm;
        page = p;
        return {Area.X0, Shelves.back().Top};
    }
};

// The tab's corners with its top brought down to MostTabMm on paper, along its slanted
// ends: the lowered tab lies inside the one the overlap test passed.
std::vector<TPoint2> LoweredTab(const TNetTab& tab, double scale)
{
    std::vector<TPoint2> corners = tab.Corners;
    if (corners.size() != 4)
        return corners;
    const TPoint2 d = corners[1] - corners[0];
    const TPoint2 out{d.Y / Length2(d), -d.X / Length2(d)};
    const double height = Dot2(corners[2] - corners[0], out) * scale;
    if (height <= MostTabMm)
        return corners;
    const double keep = MostTabMm / height;
    corners[2] = corners[1] + keep * (corners[2] - corners[1]);
    corners[3] = corners[0] + keep * (corners[3] - corners[0]);
    return corners;
}

// A tab's text (its fold angle) across its middle, reading from its top edge.
TDrawnText TabText(const TNetTab& tab, const std::vector<TPoint2>& corners, const TPiecePlace& place, double turn)
{
    const TPoint2 d = corners[1] - corners[0];
    const TPoint2 out{d.Y / Length2(d), -d.X / Length2(d)};
    const double height = Dot2(corners[2] - corners[0], out);
    const double size = std::clamp(std::min(0.6 * height, 0.25 * Length2(d)) * place.Scale, 1.6, 3.5);
    const TPoint2 at = 0.5 * (corners[0] + corners[1]) + (0.5 * height - 0.35 * size / place.Scale) * out;
    return {place.OnPage(at), size, std::atan2(-d.Y, -d.X) + turn, tab.Text, TTextRole::Label};
}

// What each piece shows, in millimetres on its page. Texts keep to sizes one can read
// and print: 1.6 to 4 mm for labels.
void DrawPiece(const TNetPiece& piece, const TPiecePlace& place, const TNetSheetOptions& options, TNetPage& page)
{
    for (const TNetFace& face : piece.Faces) {
        TDrawnPolygon polygon;
        for (const TPoint2& c : face.Corners)
            polygon.Corners.push_back(place.OnPage(c));
        const auto colour = static_cast<size_t>(face.SourceFace);
        polygon.Fill = colour < options.FaceColours.size() ? options.FaceColours[colour] : White;
        page.Faces.push_back(std::move(polygon));
    }
    const double turn = std::atan2(place.Sin, place.Cos);
    for (const TNetTab& tab : piece.Tabs) {
        const std::vector<TPoint2> corners = LoweredTab(tab, place.Scale);
        TDrawnPolygon polygon;
        for (const TPoint2& c : corners)
            polygon.Corners.push_back(place.OnPage(c));
        page.Tabs.push_back(std::move(polygon));
        for (size_t k = 1; k < corners.size(); ++k)
            page.Lines.push_back(
                {place.OnPage(corners[k]), place.OnPage(corners[(k + 1) % corners.size()]), TNetStroke::Cut});
        if (!tab.Text.empty())
            page.Texts.push_back(TabText(tab, corners, place, turn));
    }
    for (const TNetLine& line : piece.Lines)
        page.Lines.push_back({place.OnPage(line.From), place.OnPage(line.To), line.Kind});
    for (const TNetLabel& label : piece.Labels)
        page.Texts.push_back({place.OnPage(label.At),
                              std::clamp(label.Size * place.Scale, 1.6, label.Upright ? 5.0 : 4.0),
                              label.Upright ? 0.0 : label.Turn + turn, label.Text, TTextRole::Label});
}

// About how wide a text is in ems: Latin letters and figures half an em and a little,
// everything else (kana, kanji, full-width signs) a whole em.
double EmsWide(const std::string& text)
{
    double ems = 0.0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            ems += 0.6;
        else if ((byte & 0xC0) != 0x80)  // the first byte of a longer character
            ems += 1.0;
    }
    return ems;
}

// The footer of each page: the scale bar at the left, the title beside it.
void DrawFooter(const TNetSheetOptions& options, int number, int count, TNetPage& page)
{
    const TNetPaper& paper = options.Paper;
    const double baseline = paper.HeightMm - paper.MarginMm - 1.5;
    page.ScaleBarFrom = {paper.MarginMm, baseline};
    page.ScaleBarMm = 50.0;
    std::string title = options.Title;
    if (count > 1)
        title += "  " + std::to_string(number + 1) + "/" + std::to_string(count);
    title += (options.Language == TLanguage::Japanese ? "　辺 " : "  edge ") + Decimal(options.EdgeMm) + " mm";
    const double left = paper.MarginMm + page.ScaleBarMm + 8.0;
    const double room = paper.WidthMm - paper.MarginMm - left;
    const double size = std::min(4.0, room / std::max(EmsWide(title), 1.0));
    page.Texts.push_back(
        {{0.5 * (left + paper.WidthMm - paper.MarginMm), baseline}, size, 0.0, title, TTextRole::Title});
}

}  // namespace

TPrintableArea PieceArea(const TNetPaper& paper)
{
    return {paper.MarginMm, paper.MarginMm, paper.WidthMm - paper.MarginMm, paper.HeightMm - paper.MarginMm - FooterMm};
}

namespace {

// The longest edge (mm) at which every piece, in its best turn, fits a page of its own.
double LongestFittingEdge(const std::vector<std::vector<TTurn>>& turns, const TPrintableArea& area)
{
    double edge = INFINITY;
    for (const std::vector<TTurn>& piece : turns) {
        double best = 0.0;
        for (const TTurn& turn : piece)
            best = std::max(best, FittingScale(turn, area));
        edge = std::min(edge, best);
    }
    // A round figure, a little under the limit so that rounding never pushes a piece out.
    return edge >= 1.0 ? std::floor(edge * 10.0 * (1.0 - 1e-9)) / 10.0 : edge * (1.0 - 1e-9);
}

// The pieces placed at one scale: each in its best turn, the tallest first; false where a
// piece fits no page.
bool Pack(const TNet& net, const std::vector<std::vector<TTurn>>& turns, double edge, const TPrintableArea& area,
          std::vector<TPiecePlace>& places, int& pages)
{
    std::vector<const TTurn*> chosen(net.Pieces.size());
    for (size_t p = 0; p < net.Pieces.size(); ++p)
        if ((chosen[p] = BestTurn(turns[p], edge, area)) == nullptr)
            return false;
    std::vector<size_t> order(net.Pieces.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return chosen[a]->Height() > chosen[b]->Height(); });
    TPacker packer{area, {}, {}};
    places.assign(net.Pieces.size(), {});
    for (size_t p : order) {
        const TTurn& turn = *chosen[p];
        int page = 0;
        const TPoint2 corner = packer.Place(turn.Width() * edge, turn.Height() * edge, page);
        // The turned box's top left corner (X0, Y1 in the net's y-up terms) goes to corner.
        places[p] = {page, turn.Cos, turn.Sin, edge, {corner.X - edge * turn.X0, corner.Y + edge * turn.Y1}};
    }
    pages = static_cast<int>(packer.PageUsed.size());
    return true;
}

// The edge a model is drawn at unless one is asked: the longest at which all of it goes
// on one page, but not under a third of the longest at which its largest piece fits, so
// that a model of many pieces spreads over pages rather than shrinking out of sight.
double DefaultEdge(const TNet& net, const std::vector<std::vector<TTurn>>& turns, double fitting,
                   const TPrintableArea& area)
{
    std::vector<TPiecePlace> places;
    int pages = 0;
    const auto onePage = [&](double edge) { return Pack(net, turns, edge, area, places, pages) && pages == 1; };
    if (onePage(fitting))
        return fitting;
    double low = fitting / 3.0;
    if (!onePage(low))
        return std::floor(low * 10.0) / 10.0 > 0.0 ? std::floor(low * 10.0) / 10.0 : low;
    double high = fitting;
    for (int halving = 0; halving < 24; ++halving) {
        const double middle = 0.5 * (low + high);
        (onePage(middle) ? low : high) = middle;
    }
    return low >= 1.0 ? std::floor(low * 10.0) / 10.0 : low;
}

}  // namespace

TResult LayOutNet(const TNet& net, const TNetSheetOptions& options, TNetSheet& sheet)
{
    const TNetPaper& paper = options.Paper;
    const TPrintableArea area = PieceArea(paper);
    if (area.X1 - area.X0 < 60.0 || area.Y1 - area.Y0 < 20.0)
        return TResult::Failure("the paper is too small for its margins, the scale bar and a piece");
    std::vector<std::vector<TTurn>> turns;
    turns.reserve(net.Pieces.size());
    for (const TNetPiece& piece : net.Pieces)
        turns.push_back(Turns(piece));
    const double fitting = LongestFittingEdge(turns, area);
    if (!(fitting > 0.0) || !std::isfinite(fitting))
        return TResult::Failure("no piece of the net has a size");
    const double edge = options.EdgeMm > 0.0 ? options.EdgeMm : DefaultEdge(net, turns, fitting, area);
    if (edge > fitting * (1.0 + 1e-9))
        return TResult::Failure("at " + Decimal(edge) + " mm an edge the largest piece does not fit the paper; at most "
                                + Decimal(std::floor(fitting * 10.0) / 10.0) + " mm fits");
    sheet = {};
    sheet.EdgeMm = edge;
    int pages = 0;
    if (!Pack(net, turns, edge, area, sheet.Places, pages))
        return TResult::Failure("a piece of the net does not fit the paper");
    TNetSheetOptions drawn = options;
    drawn.EdgeMm = edge;
    sheet.Pages.assign(pages, TNetPage{paper.WidthMm, paper.HeightMm, {}, {}, {}, {}, {}, 50.0});
    for (size_t p = 0; p < net.Pieces.size(); ++p)
        DrawPiece(net.Pieces[p], sheet.Places[p], drawn, sheet.Pages[sheet.Places[p].Page]);
    for (int page = 0; page < pages; ++page)
        DrawFooter(drawn, page, pages, sheet.Pages[page]);
    return TResult::Success();
}
