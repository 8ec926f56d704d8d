// SPDX-License-Identifier: GPL-3.0-or-later
// zenkari-cli as a user runs it: exit status, the lines it prints, and refusals of bad input.

#include "support/RunProgram.h"
#include "support/SolidDump.h"
#include "support/TerminalRun.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {


TProgramResult RunCli(const std::vector<std::string>& arguments, const std::string& shellTail = "")
{
    return RunProgram(ZENKARI_CLI_PATH, arguments, shellTail);
}

}  // namespace

TEST(Cli, BuildsAndListsEverySolid)
{
    const TProgramResult run = RunCli({"build", "(3, 4, 4, 4)", "--json"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(Occurrences(run.Out, "{\"vertices\": 24, \"faces\": 26, \"edges\": 48,"), 4);
    EXPECT_NE(run.Out.find("\"sphere_radius\": 1.398966325965908"), std::string::npos);
    EXPECT_NE(run.Out.find("\"4個この形の立体がありました。\""), std::string::npos);

    const TProgramResult text = RunCli({"build", "(4, 6, 4/3, 6/5 [,5])/0"});
    EXPECT_EQ(text.Status, 0);
    EXPECT_NE(text.Out.find("solid 1: 60 vertices, 50 faces, 120 edges\n"), std::string::npos);
    EXPECT_EQ(Occurrences(text.Out, "solid "), 1);
}

TEST(Cli, EachFoundSolidSaysWhatItIs)
{
    // (3, 4, 4, 4) finds the rhombicuboctahedron and the pseudo-rhombicuboctahedron.
    const TProgramResult json = RunCli({"build", "(3, 4, 4, 4)", "--json"});
    EXPECT_NE(json.Out.find("\"symmetry\": \"Oh\", \"symmetry_order\": 48, \"vertex_orbits\": 1, "
                            "\"euler_characteristic\": 2, \"orientable\": true}"),
              std::string::npos)
        << json.Out;
    EXPECT_NE(json.Out.find("\"symmetry\": \"D4d\", \"symmetry_order\": 16, \"vertex_orbits\": 2, "),
              std::string::npos);

    const TProgramResult text = RunCli({"build", "(3, 4, 3/2, 4)"});
    EXPECT_NE(text.Out.find("solid 1: 6 vertices, 7 faces, 12 edges\n"
                            "  symmetry Td (order 24), 1 vertex orbit, Euler characteristic 1, not orientable\n"),
              std::string::npos)
        << text.Out;
}

TEST(Cli, CodeStringsBringTheirLimitAndOptionsOverrideIt)
{
    // (3, 4, 5, 4) at the code string's limit 50 finds nothing; --limit 60 finds it.
    EXPECT_EQ(Occurrences(RunCli({"build", "01010004030104010501040l"}).Err, "zenkari-cli:"), 1);
    EXPECT_EQ(Occurrences(RunCli({"build", "010100040301040105010401"}).Out, "solid "), 0);
    EXPECT_EQ(Occurrences(RunCli({"build", "010100040301040105010401", "--limit", "60"}).Out, "solid "), 1);
}

TEST(Cli, StepsAndContinueMirrorTheButtons)
{
    const TProgramResult steps = RunCli({"build", "(3, 3, 3)", "--steps", "5", "--json"});
    EXPECT_EQ(steps.Status, 0);
    EXPECT_NE(steps.Out.find("\"build_step\": 5"), std::string::npos);
    EXPECT_EQ(Occurrences(steps.Out, "\"vertices\": 4, \"faces\": 4, \"edges\": 6"), 2);  // found and current

    const TProgramResult cap = RunCli({"build", "(5/2, 5/2, 5/2, 5/2, 5/3)", "--continue", "40"});
    EXPECT_EQ(Occurrences(cap.Out, "たくさん立体がみつかったのでとりあえず中断します。"), 1);
    EXPECT_NE(cap.Out.find("101個この形の立体がありました。"), std::string::npos);
}

TEST(Cli, ImpossibleConfigurationPrintsTheRefusalAndExitsOne)
{
    const TProgramResult run = RunCli({"build", "(6, 6, 6)"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, "不可能な組み合わせです。構築不能です。\n一番角数の大きい多角形の角数を下げるか。\n"
                       "それ以外の正多角形の角数を上げてください。\n-------------------------\n");
    EXPECT_EQ(run.Err, "");
}

TEST(Cli, BadInputIsOneLineOnStderrAndExitTwo)
{
    const std::vector<std::string> bad[] = {
        {},
        {"build"},
        {"draw", "(3, 3, 3)"},
        {"build", "3, 3, 3"},
        {"build", "(3, 3)"},
        {"build", "(3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3)"},
        {"build", "(2, 3, 3)"},
        {"build", "(33, 3, 3)"},
        {"build", "(5/5, 3, 3)"},
        {"build", "(6/2, 3, 3)"},
        {"build", "(5/0, 3, 3)"},
        {"build", "(3, 3, 3)/8"},
        {"build", "(3, 3, 3"},
        {"build", "(3, 3, 3) extra"},
        {"build", "(3, 3 [,3], 3)"},
        {"build", "(99999999999, 3, 3)"},
        {"build", "0101001903010301030"},
        {"build", "01010019030103010399"},
        {"build", "08010019030103010301"},
        {"build", "(3, 3, 3)", "--limit", "5"},
        {"build", "(3, 3, 3)", "--limit", "15"},
        {"build", "(3, 3, 3)", "--limit", "1010"},
        {"build", "(3, 3, 3)", "--limit", "x"},
        {"build", "(3, 3, 3)", "--limit"},
        {"build", "(3, 3, 3)", "--steps", "0"},
        {"build", "(3, 3, 3)", "--continue", "-1"},
        {"build", "(3, 3, 3)", "--colour"},
    };
    for (const auto& arguments : bad) {
        const TProgramResult run = RunCli(arguments);
        std::string shown;
        for (const std::string& a : arguments)
            shown += a + " ";
        EXPECT_EQ(run.Status, 2) << shown;
        EXPECT_EQ(run.Out, "") << shown;
        EXPECT_EQ(Occurrences(run.Err, "\n"), 1) << shown << run.Err;
        EXPECT_EQ(run.Err.rfind("zenkari-cli: ", 0), 0u) << shown;
    }
}

TEST(Cli, DualAndCompoundOfThePickedSolid)
{
    const TProgramResult cube = RunCli({"build", "(4, 4, 4)", "--dual", "--compound", "--json"});
    EXPECT_EQ(cube.Status, 0);
    EXPECT_NE(cube.Out.find("\"dual\": {\"faces\": 8, \"vertices\": 6, \"edges\": 12, \"aborted\": false, "
                            "\"face_kind\": 0, \"pieces\": 1,"),
              std::string::npos)
        << cube.Out;
    EXPECT_NE(cube.Out.find("\"compound\": {\"vertices\": 14, \"faces\": 14, \"edges\": 24}"), std::string::npos);
    EXPECT_NE(cube.Out.find("\"area\": 6.00000000000000"), std::string::npos);
    EXPECT_NE(cube.Out.find("\"volume\": 1.00000000000000"), std::string::npos);
    EXPECT_NE(cube.Out.find("[\"正n角形\", \"4\", \"4\", \"4\"]"), std::string::npos);
    // The report reaches the pane line by line, then the separator.
    EXPECT_NE(cube.Out.find("\"双対立体の辺の長さ：\",\n    \"辺 1 = "), std::string::npos);

    const TProgramResult hemi = RunCli({"build", "(3, 4, 3/2, 4)", "--dual"});
    EXPECT_NE(hemi.Out.find("双対図形の辺の長さは無限大です。\n-------------------------\n"), std::string::npos);
    EXPECT_NE(hemi.Out.find("dual of 1: 7 vertices, 6 faces"), std::string::npos);

    const TProgramResult broken = RunCli({"build", "(4, 4, 8/3, 8/5)", "--dual", "--json"});
    EXPECT_EQ(broken.Status, 0);
    EXPECT_NE(broken.Out.find(
                  "\"無限遠点を含むため双対図形処理を中断しました\",\n    \"双対図形の辺の長さは計算不能です。\""),
              std::string::npos);
    EXPECT_NE(broken.Out.find("\"aborted\": true"), std::string::npos);

    // (3, 4, 4, 4) code string picks its second solid; --pick 0 takes the one under construction.
    const TProgramResult picked = RunCli({"build", "010200190301040104010401", "--dual", "--json"});
    EXPECT_NE(picked.Out.find("\"pick\": 2"), std::string::npos);
    const TProgramResult building = RunCli({"build", "(3, 3, 3)", "--steps", "1", "--pick", "0", "--dual"});
    EXPECT_NE(building.Out.find("（誤差は計算不能です）"), std::string::npos);
}

TEST(Cli, VrmlWritesTheFileOrSaysWhyNot)
{
    const std::string directory = ScratchDirectory();
    const std::string path = directory + "zenkari-cli-cube.wrl";
    std::remove(path.c_str());
    const TProgramResult run = RunCli({"vrml", "(4, 4, 4)", "-o", path, "--mode", "4", "--zoom", "3", "--mono", "0,2"});
    EXPECT_EQ(run.Status, 0) << run.Err;
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_EQ(text.str().rfind("#VRML V2.0 utf8\r\n", 0), 0u);
    EXPECT_NE(text.str().find("  position 0 0 1.1547005E+001\r\n"), std::string::npos);
    EXPECT_EQ(text.str().find("IndexedFaceSet"), std::string::npos);

    const TProgramResult missing = RunCli({"vrml", "(4, 4, 4)", "-o", directory + "no/such/dir/cube.wrl"});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_NE(missing.Err.find("No such file or directory"), std::string::npos) << missing.Err;

    const TProgramResult nothing = RunCli({"vrml", "(4, 4, 4)", "-o", path, "--pick", "3"});
    EXPECT_EQ(nothing.Status, 1);
    EXPECT_NE(nothing.Err.find("nothing to write"), std::string::npos);

    for (const auto& bad : {std::vector<std::string>{"vrml", "(4, 4, 4)"},
                            {"vrml", "(4, 4, 4)", "-o", path, "--mode", "5"},
                            {"vrml", "(4, 4, 4)", "-o", path, "--mono", "3"},
                            {"vrml", "(4, 4, 4)", "-o", path, "--mono", "0,"},
                            {"build", "(4, 4, 4)", "--mode", "1"}}) {
        const TProgramResult refused = RunCli(bad);
        EXPECT_EQ(refused.Status, 2) << refused.Err;
        EXPECT_EQ(Occurrences(refused.Err, "\n"), 1) << refused.Err;
    }
}

TEST(Cli, ExportTakesItsFormatFromTheNameOrFormat)
{
    const std::string directory = ScratchDirectory();
    EXPECT_EQ(RunCli({"export", "(4, 4, 4)", "-o", directory + "cube.OFF"}).Status, 0);
    EXPECT_EQ(ReadWholeFile(directory + "cube.OFF").rfind("OFF\n", 0), 0u);
    const TProgramResult named = RunCli({"export", "(4, 4, 4)", "-o", directory + "cube.bin", "--format", "stl"});
    EXPECT_EQ(named.Status, 0) << named.Err;
    EXPECT_EQ(ReadWholeFile(directory + "cube.bin").size(), 84u + 50u * 12u);
    const TProgramResult obj = RunCli({"export", "(4, 4, 4)", "-o", directory + "cube.obj"});
    EXPECT_EQ(obj.Out, "wrote " + directory + "cube.mtl\nwrote " + directory + "cube.obj\n");
    const TProgramResult picture = RunCli({"export", "(4, 4, 4)", "-o", "-", "--format", "png", "--size", "64x48"});
    EXPECT_EQ(picture.Status, 0);
    EXPECT_EQ(picture.Out.substr(0, 8), std::string("\x89PNG\r\n\x1A\n", 8));
    EXPECT_EQ(RunCli({"export", "(4, 4, 4)", "-o", directory + "cube.wrl"}).Status, 0);
    EXPECT_EQ(ReadWholeFile(directory + "cube.wrl").rfind("#VRML V2.0 utf8\r\n", 0), 0u);

    const TProgramResult missing = RunCli({"export", "(4, 4, 4)", "-o", directory + "no/such/dir/cube.glb"});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_NE(missing.Err.find("No such file or directory"), std::string::npos) << missing.Err;
    for (const auto& bad : {std::vector<std::string>{"export", "(4, 4, 4)", "-o", directory + "cube.gltf"},
                            {"export", "(4, 4, 4)", "-o", "-", "--format", "obj"},
                            {"export", "(4, 4, 4)", "-o", directory + "c.png", "--size", "0x10"},
                            {"export", "(4, 4, 4)", "-o", directory + "c.png", "--size", "10"},
                            {"export", "(4, 4, 4)", "-o", directory + "c.off", "--format", "OFF"},
                            {"vrml", "(4, 4, 4)", "-o", directory + "c.wrl", "--format", "off"}}) {
        const TProgramResult refused = RunCli(bad);
        EXPECT_EQ(refused.Status, 2) << refused.Err;
        EXPECT_EQ(Occurrences(refused.Err, "\n"), 1) << refused.Err;
    }
}

TEST(Cli, LangEnglishSpeaksEnglishWithTheSameNumbers)
{
    const TProgramResult refused = RunCli({"build", "(6, 6, 6)", "--lang", "en"});
    EXPECT_EQ(refused.Status, 1);
    EXPECT_EQ(refused.Out.rfind("Impossible combination: it cannot be built.\n", 0), 0u) << refused.Out;

    const TProgramResult japanese = RunCli({"build", "(3, 4, 5, 4)", "--dual"});
    const TProgramResult english = RunCli({"build", "(3, 4, 5, 4)", "--dual", "--lang", "en"});
    EXPECT_EQ(english.Status, 0);
    EXPECT_NE(english.Out.find("Circumradius of the vertex figure:\n    "), std::string::npos) << english.Out;
    EXPECT_NE(english.Out.find("Every possibility has been examined.\n"), std::string::npos);
    EXPECT_NE(english.Out.find("Edge 1 = 0.80499198439381"), std::string::npos);
    // Line for line, the numbers are the Japanese ones.
    const std::regex number(R"([0-9]+(\.[0-9]+)?)");
    const auto numbers = [&](const std::string& text) {
        std::vector<std::string> found;
        for (auto it = std::sregex_iterator(text.begin(), text.end(), number); it != std::sregex_iterator(); ++it)
            found.push_back(it->str());
        return found;
    };
    std::string japaneseText = japanese.Out;
    japaneseText.replace(japaneseText.find("1頂点"), 1, "");  // "one vertex" is written with a digit
    EXPECT_EQ(numbers(english.Out), numbers(japaneseText));
    EXPECT_EQ(Occurrences(english.Out, "\n"), Occurrences(japanese.Out, "\n"));

    EXPECT_EQ(RunCli({"catalogue", "--lang", "en"}).Out, RunCli({"catalogue", "--english"}).Out);
    const TProgramResult json = RunCli({"build", "(3, 4, 5, 4)", "--json", "--lang", "en"});
    EXPECT_NE(json.Out.find("\"pane\""), std::string::npos);
    const TProgramResult bad = RunCli({"build", "(3, 4, 5, 4)", "--lang", "fr"});
    EXPECT_EQ(bad.Status, 2);
    EXPECT_NE(bad.Err.find("--lang must be ja or en"), std::string::npos) << bad.Err;
}

TEST(Cli, CatalogueListsAndBuildsItems)
{
    const TProgramResult list = RunCli({"catalogue"});
    EXPECT_EQ(list.Status, 0);
    EXPECT_EQ(Occurrences(list.Out, "\n"), 242);
    EXPECT_EQ(list.Out.rfind("0\t(3, 3, 3) 正４面体\n1\td(3, 3, 3) 正４面体\n", 0), 0u);
    const TProgramResult english = RunCli({"catalogue", "--english"});
    EXPECT_NE(english.Out.find("\n29\td(3, 4, 4, 4) Trapezoidal Icositetrahedron\n"), std::string::npos);

    // An odd item is the dual: built, its second solid picked, the dual's report in the pane.
    const TProgramResult dual = RunCli({"catalogue", "29", "--json"});
    EXPECT_EQ(dual.Status, 0);
    EXPECT_NE(dual.Out.find("\"pick\": 2"), std::string::npos);
    EXPECT_NE(dual.Out.find("\"dual\": {\"faces\": 24, \"vertices\": 26, \"edges\": 48"), std::string::npos);
    EXPECT_NE(dual.Out.find("\"双対立体の辺の長さ：\""), std::string::npos);
    EXPECT_EQ(RunCli({"catalogue", "242"}).Status, 2);
    EXPECT_EQ(RunCli({"catalogue", "x"}).Status, 2);
}

TEST(Cli, FailedWritesToStandardOutputAreFailures)
{
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"build", "(3, 4, 5, 4)", "--json"},
                                                      {"build", "(3, 4, 5, 4)"},
                                                      {"catalogue"},
                                                      {"--help"},
                                                      {"vrml", "(4, 4, 4)", "-o", "-"}}) {
        for (const char* tail : {">/dev/full", ">&-"}) {
            const TProgramResult run = RunCli(arguments, tail);
            EXPECT_EQ(run.Status, 1) << arguments[0] << " " << tail;
            EXPECT_EQ(Occurrences(run.Err, "\n"), 1) << run.Err;
            EXPECT_EQ(run.Err.rfind("zenkari-cli: cannot write to standard output: ", 0), 0u) << run.Err;
        }
    }
    EXPECT_NE(RunCli({"build", "(3, 4, 5, 4)"}, ">/dev/full").Err.find("No space left on device"), std::string::npos);
    // Output larger than a buffer fails while it is written, long before the end: the
    // reason is still the system's own.
    for (const char* format : {"png", "stl", "off"}) {
        const TProgramResult full = RunCli({"export", "(3, 4, 5, 4)", "-o", "-", "--format", format}, ">/dev/full");
        EXPECT_EQ(full.Status, 1) << format;
        EXPECT_EQ(full.Err, "zenkari-cli: cannot write to standard output: No space left on device\n") << format;
    }
}

TEST(Cli, VrmlToStandardOutputAndThroughLinks)
{
    const TProgramResult piped = RunCli({"vrml", "(4, 4, 4)", "-o", "-"});
    EXPECT_EQ(piped.Status, 0) << piped.Err;
    EXPECT_EQ(piped.Out.rfind("#VRML V2.0 utf8\r\n", 0), 0u);
    EXPECT_EQ(piped.Out.find("wrote "), std::string::npos);

    const std::string directory = ScratchDirectory();
    std::ofstream(directory + "real.wrl") << "old";
    ASSERT_EQ(symlink("real.wrl", (directory + "shown.wrl").c_str()), 0);
    EXPECT_EQ(RunCli({"vrml", "(4, 4, 4)", "-o", directory + "shown.wrl"}).Status, 0);
    std::ifstream real(directory + "real.wrl", std::ios::binary);
    std::stringstream text;
    text << real.rdbuf();
    EXPECT_EQ(text.str(), piped.Out);
    // What /dev/stdout is, made in our own directory: a fault would replace only this link.
    ASSERT_EQ(symlink("/proc/self/fd/1", (directory + "stdout").c_str()), 0);
    const TProgramResult stdoutByName = RunCli({"vrml", "(4, 4, 4)", "-o", directory + "stdout"});
    EXPECT_EQ(stdoutByName.Status, 0) << stdoutByName.Err;
    EXPECT_EQ(stdoutByName.Out.rfind("#VRML V2.0 utf8\r\n", 0), 0u)
        << stdoutByName.Out.substr(0, 200) << stdoutByName.Err;
}

TEST(Cli, PressesAreBoundedAndStopWhenTheSearchEnds)
{
    EXPECT_EQ(RunCli({"build", "(3, 4, 5, 4)", "--continue", "10000000"}).Status, 2);
    EXPECT_EQ(RunCli({"build", "(3, 4, 5, 4)", "--steps", "100001"}).Status, 2);
    // Pressing on after the end changes nothing, so the most presses give what a few give.
    const TProgramResult many = RunCli({"build", "(3, 3, 3)", "--steps", "100000", "--json"});
    EXPECT_EQ(many.Status, 0);
    EXPECT_EQ(many.Out, RunCli({"build", "(3, 3, 3)", "--steps", "6", "--json"}).Out);
    // "build_step" never shows the internal states.
    EXPECT_NE(RunCli({"build", "(3, 4, 5, 4)", "--limit", "10", "--json"}).Out.find("\"build_step\": null,"),
              std::string::npos);
    EXPECT_NE(RunCli({"build", "(6, 6, 6)", "--json"}).Out.find("\"build_step\": null,"), std::string::npos);
    EXPECT_NE(RunCli({"--help"}).Out.find("\"build_step\""), std::string::npos);
}

TEST(Cli, MessagesShowInputQuotedEscapedAndCut)
{
    const TProgramResult control = RunCli({"build", "(3\n\x1b[31m, 4"});
    EXPECT_EQ(control.Status, 2);
    EXPECT_EQ(Occurrences(control.Err, "\n"), 1) << control.Err;
    EXPECT_EQ(control.Err.find('\x1b'), std::string::npos);
    EXPECT_NE(control.Err.find("\"(3\\n\\u001B[31m, 4\""), std::string::npos) << control.Err;

    const TProgramResult huge = RunCli({"build", std::string(120 * 1024, 'a')});
    EXPECT_EQ(huge.Status, 2);
    EXPECT_LT(huge.Err.size(), 300u);
    EXPECT_NE(huge.Err.find(std::string(60, 'a') + "...\""), std::string::npos);

    const TProgramResult bytes = RunCli({"build", "(3, 4)\xff\xfe"});
    EXPECT_NE(bytes.Err.find("\\xFF\\xFE"), std::string::npos) << bytes.Err;
}

TEST(Cli, OutOfRangeNumbersAndCodesAreNamed)
{
    const TProgramResult corners = RunCli({"build", "(99999999999999999999, 4, 4)"});
    EXPECT_NE(corners.Err.find("polygon 1: n must be 3 ... 32"), std::string::npos) << corners.Err;
    const TProgramResult winding = RunCli({"build", "(3, 4, 5, 4)/99999999999999999999"});
    EXPECT_NE(winding.Err.find("the winding must be 0 ... 7"), std::string::npos) << winding.Err;
    for (const char* code : {"01010219030103010301", "01019919030103010301"}) {
        const TProgramResult flag = RunCli({"build", code});
        EXPECT_EQ(flag.Status, 2) << code;
        EXPECT_NE(flag.Err.find("must be 00 or 01"), std::string::npos) << flag.Err;
    }
}

TEST(Cli, OptionsACommandDoesNotTakeOrGivenTwiceAreRefused)
{
    const std::string path = ScratchDirectory() + "never.wrl";
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"vrml", "(4, 4, 4)", "-o", path, "--json"},
          {"--help", "extra"},
          {"build", "(4, 4, 4)", "--limit", "10", "--limit", "20"},
          {"build", "(4, 4, 4)", "--dual", "--dual"},
          {"vrml", "(4, 4, 4)", "-o", path, "-o", path},
          {"vrml", "(4, 4, 4)", "-o", ""},
          {"catalogue", "--json"},
          {"catalogue", "3", "--english"},
          {"build", "(4, 4, 4)", "--english"}}) {
        const TProgramResult run = RunCli(arguments);
        EXPECT_EQ(run.Status, 2) << arguments.back() << run.Err;
        EXPECT_EQ(Occurrences(run.Err, "\n"), 1) << run.Err;
    }
    EXPECT_FALSE(std::ifstream(path).good());
}

TEST(Cli, TimeLimitPausesTheSearchAsStopDoes)
{
    // (3, 3, 3, 3, 3, 5/2) at 1000 runs for many minutes on any machine: the limit comes first.
    const TProgramResult text = RunCli({"build", "(3, 3, 3, 3, 3, 5/2)", "--limit", "1000", "--time-limit", "1"});
    EXPECT_EQ(text.Status, 0) << text.Err;
    EXPECT_NE(text.Out.find("\n中止しました。「構築続行」で続きを調べます。\n"), std::string::npos) << text.Out;
    const TProgramResult json =
        RunCli({"build", "(3, 3, 3, 3, 3, 5/2)", "--limit", "1000", "--time-limit", "0.5", "--json"});
    EXPECT_NE(json.Out.find("\"stopped\": true,"), std::string::npos);
    // How far the list is complete: a smaller search may have ended in the half second (then
    // its snub solid of 60 vertices is listed, and the pane says so), or none has.
    const std::size_t complete = json.Out.find("\"complete_up_to\": ");
    ASSERT_NE(complete, std::string::npos);
    const std::string upTo = json.Out.substr(complete + 18, json.Out.find(',', complete) - complete - 18);
    EXPECT_TRUE(upTo == "null" || upTo == "100" || upTo == "200" || upTo == "400") << upTo;
    if (upTo != "null") {
        EXPECT_NE(json.Out.find("{\"vertices\": 60,"), std::string::npos);
        EXPECT_NE(json.Out.find(upTo + "頂点以下の立体はこの一覧ですべてです。"), std::string::npos);
    }
    const std::string ended = RunCli({"build", "(3, 4, 5, 4)", "--json"}).Out;
    EXPECT_NE(ended.find("\"stopped\": false,"), std::string::npos);
    EXPECT_NE(ended.find("\"complete_up_to\": 200,"), std::string::npos);
    for (const char* bad : {"0", "-1", "x", "nan"})
        EXPECT_EQ(RunCli({"build", "(3, 4, 5, 4)", "--time-limit", bad}).Status, 2) << bad;
}

TEST(Cli, CtrlCOncePausesTheSearchTwiceEndsTheProgram)
{
    // Typed on the program's own terminal once its progress line says the search runs:
    // (3, 3, 3, 3, 3, 5/2) at 1000 wanders for hundreds of millions of steps.
    const std::vector<std::string> arguments = {"build", "(3, 3, 3, 3, 3, 5/2)", "--limit", "1000"};
    const TTerminalRun once = RunOnTerminal(ZENKARI_CLI_PATH, arguments, {{"building:", "\x03"}});
    EXPECT_EQ(once.Status, 0) << once.Screen;
    EXPECT_NE(once.Screen.find("\r\n中止しました。「構築続行」で続きを調べます。\r\n"), std::string::npos)
        << once.Screen;
    EXPECT_EQ(once.Screen.find("Sanitizer"), std::string::npos) << once.Screen;

    // The second key once the terminal has echoed the first. Where both arrive while the
    // search runs, the program ends at once with nothing more written; where the second
    // comes only after the pause, it ends as after one. Either way the worker is joined
    // first: a thread sanitizer finds no thread left behind.
    const TTerminalRun twice = RunOnTerminal(ZENKARI_CLI_PATH, arguments, {{"building:", "\x03"}, {"^C", "\x03"}});
    EXPECT_EQ(twice.Screen.find("Sanitizer"), std::string::npos) << twice.Screen;
    if (twice.Status == 130)
        EXPECT_EQ(twice.Screen.find("中止しました"), std::string::npos) << twice.Screen;
    else
        EXPECT_TRUE(twice.Status == 0 || twice.Signal == SIGINT) << twice.Status << " " << twice.Screen;
}
