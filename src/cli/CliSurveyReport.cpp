// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliSurveyReport.h"

#include "cli/CliOutput.h"

#include <cstdio>
#include <string>

namespace {

std::string ChiralText(const TSurveySolidRow& row)
{
    return !row.Class.Chiral ? "no" : row.BothHands ? "pair" : "one hand";
}

std::string NameText(const TSurveySolidRow& row)
{
    if (row.Name.empty())
        return row.Family.empty() ? "-" : row.Family;
    return row.Family.empty() ? row.Name : row.Name + " [" + row.Family + "]";
}

std::string BuildersText(const TSurveySolidRow& row)
{
    std::string text;
    for (const TSurveyBuilder& builder : row.Builders) {
        text += text.empty() ? "" : "; ";
        text += builder.Configuration;
        if (builder.Copies > 1)
            text += " x" + std::to_string(builder.Copies);
    }
    return text;
}

std::string KindText(const TSolidClass& c)
{
    return !c.Manifold ? "degenerate" : c.VertexOrbits == 1 ? "uniform" : "not uniform";
}

std::string SolidLine(int number, const TSurveySolidRow& row)
{
    const TSolidClass& c = row.Class;
    const std::string symmetry = c.Symmetry.empty() ? "-" : c.Symmetry + " (" + std::to_string(c.SymmetryOrder) + ")";
    char line[256];
    std::snprintf(line, sizeof line, "%5d %5d %5d %5d %5d  %-10s  %-10s  %6d  %-11s  %-8s  ", number, c.Vertices,
                  c.Faces, c.Edges, c.EulerCharacteristic, c.Orientable ? "yes" : "no", symmetry.c_str(),
                  c.VertexOrbits, KindText(c).c_str(), ChiralText(row).c_str());
    return line + NameText(row) + "\n      built by " + BuildersText(row) + "\n";
}

std::string JsonSolid(const TSurveySolidRow& row)
{
    const TSolidClass& c = row.Class;
    std::string text =
        "{\"vertices\": " + std::to_string(c.Vertices) + ", \"faces\": " + std::to_string(c.Faces) + ", \"edges\": "
        + std::to_string(c.Edges) + ", \"euler_characteristic\": " + std::to_string(c.EulerCharacteristic)
        + ", \"manifold\": " + (c.Manifold ? "true" : "false")
        + ", \"orientable\": " + (c.Orientable ? "true" : "false") + ", \"symmetry\": " + JsonString(c.Symmetry)
        + ", \"symmetry_order\": " + std::to_string(c.SymmetryOrder) + ", \"vertex_orbits\": "
        + std::to_string(c.VertexOrbits) + ", \"uniform\": " + (IsUniform(c) ? "true" : "false")
        + ", \"chiral\": " + (c.Chiral ? "true" : "false") + ", \"both_hands\": " + (row.BothHands ? "true" : "false")
        + ", \"name\": " + (row.Name.empty() ? "null" : JsonString(row.Name))
        + ", \"family\": " + (row.Family.empty() ? "null" : JsonString(row.Family)) + ", \"configurations\": [";
    for (std::size_t b = 0; b < row.Builders.size(); ++b)
        text += (b ? ", " : "") + std::string("{\"configuration\": ") + JsonString(row.Builders[b].Configuration)
                + ", \"copies\": " + std::to_string(row.Builders[b].Copies) + "}";
    return text + "]}";
}

}  // namespace

void WriteSurveyText(const TSurveyReport& report, std::ostream& out)
{
    out << "zenkari survey: " << report.Options << '\n'
        << "configurations: " << report.Tried << " tried, " << report.Prepared << " prepared, " << report.Ended
        << " searched to the end, " << report.OutOfBudget << " out of budget\n"
        << "solids: " << report.Solids.size() << " distinct: " << report.Uniform << " uniform, "
        << report.Solids.size() - static_cast<std::size_t>(report.Uniform + report.Degenerate) << " not uniform, "
        << report.Degenerate << " degenerate (an edge on other than two faces); " << report.Found
        << " found with their copies\n\n"
        << "solid     V     F     E   chi  orientable  symmetry    orbits  kind         chiral    name [family]\n";
    for (std::size_t s = 0; s < report.Solids.size(); ++s)
        out << SolidLine(static_cast<int>(s) + 1, report.Solids[s]);
    out << "\nout of budget: " << (report.Budget.empty() ? "none" : std::to_string(report.Budget.size())) << '\n';
    for (const TBudgetRow& row : report.Budget)
        out << "  " << row.Configuration << ": " << row.Steps << " steps, " << row.Found << " solids found\n";
}

void WriteSurveyJson(const TSurveyReport& report, std::ostream& out)
{
    out << "{\n  \"options\": " << JsonString(report.Options) << ",\n  \"configurations\": {\"tried\": " << report.Tried
        << ", \"prepared\": " << report.Prepared << ", \"searched_to_the_end\": " << report.Ended
        << ", \"out_of_budget\": " << report.OutOfBudget << "},\n  \"found\": " << report.Found
        << ",\n  \"uniform\": " << report.Uniform << ",\n  \"degenerate\": " << report.Degenerate
        << ",\n  \"solids\": [";
    for (std::size_t s = 0; s < report.Solids.size(); ++s)
        out << (s ? ",\n    " : "\n    ") << JsonSolid(report.Solids[s]);
    out << (report.Solids.empty() ? "],\n" : "\n  ],\n") << "  \"out_of_budget\": [";
    for (std::size_t b = 0; b < report.Budget.size(); ++b)
        out << (b ? ",\n    " : "\n    ") << "{\"configuration\": " << JsonString(report.Budget[b].Configuration)
            << ", \"steps\": " << report.Budget[b].Steps << ", \"found\": " << report.Budget[b].Found << "}";
    out << (report.Budget.empty() ? "]\n}\n" : "\n  ]\n}\n");
}
