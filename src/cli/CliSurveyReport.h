// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A survey's report as a text table or as one JSON object.

#include "survey/SurveyReport.h"

#include <ostream>

void WriteSurveyText(const TSurveyReport& report, std::ostream& out);
void WriteSurveyJson(const TSurveyReport& report, std::ostream& out);
