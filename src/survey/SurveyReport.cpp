// SPDX-License-Identifier: GPL-3.0-or-later
#include "survey/SurveyReport.h"

#include "catalogue/PolyhedronInfo.h"
#include "construction/ConfigurationText.h"
#include "session/BuildSession.h"

#include <algorithm>
#include <cassert>
#include <map>

namespace {

// Congruence up to any isometry: a solid and its mirror image share one key. The counts
// keep apart the solids too flat or too thin to have a canonical form.
std::string CongruenceKey(const TSolidClass& solid)
{
    return std::to_string(solid.Vertices) + " " + std::to_string(solid.Faces) + " " + std::to_string(solid.Edges) + " "
           + std::min(solid.Shape, solid.MirrorShape);
}

std::string PolygonText(int n, int d)
{
    // Built by appending: GCC 12 warns wrongly about "/" + a temporary string.
    std::string text = "{";
    text += std::to_string(n);
    if (d != 1) {
        text += '/';
        text += std::to_string(d);
    }
    text += '}';
    return text;
}

// The polygon beside `count` copies of {n0} in a cycle of `count` + 1 polygons, if the
// cycle is that; {n0} itself when every polygon is one.
bool OddPolygonOut(const TVertexConfiguration& config, int n0, int count, int& n, int& d)
{
    if (config.AddLast || config.PolygonCount != count + 1)
        return false;
    int plain = 0;
    n = n0;
    d = 1;
    for (int i = 0; i < config.PolygonCount; ++i) {
        if (config.N[i] == n0 && config.D[i] == 1) {
            ++plain;
        } else {
            n = config.N[i];
            d = config.D[i];
        }
    }
    return plain >= count;
}

struct TRowMarks {
    int Row = 0;
    bool SeenMirror = false;
};

class TReportAssembly {
public:
    TReportAssembly(const TConfigurationList& list, const std::vector<TCatalogueShape>& catalogue,
                    TSurveyReport& report)
        : List(list), Report(report)
    {
        for (const TCatalogueShape& entry : catalogue)
            Names.emplace(entry.Key, entry.Name);  // the first entry's name stays
    }

    void Take(const TConfigurationOutcome& outcome)
    {
        const TVertexConfiguration config = List.At(outcome.Index);
        ++Report.Tried;
        Report.Found += outcome.Found;
        if (outcome.End == TSearchEnd::Refused)
            return;
        ++Report.Prepared;
        if (outcome.End == TSearchEnd::Ended)
            ++Report.Ended;
        if (outcome.End == TSearchEnd::OutOfBudget) {
            ++Report.OutOfBudget;
            Report.Budget.push_back({ConfigurationText(config), outcome.Steps, outcome.Found});
        }
        for (const TSurveySolid& solid : outcome.Solids)
            TakeSolid(config, solid);
    }

private:
    void TakeSolid(const TVertexConfiguration& config, const TSurveySolid& solid)
    {
        const std::string key = CongruenceKey(solid.Class);
        auto [marks, added] = Rows.try_emplace(key, TRowMarks{static_cast<int>(Report.Solids.size())});
        if (added) {
            TSurveySolidRow row;
            row.Class = solid.Class;
            if (const auto name = Names.find(key); name != Names.end())
                row.Name = name->second;
            Report.Solids.push_back(std::move(row));
        }
        TSurveySolidRow& row = Report.Solids[static_cast<std::size_t>(marks->second.Row)];
        if (row.Class.Chiral && solid.Class.Shape != row.Class.Shape)
            row.BothHands = true;
        if (row.Family.empty())
            row.Family = FamilyOf(config, solid.Class);
        const std::string text = ConfigurationText(config);
        // Both hands of a chiral solid from one configuration make one builder.
        if (!row.Builders.empty() && row.Builders.back().Configuration == text)
            row.Builders.back().Copies += solid.Copies;
        else
            row.Builders.push_back({text, solid.Copies});
    }

    const TConfigurationList& List;
    TSurveyReport& Report;
    std::map<std::string, std::string> Names;
    std::map<std::string, TRowMarks> Rows;
};

}  // namespace

std::vector<TCatalogueShape> CatalogueShapes()
{
    std::vector<TCatalogueShape> shapes;
    for (int entry = 0; entry < CatalogueEntryCount; ++entry) {
        const std::optional<TCatalogueChoice> choice = DecodeCatalogueItem(2 * entry);
        assert(choice && "every catalogue entry reads");
        TOneShotBuild build(choice->Config);
        build.Run();
        const TBuiltSolid* solid = build.Search.SolidAt(choice->Pick);
        if (build.Refused || solid == nullptr || choice->Pick < 1)
            continue;
        shapes.push_back(
            {CongruenceKey(ClassifySolid(*solid)), CatalogueRows[static_cast<std::size_t>(entry)].English});
    }
    return shapes;
}

std::string FamilyOf(const TVertexConfiguration& config, const TSolidClass& solid)
{
    int n = 0;
    int d = 0;
    // A prism: two squares and an {n/d} at every vertex, and the 2n vertices, n + 2 faces
    // and 3n edges of the two {n/d} joined by n squares. {n/d} and {n/(n-d)} are one
    // polygon, read the other way round.
    if (OddPolygonOut(config, 4, 2, n, d) && solid.Vertices == 2 * n && solid.Faces == n + 2 && solid.Edges == 3 * n)
        return "prism " + PolygonText(n, std::min(d, n - d));
    // An antiprism: three triangles and an {n/d}, 2n vertices, 2n + 2 faces, 4n edges. It
    // is crossed where the {n/d} runs backwards (d > n/2): its two copies are joined by
    // triangles that cross the axis.
    if (OddPolygonOut(config, 3, 3, n, d) && solid.Vertices == 2 * n && solid.Faces == 2 * n + 2
        && solid.Edges == 4 * n)
        return (2 * d < n ? "antiprism " + PolygonText(n, d) : "crossed antiprism " + PolygonText(n, n - d));
    return {};
}

TSurveyReport AssembleReport(const TSurveyOptions& options, const TConfigurationList& list,
                             const std::vector<TConfigurationOutcome>& outcomes,
                             const std::vector<TCatalogueShape>& catalogue)
{
    assert(static_cast<int>(outcomes.size()) == list.Count());
    TSurveyReport report;
    report.Options = OptionsText(options);
    TReportAssembly assembly(list, catalogue, report);
    for (int i = 0; i < list.Count(); ++i) {
        assert(outcomes[static_cast<std::size_t>(i)].Index == i);
        assembly.Take(outcomes[static_cast<std::size_t>(i)]);
    }
    for (const TSurveySolidRow& row : report.Solids) {
        report.Uniform += IsUniform(row.Class) ? 1 : 0;
        report.Degenerate += row.Class.Manifold ? 0 : 1;
    }
    return report;
}
