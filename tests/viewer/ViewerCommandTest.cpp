// SPDX-License-Identifier: GPL-3.0-or-later
// zenkari-view from the command line: help, refusals of nonsense, and pictures that are
// written or said to be unwritable.

#include "support/RunProgram.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

TProgramResult RunView(const std::vector<std::string>& arguments)
{
    return RunProgram(ZENKARI_VIEW_PATH, arguments);
}

// A run that opens the OpenGL view: Mesa's driver is unloaded at exit, and the leak check
// of a sanitizer build then reports its allocations without a name to suppress them by.
TProgramResult RunViewWithDisplay(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), {"ASAN_OPTIONS=detect_leaks=0", ZENKARI_VIEW_PATH});
    return RunProgram("env", arguments);
}

}  // namespace

TEST(ViewerCommand, HelpIsUsageAndExitZero)
{
    for (const char* help : {"--help", "-h"}) {
        const TProgramResult run = RunView({help});
        EXPECT_EQ(run.Status, 0) << run.Err;
        EXPECT_EQ(run.Out.rfind("usage: zenkari-view CONFIG", 0), 0u) << run.Out;
        EXPECT_EQ(run.Err, "");
    }
}

TEST(ViewerCommand, NonsenseIsOneLineAndExitTwo)
{
    const std::string picture = ScratchDirectory() + "never.png";
    const std::vector<std::string> bad[] = {
        {},
        {"(3, 3)"},
        {"(3, 4, 5, 4)", "--mode", "-1"},
        {"(3, 4, 5, 4)", "--mode", "3x"},
        {"(3, 4, 5, 4)", "--mode", "5"},
        {"(3, 4, 5, 4)", "--pick", "-5"},
        {"(3, 4, 5, 4)", "--pick", "2147483647"},
        {"(3, 4, 5, 4)", "--pick", "2"},  // one solid only
        {"(3, 4, 5, 4)", "--turn", "nan"},
        {"(3, 4, 5, 4)", "--turn", "inf"},
        {"(3, 4, 5, 4)", "--turn", "0.3x"},
        {"(3, 4, 5, 4)", "--png", ""},
        {"(3, 4, 5, 4)", "--png"},
        {"(3, 4, 5, 4)", "--dual", "--dual"},
        {"(3, 4, 5, 4)", "--mode", "1", "--mode", "2"},
        {"(3, 4, 5, 4)", "--colour"},
        {"--help", "extra"},
    };
    for (std::vector<std::string> arguments : bad) {
        if (arguments.size() > 1 && arguments[1] != "--png")
            arguments.insert(arguments.end(), {"--png", picture});  // never an interactive window
        const TProgramResult run = RunView(arguments);
        std::string shown;
        for (const std::string& a : arguments)
            shown += a + " ";
        EXPECT_EQ(run.Status, 2) << shown << run.Err;
        EXPECT_EQ(Occurrences(run.Err, "\n"), 1) << shown << run.Err;
        EXPECT_EQ(run.Err.rfind("zenkari-view: ", 0), 0u) << shown << run.Err;
    }
    EXPECT_FALSE(std::ifstream(picture).good());
}

TEST(ViewerCommand, PictureIsWrittenOrSaysWhyNot)
{
    const std::string directory = ScratchDirectory();
    const TProgramResult written =
        RunViewWithDisplay({"(4, 4, 4)", "--mode", "2", "--turn", "0.3", "--png", directory + "cube.png"});
    EXPECT_EQ(written.Status, 0) << written.Err;
    std::ifstream png(directory + "cube.png", std::ios::binary);
    char signature[8] = {};
    png.read(signature, 8);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");

    const TProgramResult missing = RunViewWithDisplay({"(4, 4, 4)", "--png", directory + "no/such/dir/cube.png"});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_NE(missing.Err.find("zenkari-view: cannot write "), std::string::npos) << missing.Err;
    EXPECT_NE(missing.Err.find("No such file or directory"), std::string::npos) << missing.Err;
}
