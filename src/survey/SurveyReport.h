// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A survey's report: the solids its configurations built, one row for each solid up to
// congruence (a mirror image is the same row), named where the catalogue has it or where
// it is a prism, an antiprism or a crossed antiprism; one row for each configuration whose
// search ran out of budget; and the totals. Assembled in the survey's order of
// configurations, so that it is the same however the work was shared out.

#include "survey/SurveyConfigurations.h"
#include "survey/SurveyOutcome.h"

#include <string>
#include <vector>

// The catalogue's solids as the report names them: each entry built once and classified.
struct TCatalogueShape {
    std::string Key;   // its counts and canonical form, the same for its mirror image
    std::string Name;  // English, without the configuration
};
[[nodiscard]] std::vector<TCatalogueShape> CatalogueShapes();

struct TSurveyBuilder {
    std::string Configuration;  // as the catalogue writes it
    int Copies = 1;             // how often its search found the solid
};

struct TSurveySolidRow {
    TSolidClass Class;                     // as first found
    bool BothHands = false;                // chiral, and both it and its mirror image were found
    std::string Name;                      // the catalogue's, or empty
    std::string Family;                    // "prism {5/2}", "antiprism {4}", "crossed antiprism {5/2}", or empty
    std::vector<TSurveyBuilder> Builders;  // in the survey's order
};

struct TBudgetRow {
    std::string Configuration;
    long long Steps = 0;
    int Found = 0;  // solids found before the budget ran out (they are among the rows)
};

struct TSurveyReport {
    std::string Options;
    int Tried = 0;
    int Prepared = 0;
    int Ended = 0;        // searched to the end
    int OutOfBudget = 0;  // searched until the budget ran out
    int Found = 0;        // solids the searches recorded, copies included
    int Uniform = 0;      // rows whose solid is a closed surface and vertex-transitive
    int Degenerate = 0;   // rows whose solid is no closed surface: an edge on other than two faces
    std::vector<TSurveySolidRow> Solids;
    std::vector<TBudgetRow> Budget;
};

// The report of a survey whose outcomes are all there, one for every configuration of list.
[[nodiscard]] TSurveyReport AssembleReport(const TSurveyOptions& options, const TConfigurationList& list,
                                           const std::vector<TConfigurationOutcome>& outcomes,
                                           const std::vector<TCatalogueShape>& catalogue);

// A solid whose every edge is on two faces and whose vertices are all alike.
[[nodiscard]] inline bool IsUniform(const TSolidClass& solid)
{
    return solid.Manifold && solid.VertexOrbits == 1;
}

// The family a solid of config belongs to, from the configuration and its counts; empty
// for none.
[[nodiscard]] std::string FamilyOf(const TVertexConfiguration& config, const TSolidClass& solid);
