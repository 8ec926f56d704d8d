// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Messages.h"

#include <array>
#include <atomic>

namespace {

struct TMessageText {
    TMessage Key;
    const char* Japanese;
    const char* English;
};

// One row a message, in the order of TMessage. The English is written for a reader who
// knows polyhedra; its terms: vertex configuration, winding, star polygon, dual, compound.
constexpr TMessageText Table[] = {
    {TMessage::AllTried, "全通り調べ終わりました。", "Every possibility has been examined."},
    {TMessage::Backtrack, "少し前に戻り別の置き方を試します。", "Going back a little to try another arrangement."},
    {TMessage::FoundSolids, "%1個この形の立体がありました。", "Solids of this form found: %1."},
    {TMessage::ManyFoundPause, "たくさん立体がみつかったのでとりあえず中断します。",
     "Many solids have been found, so the search pauses here for now."},
    {TMessage::VertexLimitCut,
     "頂点数の上限（%1）で打ち切った枝があります。上限を上げると見つかる立体があるかもしれません。",
     "Some branches were cut at the vertex limit (%1). A higher limit may find more solids."},
    {TMessage::VertexLimitCutAtMost, "頂点数の上限（%1）で打ち切った枝があります。上限はこれ以上上げられません。",
     "Some branches were cut at the vertex limit (%1), which is already the highest there is."},
    {TMessage::Stopped, "中止しました。「構築続行」で続きを調べます。", "Stopped. \"Continue\" carries the search on."},
    {TMessage::CompleteUpTo, "%1頂点以下の立体はこの一覧ですべてです。",
     "The list holds every solid of at most %1 vertices."},
    {TMessage::DualAbandoned, "無限遠点を含むため双対図形処理を中断しました",
     "The dual has points at infinity, so forming it was abandoned"},
    {TMessage::ImpossibleCombination, "不可能な組み合わせです。構築不能です。",
     "Impossible combination: it cannot be built."},
    {TMessage::LowerLargestPolygon, "一番角数の大きい多角形の角数を下げるか。",
     "Lower the number of sides of the largest polygon,"},
    {TMessage::RaiseOtherPolygons, "それ以外の正多角形の角数を上げてください。",
     "or raise the number of sides of the other polygons."},
    {TMessage::Refusal001, "構築不能です。(001)", "It cannot be built. (001)"},
    {TMessage::Refusal001Why, "多角形の角を合わせても頂点の周りを指定の周数だけ回りきれず、頂点図形が閉じません。",
     "The polygons' angles together cannot go round the vertex the given number of windings: the vertex "
     "figure does not close."},
    {TMessage::Refusal002, "構築不能です。(002)", "It cannot be built. (002)"},
    {TMessage::Refusal002Why,
     "多角形の角を合わせると頂点の周りを指定の周数より多く回ってしまい、頂点図形が閉じません。",
     "The polygons' angles together go round the vertex more than the given number of windings: the vertex "
     "figure does not close."},
    {TMessage::NeighbourRadiusHeading, "1頂点に接する稜の端点の外接円半径:", "Circumradius of the vertex figure:"},
    {TMessage::SphereRadiusHeading,
     "準正多面体の外接球半径（存在するなら）:", "Circumradius of the uniform polyhedron (if it exists):"},
    {TMessage::RadiiExplained,
     "頂点周辺の構造から、この二つの値を自動計算しました（双対図形の場合は、元の立体における数値のことです）。",
     "Both values were computed from the vertex configuration (for a dual, they are those of the original "
     "solid)."},
    {TMessage::BuildStarts, "これらを元に立体の構築を開始します。", "The solid is now built from them."},
    {TMessage::TableRowPolygon, "正n角形", "Polygon {n/d}"},
    {TMessage::TableRowDiagonal, "対角線", "Diagonal"},
    {TMessage::TableRowCircumradius, "外接円半径", "Circumradius"},
    {TMessage::TableRowArea, "面積", "Area"},
    {TMessage::FigureFaces, "面の数：", "Faces: "},
    {TMessage::FigureVertices, "頂点の数：", "Vertices: "},
    {TMessage::FigureEdges, "辺の数：", "Edges: "},
    {TMessage::FigureSurfaceArea, "表面積：", "Surface area: "},
    {TMessage::FigureVolume, "体積：", "Volume: "},
    {TMessage::FigureCircumradius, "外接球半径：", "Circumradius: "},
    {TMessage::FigureInradius, "内接球半径：", "Inradius: "},
    {TMessage::DualEdgesIncalculable, "双対図形の辺の長さは計算不能です。",
     "The edge lengths of the dual cannot be computed."},
    {TMessage::DualEdgesInfinite, "双対図形の辺の長さは無限大です。", "The edges of the dual are infinitely long."},
    {TMessage::DualEdgesHeading, "双対立体の辺の長さ：", "Edge lengths of the dual:"},
    {TMessage::DualEdge, "辺 %1 = %2", "Edge %1 = %2"},
    {TMessage::DualErrorIncalculable, "（誤差は計算不能です）", "(the error cannot be estimated)"},
    {TMessage::DualErrorNone, "（誤差は検出されませんでした）", "(no error detected)"},
    {TMessage::DualErrorWithin, "（誤差：小数点以下第%1位以内）", "(accurate to %1 decimal places)"},
};

static_assert(std::size(Table) == static_cast<std::size_t>(TMessage::Count), "one row for every message");

constexpr bool InKeyOrder()
{
    for (std::size_t i = 0; i < std::size(Table); ++i)
        if (Table[i].Key != static_cast<TMessage>(i))
            return false;
    return true;
}
static_assert(InKeyOrder(), "the rows follow the order of TMessage");

std::atomic<TLanguage> Language{TLanguage::Japanese};

void Replace(std::string& text, const char* placeholder, const std::string& value)
{
    const std::size_t at = text.find(placeholder);
    if (at != std::string::npos)
        text.replace(at, 2, value);
}

}  // namespace

void SetLanguage(TLanguage language)
{
    Language.store(language, std::memory_order_relaxed);
}

TLanguage CurrentLanguage()
{
    return Language.load(std::memory_order_relaxed);
}

std::optional<TLanguage> LanguageFromCode(std::string_view code)
{
    if (code == "ja")
        return TLanguage::Japanese;
    if (code == "en")
        return TLanguage::English;
    return std::nullopt;
}

const char* LanguageCode(TLanguage language)
{
    return language == TLanguage::English ? "en" : "ja";
}

std::string TextIn(TMessage key, TLanguage language)
{
    const TMessageText& row = Table[static_cast<std::size_t>(key)];
    return language == TLanguage::English ? row.English : row.Japanese;
}

std::string Text(TMessage key)
{
    return TextIn(key, CurrentLanguage());
}

std::string Text(TMessage key, const std::string& first, const std::string& second)
{
    std::string text = Text(key);
    Replace(text, "%1", first);
    Replace(text, "%2", second);
    return text;
}
