// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paper models of what is shown, on paper: the outer surface of list position sel's solid
// (itself, its dual or the compound, as the view shows it) as a net or as parts, laid out
// on pages and written as a vector PDF or a layered SVG, or handed to a printer.

#include "net/NetLayout.h"
#include "session/BuildSession.h"

#include <optional>
#include <string>
#include <vector>

struct TNetRequest {
    TNetMode Mode = TNetMode::Net;
    TNetPaper Paper;
    double EdgeMm = 0.0;  // 0: the longest edge that lets every piece fit a page
    bool Tabs = true;
    TLanguage Language = TLanguage::Japanese;
    std::string Title;  // the solid's name, printed on every page
};

enum class TNetFormat { Pdf, Svg };
// From the file name's extension, ".pdf" or ".svg" in any case.
[[nodiscard]] std::optional<TNetFormat> NetFormatFromPath(const std::string& path);

// The paper sizes a user names: "a4", "a3", "letter", "legal", or "WxH" / "WxHmm" in
// millimetres (each 50 ... 2000).
[[nodiscard]] std::optional<TNetPaper> NetPaperFromName(const std::string& name);

struct TNetPieceSummary {
    int Page = 0;   // 1 ...
    int Faces = 0;  // regions in the piece
    int Count = 1;
    int Mirrored = 0;
    int Tabs = 0;
};

struct [[nodiscard]] TNetSummary {
    std::string Error;  // empty when the model was made (and written)
    TNetMode Mode = TNetMode::Net;
    int Pages = 0;
    double EdgeMm = 0.0;
    int GluedPairs = 0;
    int Tabs = 0;
    std::vector<TNetPieceSummary> Pieces;

    [[nodiscard]] bool Failed() const { return !Error.empty(); }
};

// The pages of the model, for a printer or a file.
[[nodiscard]] TNetSummary NetPagesOf(const TBuildSession& session, int sel, const TNetRequest& request,
                                     const TDisplaySettings& settings, std::vector<TNetPage>& pages);

// The model written carefully to path, as PDF or SVG by its name.
[[nodiscard]] TNetSummary ExportNetFile(const TBuildSession& session, int sel, const std::string& path,
                                        const TNetRequest& request,
                                        const TDisplaySettings& settings = FirstStartDisplaySettings());
