// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text the engine shows a user (pane lines, refusals, the dual's report, the
// figures of a solid), in Japanese and in English, chosen by the language in use.
// Placeholders %1, %2 stand for numbers, formatted alike in both languages.
// Plain C++: the window and the command-line tool set the language, the engine reads it.

#include <optional>
#include <string>
#include <string_view>

enum class TLanguage { Japanese, English };

enum class TMessage {
    AllTried,
    Backtrack,
    FoundSolids,  // %1 solids found so far
    ManyFoundPause,
    VertexLimitCut,        // %1 the vertex limit
    VertexLimitCutAtMost,  // %1 the vertex limit, at its highest
    Stopped,
    CompleteUpTo,  // %1 the largest limit whose search has ended
    DualAbandoned,
    ImpossibleCombination,
    LowerLargestPolygon,
    RaiseOtherPolygons,
    Refusal001,
    Refusal001Why,
    Refusal002,
    Refusal002Why,
    NeighbourRadiusHeading,
    SphereRadiusHeading,
    RadiiExplained,
    BuildStarts,
    TableRowPolygon,
    TableRowDiagonal,
    TableRowCircumradius,
    TableRowArea,
    FigureFaces,  // the label; the number follows it
    FigureVertices,
    FigureEdges,
    FigureSurfaceArea,
    FigureVolume,
    FigureCircumradius,
    FigureInradius,
    DualEdgesIncalculable,
    DualEdgesInfinite,
    DualEdgesHeading,
    DualEdge,  // %1 the edge's number, %2 its length
    DualErrorIncalculable,
    DualErrorNone,
    DualErrorWithin,  // %1 the decimal place
    Count
};

// The language of every text from now on (Japanese until told otherwise). Safe to call
// while a search runs on another thread: lines already written stay as they are.
void SetLanguage(TLanguage language);
[[nodiscard]] TLanguage CurrentLanguage();
// "ja" or "en"; nothing for anything else.
[[nodiscard]] std::optional<TLanguage> LanguageFromCode(std::string_view code);
[[nodiscard]] const char* LanguageCode(TLanguage language);

// The text of key in the language in use, or in the one given.
[[nodiscard]] std::string Text(TMessage key);
[[nodiscard]] std::string TextIn(TMessage key, TLanguage language);
// The text with %1 (and %2) replaced.
[[nodiscard]] std::string Text(TMessage key, const std::string& first, const std::string& second = "");
