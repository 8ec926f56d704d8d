// zenkari-cli: the construction engine from the command line.

#include "cli/CliOptions.h"
#include "cli/CliOutput.h"
#include "construction/BuildDriver.h"
#include "construction/ConfigurationText.h"

#include <iostream>
#include <memory>

namespace {

int RunBuild(const TCliRequest& request)
{
    auto engine = std::make_unique<TBuild>();
    TBuildDriver driver;
    TLinePane pane;
    bool refused = request.Steps > 0 ? driver.StartSteps(*engine, request.Config, pane)
                                     : driver.BuildAll(*engine, request.Config, pane);
    const int presses = (request.Steps > 0 ? request.Steps - 1 : 0) + request.Continues;
    for (int i = 0; i < presses && !refused; ++i)
        refused = driver.ContinueSteps(*engine, request.Config, pane);

    TBuildReport report;
    report.Pick = request.Pick;
    if (!refused && (request.Dual || request.Compound)) {
        // As the window's first redraw with "双対" or "複合" checked: form the dual of the
        // solid shown, then the compound, and append the report once when the dual is shown.
        const int sel = request.Pick;
        report.DualFormed = true;
        report.DualAborted = sel == 0 ? engine->BuildCurrentDual() : engine->BuildListedDual(sel - 1);
        if (request.Compound) {
            engine->FormCompound(sel);
            report.CompoundFormed = true;
        }
        if (request.Dual) {
            report.DualReport = engine->DualEdgeReport();
            AppendDualReport(*engine, pane);
        }
    }
    report.Configuration = ConfigurationText(request.Config);
    report.Config = &request.Config;
    report.Refused = refused;
    report.BuildStep = driver.BuildStep;
    report.Pane = &pane.Lines;
    report.Engine = engine.get();
    if (request.Json)
        WriteJsonReport(report, std::cout);
    else
        WriteTextReport(report, std::cout);
    return refused ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    TCliRequest request;
    const std::string error = ParseCommandLine(argc - 1, argv + 1, request);
    if (!error.empty()) {
        std::cerr << "zenkari-cli: " << error << '\n';
        return 2;
    }
    if (request.Help) {
        std::cout << UsageText();
        return 0;
    }
    return RunBuild(request);
}
