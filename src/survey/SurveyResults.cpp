// SPDX-License-Identifier: GPL-3.0-or-later
#include "survey/SurveyResults.h"

#include <cassert>

void TSurveyResults::Record(TConfigurationOutcome outcome, bool toCheckpoint)
{
    assert(outcome.Index >= 0 && outcome.Index < Count() && outcome.End != TSearchEnd::Stopped);
    const std::lock_guard lock(Mutex);
    const auto at = static_cast<std::size_t>(outcome.Index);
    if (Have[at])
        return;
    if (toCheckpoint && Writer != nullptr)
        Writer->Add(outcome);
    ++Counted.Done;
    Counted.Found += outcome.Found;
    Counted.OutOfBudget += outcome.End == TSearchEnd::OutOfBudget ? 1 : 0;
    Have[at] = true;
    Outcomes[at] = std::move(outcome);
}

std::vector<int> TSurveyResults::Pending() const
{
    const std::lock_guard lock(Mutex);
    std::vector<int> pending;
    for (int i = 0; i < Count(); ++i)
        if (!Have[static_cast<std::size_t>(i)])
            pending.push_back(i);
    return pending;
}

TSurveyResults::TFigures TSurveyResults::Figures() const
{
    const std::lock_guard lock(Mutex);
    return Counted;
}

const std::vector<TConfigurationOutcome>& TSurveyResults::All() const
{
    assert(Figures().Done == Count() && "every configuration is recorded");
    return Outcomes;
}
