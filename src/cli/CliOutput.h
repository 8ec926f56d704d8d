// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What zenkari-cli prints after a build: the information pane and the solids found,
// as text or as one JSON object.

#include "session/BuildSession.h"

#include <ostream>
#include <string>
#include <vector>

struct TBuildReport {
    std::string Configuration;
    const TVertexConfiguration* Config = nullptr;
    bool Refused = false;
    int BuildStep = 0;
    const std::vector<std::string>* Pane = nullptr;
    const TBuildSession* Session = nullptr;
    int Pick = 1;
    bool DualFormed = false;
    bool DualAborted = false;
    std::string DualReport;
    bool CompoundFormed = false;
    const TPolyFace* Compound = nullptr;  // when formed
    bool Stopped = false;                 // the one-shot search was paused by the time limit or Ctrl-C
};

void WriteTextReport(const TBuildReport& report, std::ostream& out);
void WriteJsonReport(const TBuildReport& report, std::ostream& out);

// JSON helpers, shared by every JSON writer of the tool.
[[nodiscard]] std::string JsonString(const std::string& text);
[[nodiscard]] std::string JsonNumber(double x);  // 17 significant digits; null for NaN and infinities
