// SPDX-License-Identifier: GPL-3.0-or-later
// zenkari-cli survey as a user runs it: the same report for any number of threads and
// under mpirun, a checkpoint that a stopped survey goes on from, a row for every
// configuration that ran out of budget, and clear refusals.

#include "support/RunProgram.h"
#include "support/TerminalRun.h"
#include "survey/SurveyCheckpoint.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

// Four polygons at most, n <= 5 with stars, two windings: 1,572 configurations, a few
// dozen solids, every search over within a few hundred steps.
const std::vector<std::string> SmallBound = {"survey", "--max-polygons", "4",          "--max-sides",
                                             "5",      "--stars",        "--windings", "2"};

TProgramResult RunSurvey(std::vector<std::string> options, const std::string& report)
{
    std::vector<std::string> arguments = SmallBound;
    arguments.insert(arguments.end(), options.begin(), options.end());
    arguments.insert(arguments.end(), {"-o", report});
    return RunProgram(ZENKARI_CLI_PATH, arguments);
}

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The checkpoint's lines, its header's three first.
std::vector<std::string> FileLines(const std::string& path)
{
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

}  // namespace

TEST(CliSurvey, TheReportIsTheSameForEveryNumberOfThreads)
{
    const std::string dir = ScratchDirectory();
    const TProgramResult one = RunSurvey({"--jobs", "1"}, dir + "one.txt");
    ASSERT_EQ(one.Status, 0) << one.Err;
    EXPECT_EQ(one.Out.rfind("wrote " + dir + "one.txt: 1572 configurations, ", 0), 0u) << one.Out;
    const std::string report = FileText(dir + "one.txt");
    EXPECT_EQ(report.rfind("zenkari survey: max-polygons 4, max-sides 5, stars, windings 1-2, limit 200, "
                           "budget 1000000\nconfigurations: 1572 tried, ",
                           0),
              0u)
        << report;
    EXPECT_NE(report.find("Great Stellated Dodecahedron"), std::string::npos);
    EXPECT_NE(report.find("out of budget: none"), std::string::npos);
    // The checkpoint beside the report goes once the report holds everything.
    EXPECT_FALSE(std::filesystem::exists(dir + "one.txt.checkpoint"));
    for (const char* jobs : {"2", "3"}) {
        const TProgramResult more = RunSurvey({"--jobs", jobs}, dir + "more.txt");
        ASSERT_EQ(more.Status, 0) << more.Err;
        EXPECT_EQ(FileText(dir + "more.txt"), report) << jobs << " jobs";
    }
    ASSERT_EQ(RunSurvey({"--json", "--jobs", "1"}, dir + "one.json").Status, 0);
    ASSERT_EQ(RunSurvey({"--json", "--jobs", "2"}, dir + "two.json").Status, 0);
    EXPECT_EQ(FileText(dir + "two.json"), FileText(dir + "one.json"));
    EXPECT_NE(FileText(dir + "one.json").find("\"name\": \"Tetrahemihexahedron\""), std::string::npos);
}

TEST(CliSurvey, AResumedSurveyGivesTheSameReport)
{
    const std::string dir = ScratchDirectory();
    const std::string checkpoint = dir + "kept.checkpoint";
    // --resume on a file that is not there yet starts it, and keeps it afterwards.
    ASSERT_EQ(RunSurvey({"--resume", checkpoint}, dir + "whole.txt").Status, 0);
    const std::vector<std::string> lines = FileLines(checkpoint);
    ASSERT_EQ(lines.size(), 3u + 1572u);
    EXPECT_EQ(lines[1], "options: max-polygons 4, max-sides 5, stars, windings 1-2, limit 200, budget 1000000");
    // As a stop would leave it: the rows finished so far, the last one cut short.
    std::string stopped;
    for (std::size_t i = 0; i < 3 + 900; ++i)
        stopped += lines[i] + "\n";
    stopped += lines[903].substr(0, lines[903].size() / 2);
    std::ofstream(checkpoint, std::ios::binary) << stopped;
    const TProgramResult resumed = RunSurvey({"--resume", checkpoint, "--jobs", "2"}, dir + "resumed.txt");
    ASSERT_EQ(resumed.Status, 0) << resumed.Err;
    EXPECT_EQ(FileText(dir + "resumed.txt"), FileText(dir + "whole.txt"));
    EXPECT_EQ(FileLines(checkpoint).size(), 3u + 1572u);
    // Every configuration is in it once: the one cut short was done again.
    TSurveyOptions options;
    options.MaxSides = 5;
    options.Stars = true;
    options.MaxWinding = 2;
    options.Budget = 1000000;
    TCheckpointContents contents;
    ASSERT_FALSE(ReadCheckpoint(checkpoint, CheckpointHeader(options, 1572), 1572, contents).Failed());
    EXPECT_EQ(contents.Outcomes.size(), 1572u);
}

TEST(CliSurvey, RefusesAnotherSurveysCheckpointAndBadOptions)
{
    const std::string dir = ScratchDirectory();
    ASSERT_EQ(RunSurvey({"--resume", dir + "ck", "--budget", "5000"}, dir + "a.txt").Status, 0);
    const TProgramResult other = RunSurvey({"--resume", dir + "ck", "--budget", "6000"}, dir + "b.txt");
    EXPECT_EQ(other.Status, 1);
    EXPECT_EQ(other.Err.rfind("zenkari-cli: cannot go on from \"/", 0), 0u) << other.Err;
    EXPECT_NE(other.Err.find("\": it is the checkpoint of a survey with other options\n"), std::string::npos)
        << other.Err;
    EXPECT_FALSE(std::filesystem::exists(dir + "b.txt"));

    const auto refusal = [](const std::vector<std::string>& arguments) {
        const TProgramResult run = RunProgram(ZENKARI_CLI_PATH, arguments);
        EXPECT_EQ(run.Status, 2);
        return run.Err;
    };
    EXPECT_EQ(refusal({"survey", "--max-sides", "5", "-o", "x"}),
              "zenkari-cli: survey needs --max-polygons K and --max-sides N\n");
    EXPECT_EQ(refusal({"survey", "--max-polygons", "4", "--max-sides", "5"}),
              "zenkari-cli: survey needs -o FILE for its report\n");
    EXPECT_EQ(refusal({"survey", "--max-polygons", "2", "--max-sides", "5", "-o", "x"}),
              "zenkari-cli: --max-polygons must be 3 ... 16, not \"2\"\n");
    EXPECT_EQ(refusal({"survey", "--max-polygons", "4", "--max-sides", "33", "-o", "x"}),
              "zenkari-cli: --max-sides must be 3 ... 32, not \"33\"\n");
    EXPECT_EQ(refusal({"survey", "--max-polygons", "4", "--max-sides", "5", "--budget", "0", "-o", "x"}),
              "zenkari-cli: --budget must be 1 ... 1000000000000 steps, not \"0\"\n");
    EXPECT_EQ(refusal({"survey", "--max-polygons", "4", "--max-sides", "5", "--limit", "15", "-o", "x"}),
              "zenkari-cli: --limit must be 10 ... 1000 in steps of 10, not \"15\"\n");
    EXPECT_EQ(refusal({"survey", "--max-polygons", "16", "--max-sides", "5", "--added-last", "-o", "x"}),
              "zenkari-cli: --added-last takes --max-polygons at most 15: the added polygon is the 16th\n");
    EXPECT_EQ(refusal({"survey", "--max-polygons", "4", "--max-sides", "5", "--stars", "--stars", "-o", "x"}),
              "zenkari-cli: --stars is given twice\n");
    EXPECT_EQ(refusal({"survey", "(3, 4, 5, 4)"}),
              "zenkari-cli: survey takes no option \"(3, 4, 5, 4)\" (see --help)\n");
}

TEST(CliSurvey, EveryConfigurationOutOfBudgetHasARow)
{
    const std::string dir = ScratchDirectory();
    // (5, 5, 5, 5/4) needs 202 steps for its 81 flat pentagons: at 100 it stops at the
    // first check past them, 128, with what it found by then kept. Three more need more
    // than 100 steps to find that they close nowhere.
    const TProgramResult run = RunSurvey({"--budget", "100"}, dir + "cut.txt");
    ASSERT_EQ(run.Status, 0) << run.Err;
    const std::string report = FileText(dir + "cut.txt");
    EXPECT_NE(report.find("\nout of budget: 4\n  (4, 4, 4, 5/2): 128 steps, 0 solids found\n"
                          "  (4, 4, 4, 5/3): 128 steps, 0 solids found\n  (4/3, 5, 5, 5): 128 steps, 0 solids found\n"
                          "  (5, 5, 5, 5/4): 128 steps, 50 solids found\n"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("configurations: 1572 tried, 90 prepared, 86 searched to the end, 4 out of budget\n"),
              std::string::npos)
        << report;
    EXPECT_NE(run.Out.find(", 4 out of budget\n"), std::string::npos) << run.Out;
    ASSERT_EQ(RunSurvey({"--budget", "100", "--json"}, dir + "cut.json").Status, 0);
    EXPECT_NE(FileText(dir + "cut.json").find("{\"configuration\": \"(5, 5, 5, 5/4)\", \"steps\": 128, \"found\": 50}"),
              std::string::npos);
}

TEST(CliSurvey, UnderMpirunTheReportIsTheSame)
{
    const std::string dir = ScratchDirectory();
    ASSERT_EQ(RunSurvey({"--jobs", "1"}, dir + "alone.txt").Status, 0);
    // Three processes on one machine, whatever its cores; mpirun asks to be told when it
    // is run by root, as the tests may be. Under the leak checker, Open MPI's components
    // stay loaded and stacks are walked in full, so that lsan.supp can name what it keeps.
    const char* leakOptions = std::getenv("LSAN_OPTIONS");
    std::vector<std::string> arguments = {"OMPI_ALLOW_RUN_AS_ROOT=1",
                                          "OMPI_ALLOW_RUN_AS_ROOT_CONFIRM=1",
                                          "OMPI_MCA_mca_base_component_disable_dlclose=1",
                                          "LSAN_OPTIONS=" + std::string(leakOptions ? leakOptions : "")
                                              + ":fast_unwind_on_malloc=0",
                                          "mpirun",
                                          "--oversubscribe",
                                          "-np",
                                          "3",
                                          ZENKARI_CLI_PATH};
    arguments.insert(arguments.end(), SmallBound.begin(), SmallBound.end());
    arguments.insert(arguments.end(), {"-o", dir + "mpi.txt"});
    const TProgramResult mpi = RunProgram("env", arguments);
    ASSERT_EQ(mpi.Status, 0) << mpi.Err << mpi.Out;
    EXPECT_EQ(Occurrences(mpi.Out, "wrote "), 1) << mpi.Out;
    EXPECT_EQ(FileText(dir + "mpi.txt"), FileText(dir + "alone.txt"));
}

TEST(CliSurvey, CtrlCStopsTheSurveyAndKeepsItsCheckpoint)
{
    // Six polygons, n <= 6 with stars, at limit 1000 and budgets without end: (3, 3, 3, 3,
    // 3, 5/2) alone wanders for minutes there, so the survey is surely under way when its
    // progress line shows and Ctrl-C is typed.
    const std::string dir = ScratchDirectory();
    const TTerminalRun run = RunOnTerminal(ZENKARI_CLI_PATH,
                                           {"survey", "--max-polygons", "6", "--max-sides", "6", "--stars", "--limit",
                                            "1000", "--budget", "1000000000000", "--jobs", "2", "-o", dir + "long.txt"},
                                           {{"survey: ", "\x03"}});
    EXPECT_EQ(run.Status, 130) << run.Screen;
    EXPECT_NE(run.Screen.find("survey stopped after "), std::string::npos) << run.Screen;
    EXPECT_NE(run.Screen.find("go on with --resume " + dir + "long.txt.checkpoint"), std::string::npos) << run.Screen;
    EXPECT_FALSE(std::filesystem::exists(dir + "long.txt"));
    // Whole rows only: the searches under way were dropped, to be done again.
    const std::string checkpoint = FileText(dir + "long.txt.checkpoint");
    ASSERT_EQ(checkpoint.rfind("zenkari survey checkpoint\n", 0), 0u);
    EXPECT_EQ(checkpoint.back(), '\n');
}
