// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a survey keeps of one configuration: how its search ended, how many steps it took,
// and the distinct solids it built, classified. One line of text holds it, the same line
// in the checkpoint file and on the wire between processes.

#include "measure/SolidClass.h"
#include "survey/SurveySearch.h"

#include <optional>
#include <string>
#include <vector>

// One solid a configuration built, with how often its search found it (the same solid
// turned about the first vertex, or reached by other choices).
struct TSurveySolid {
    TSolidClass Class;
    int Copies = 1;
};

struct TConfigurationOutcome {
    int Index = -1;  // in the survey's list of configurations
    TSearchEnd End = TSearchEnd::Refused;
    long long Steps = 0;
    int Found = 0;                     // solids the search recorded, copies included
    std::vector<TSurveySolid> Solids;  // distinct (equal Shape), in the order first found
};

// Searches configuration index within budget steps and classifies what it built.
[[nodiscard]] TConfigurationOutcome SurveyConfiguration(int index, const TVertexConfiguration& config, long long budget,
                                                        TSearchControl& control);

// The outcome as one line of tab-separated fields, without the line's end.
[[nodiscard]] std::string OutcomeRow(const TConfigurationOutcome& outcome);
// A row read back; none when it does not read as a whole.
[[nodiscard]] std::optional<TConfigurationOutcome> ReadOutcomeRow(const std::string& row);
