// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The outcomes of a survey's configurations as they come in, from a checkpoint, from the
// threads and from other processes, kept by configuration index; what is still to do; and
// the figures of a progress line.

#include "survey/SurveyCheckpoint.h"

#include <mutex>
#include <vector>

class TSurveyResults {
public:
    explicit TSurveyResults(int count) : Outcomes(static_cast<std::size_t>(count)), Have(Outcomes.size(), false) {}

    // Rows are appended to writer as they are recorded (not those loaded); null for none.
    void Attach(TCheckpointWriter* writer) { Writer = writer; }
    // Any thread. A configuration recorded before keeps its first outcome.
    void Record(TConfigurationOutcome outcome, bool toCheckpoint = true);
    // The configurations not recorded yet, in order.
    [[nodiscard]] std::vector<int> Pending() const;

    struct TFigures {
        int Done = 0;
        int Found = 0;
        int OutOfBudget = 0;
    };
    [[nodiscard]] TFigures Figures() const;
    [[nodiscard]] int Count() const { return static_cast<int>(Outcomes.size()); }
    // Every outcome, by index; only once all are recorded.
    [[nodiscard]] const std::vector<TConfigurationOutcome>& All() const;

private:
    mutable std::mutex Mutex;
    std::vector<TConfigurationOutcome> Outcomes;
    std::vector<bool> Have;
    TFigures Counted;
    TCheckpointWriter* Writer = nullptr;
};
