// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOptions.h"

#include "catalogue/PolyhedronInfo.h"
#include "common/TextNumbers.h"
#include "construction/ConfigurationText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int MaxShownCharacters = 60;

// The length of the UTF-8 sequence that starts text[at], 0 when it is not a valid one.
std::size_t Utf8Length(const std::string& text, std::size_t at, unsigned& codePoint)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(at);
    const std::size_t length = lead < 0x80         ? 1
                               : (lead >> 5) == 6  ? 2
                               : (lead >> 4) == 14 ? 3
                               : (lead >> 3) == 30 ? 4
                                                   : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    codePoint = length == 1 ? lead : lead & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (byte(at + i) & 0x3F);
    }
    const unsigned least[] = {0, 0, 0x80, 0x800, 0x10000};
    return codePoint >= least[length] && codePoint <= 0x10FFFF ? length : 0;
}

// Options each command takes, with (true) or without a value.
using TOptionTable = std::vector<std::pair<std::string, bool>>;

const TOptionTable& BuildOptions()
{
    static const TOptionTable options = {{"--limit", true}, {"--steps", true},      {"--continue", true},
                                         {"--pick", true},  {"--dual", false},      {"--compound", false},
                                         {"--json", false}, {"--time-limit", true}, {"--lang", true}};
    return options;
}

const TOptionTable& VrmlOptions()
{
    static const TOptionTable options = {{"--limit", true},
                                         {"--steps", true},
                                         {"--continue", true},
                                         {"--pick", true},
                                         {"--dual", false},
                                         {"--compound", false},
                                         {"--time-limit", true},
                                         {"-o", true},
                                         {"--mode", true},
                                         {"--alpha", true},
                                         {"--dual-alpha", true},
                                         {"--zoom", true},
                                         {"--no-float-lines", false},
                                         {"--mono", true},
                                         {"--lang", true}};
    return options;
}

const TOptionTable& ExportOptions()
{
    static const TOptionTable options = [] {
        TOptionTable table = VrmlOptions();
        table.insert(table.end(), {{"--format", true},
                                   {"--size", true},
                                   {"--print", false},
                                   {"--height-mm", true},
                                   {"--struts", false},
                                   {"--strut-mm", true}});
        return table;
    }();
    return options;
}

const TOptionTable& NetOptions()
{
    static const TOptionTable options = {
        {"--limit", true},     {"--pick", true},     {"--dual", false}, {"--compound", false}, {"--time-limit", true},
        {"--lang", true},      {"-o", true},         {"--mode", true},  {"--paper", true},     {"--edge-mm", true},
        {"--margin-mm", true}, {"--no-tabs", false}, {"--json", false}};
    return options;
}

const TOptionTable& CatalogueListOptions()
{
    static const TOptionTable options = {{"--english", false}, {"--lang", true}};
    return options;
}

const TOptionTable& OptionsOf(const TCliRequest& request)
{
    if (request.Command == TCliCommand::Vrml)
        return VrmlOptions();
    if (request.Command == TCliCommand::Export)
        return ExportOptions();
    if (request.Command == TCliCommand::Net)
        return NetOptions();
    if (request.Command == TCliCommand::Catalogue && request.CatalogueItem < 0)
        return CatalogueListOptions();
    return BuildOptions();
}


TResult ReadConfiguration(const std::string& text, TCliRequest& request)
{
    if (!text.empty() && text.front() == '(')
        return ParseConfigurationText(text, request.Config);
    if (!text.empty() && text.front() >= '0' && text.front() <= '9')
        return ParseCodeString(text, request.Config, request.Pick);
    return TResult::Failure("a configuration is written like \"(3, 4, 5, 4)\" or as a code string of digits");
}

bool ReadSeconds(const std::string& text, double& seconds)
{
    return ReadFinite(text, seconds) && seconds > 0.0 && seconds <= 1e9;
}

// "800x600": a picture's size, each side 1 ... MaxPictureSide pixels.
bool ReadPictureSize(const std::string& text, int& width, int& height)
{
    const std::size_t x = text.find('x');
    return x != std::string::npos && ReadInteger(text.substr(0, x), 1, MaxPictureSide, width)
           && ReadInteger(text.substr(x + 1), 1, MaxPictureSide, height);
}

// "0,2": the colour groups shown in their single colour.
bool ReadMonoGroups(const std::string& text, TDisplaySettings& display)
{
    if (text.empty())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = i % 2 == 0;
        if (digit && (text[i] < '0' || text[i] > '2'))
            return false;
        if (!digit && text[i] != ',')
            return false;
        if (digit)
            display.Groups[text[i] - '0'].Mono = true;
    }
    return text.size() % 2 == 1;
}

void TakeFlag(const std::string& option, TCliRequest& request)
{
    if (option == "--json")
        request.Json = true;
    else if (option == "--dual")
        request.Dual = request.Display.DualShown = true;
    else if (option == "--compound")
        request.Compound = request.Display.CompoundShown = true;
    else if (option == "--no-float-lines")
        request.Display.FloatLines = false;
    else if (option == "--english")
        request.English = true;
    else if (option == "--print")
        request.Print = true;
    else if (option == "--struts")
        request.Struts = true;
    else if (option == "--no-tabs")
        request.Net.Tabs = false;
}

// A catalogue item is built as choosing it in the window builds it: its code string, its
// pick, and the dual for odd items.
TResult ReadCatalogueItem(const std::string& text, TCliRequest& request)
{
    if (!ReadInteger(text, 0, CatalogueItemCount - 1, request.CatalogueItem))
        return TResult::Failure("a catalogue item is 0 ... 241, not " + QuotedInput(text));
    const std::optional<TCatalogueChoice> choice = DecodeCatalogueItem(request.CatalogueItem);
    if (!choice)
        return TResult::Failure("catalogue item " + text + " does not read");
    request.Config = choice->Config;
    request.Pick = choice->Pick;
    request.Dual = request.Display.DualShown = choice->Dual;
    return TResult::Success();
}

TResult RangeError(const std::string& option, const std::string& range, const std::string& value)
{
    return TResult::Failure(option + " must be " + range + ", not " + QuotedInput(value));
}

// What the net command takes beyond a build's options; nothing for another option.
std::optional<TResult> TakeNetValue(const std::string& option, const std::string& value, TCliRequest& request)
{
    TNetRequest& net = request.Net;
    if (option == "-o") {
        if (value.empty())
            return TResult::Failure("-o needs a file name");
        request.OutputFile = value;
    } else if (option == "--mode") {
        if (value != "net" && value != "parts")
            return RangeError(option, "net or parts", value);
        net.Mode = value == "net" ? TNetMode::Net : TNetMode::Parts;
    } else if (option == "--paper") {
        const std::optional<TNetPaper> paper = NetPaperFromName(value);
        if (!paper)
            return RangeError(option, "a4, a3, letter, legal or WxHmm (each side 50 ... 2000 mm)", value);
        net.Paper.WidthMm = paper->WidthMm;
        net.Paper.HeightMm = paper->HeightMm;
    } else if (option == "--edge-mm") {
        if (!ReadFinite(value, net.EdgeMm) || net.EdgeMm < 1.0 || net.EdgeMm > 2000.0)
            return RangeError(option, "1 ... 2000 millimetres", value);
    } else if (option == "--margin-mm") {
        if (!ReadFinite(value, net.Paper.MarginMm) || net.Paper.MarginMm < 0.0 || net.Paper.MarginMm > 100.0)
            return RangeError(option, "0 ... 100 millimetres", value);
    } else {
        return std::nullopt;
    }
    return TResult::Success();
}

TResult TakeValue(const std::string& option, const std::string& value, TCliRequest& request)
{
    if (request.Command == TCliCommand::Net)
        if (std::optional<TResult> taken = TakeNetValue(option, value, request))
            return *taken;
    TDisplaySettings& display = request.Display;
    const bool vrml = request.Command == TCliCommand::Vrml || request.Command == TCliCommand::Export;
    if (option == "--limit") {
        int limit = 0;
        if (!ReadInteger(value, 10, 1000, limit) || limit % 10 != 0)
            return RangeError(option, "10 ... 1000 in steps of 10", value);
        request.Config.VertexLimit = limit;
    } else if (option == "--pick") {
        if (!ReadInteger(value, 0, 1000000, request.Pick))
            return RangeError(option, "0 or more", value);
    } else if (option == "--steps") {
        if (!ReadInteger(value, 1, MaxPresses, request.Steps))
            return RangeError(option, "1 ... " + std::to_string(MaxPresses), value);
    } else if (option == "--continue") {
        if (!ReadInteger(value, 0, MaxPresses, request.Continues))
            return RangeError(option, "0 ... " + std::to_string(MaxPresses), value);
    } else if (option == "--time-limit") {
        if (!ReadSeconds(value, request.TimeLimit))
            return RangeError(option, "a number of seconds above 0", value);
    } else if (vrml && option == "-o") {
        if (value.empty())
            return TResult::Failure("-o needs a file name (- for standard output)");
        request.OutputFile = value;
    } else if (vrml && option == "--mode") {
        if (!ReadInteger(value, 0, 4, display.SurfaceMode))
            return RangeError(option, "0 ... 4", value);
    } else if (vrml && (option == "--alpha" || option == "--dual-alpha")) {
        if (!ReadInteger(value, 0, 3, option == "--alpha" ? display.SolidAlpha : display.DualAlpha))
            return RangeError(option, "0 ... 3", value);
    } else if (vrml && option == "--zoom") {
        if (!ReadInteger(value, 0, 4, display.ZoomMode))
            return RangeError(option, "0 ... 4", value);
    } else if (vrml && option == "--mono") {
        if (!ReadMonoGroups(value, display))
            return RangeError(option, "colour groups 0, 1, 2 separated by commas", value);
    } else if (option == "--lang") {
        const std::optional<TLanguage> language = LanguageFromCode(value);
        if (!language)
            return RangeError(option, "ja or en", value);
        request.Language = *language;
    } else if (option == "--format") {
        const std::optional<TExportFormat> format = ExportFormatFromName(value);
        if (!format)
            return RangeError(option, "wrl, off, obj, stl, glb or png", value);
        request.Format = *format;
        request.FormatGiven = true;
    } else if (option == "--height-mm") {
        if (!ReadFinite(value, request.HeightMm) || request.HeightMm < 1.0 || request.HeightMm > 10000.0)
            return RangeError(option, "1 ... 10000 millimetres", value);
    } else if (option == "--strut-mm") {
        if (!ReadFinite(value, request.StrutMm) || request.StrutMm < 0.1 || request.StrutMm > 100.0)
            return RangeError(option, "0.1 ... 100 millimetres", value);
    } else if (option == "--size") {
        if (!ReadPictureSize(value, request.PictureWidth, request.PictureHeight))
            return RangeError(option, "WIDTHxHEIGHT, each 1 ... " + std::to_string(MaxPictureSide), value);
    }
    return TResult::Success();
}

// The format of an export: --format, or the file's extension.
TResult CheckExportTarget(TCliRequest& request)
{
    if (request.OutputFile.empty())
        return TResult::Failure("export needs -o FILE");
    if (request.Struts && !request.Print)
        return TResult::Failure("--struts is a model for a 3-D printer: export --print --struts -o FILE.stl");
    // Only the printable model is written as 3MF, and it takes STL or 3MF from the name
    // (ExportPrintFile chooses by it): request.Format tells a picture of it apart, no more.
    if (PrintFormatFromPath(request.OutputFile) == TPrintFormat::ThreeMf) {
        if (!request.Print)
            return TResult::Failure("3MF holds the outer surface for a 3-D printer: export --print -o FILE.3mf");
        if (request.FormatGiven && request.Format != TExportFormat::Png)
            return TResult::Failure("--print -o FILE.3mf writes 3MF by its name: leave --format out");
        return TResult::Success();
    }
    if (!request.FormatGiven) {
        const std::optional<TExportFormat> format = ExportFormatFromPath(request.OutputFile);
        if (!format)
            return TResult::Failure("cannot tell the format of " + QuotedInput(request.OutputFile)
                                    + " from its name: give --format wrl|off|obj|stl|glb|png");
        request.Format = *format;
    }
    if (request.Print && request.Format != TExportFormat::Stl && request.Format != TExportFormat::Png)
        return TResult::Failure(
            "--print writes binary STL (-o FILE.stl) or 3MF (-o FILE.3mf), or a picture of it (-o FILE.png)");
    if (request.Print && request.OutputFile == "-")
        return TResult::Failure("--print writes a file: give -o FILE.stl or -o FILE.3mf");
    if (request.OutputFile == "-" && request.Format == TExportFormat::Obj)
        return TResult::Failure("obj writes two files (the .obj and its .mtl): -o - cannot take them");
    return TResult::Success();
}

}  // namespace

std::string QuotedInput(const std::string& text)
{
    std::string shown = "\"";
    int characters = 0;
    std::size_t at = 0;
    while (at < text.size() && characters < MaxShownCharacters) {
        unsigned codePoint = 0;
        const std::size_t length = Utf8Length(text, at, codePoint);
        char escape[12] = {};
        if (length == 0)
            std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(text[at]));
        else if (codePoint == '\n')
            std::snprintf(escape, sizeof escape, "\\n");
        else if (codePoint == '\t')
            std::snprintf(escape, sizeof escape, "\\t");
        else if (codePoint < 0x20 || codePoint == 0x7F || (codePoint >= 0x80 && codePoint < 0xA0))
            std::snprintf(escape, sizeof escape, "\\u%04X", codePoint);
        shown += escape[0] != 0 ? std::string(escape) : text.substr(at, length);
        at += length == 0 ? 1 : length;
        ++characters;
    }
    if (at < text.size())
        shown += "...";
    return shown + "\"";
}

std::string UsageText()
{
    return "usage: zenkari-cli build CONFIG [--limit N] [--steps N] [--continue N] [--pick I]\n"
           "                        [--dual] [--compound] [--json] [--time-limit S]\n"
           "       zenkari-cli vrml CONFIG -o FILE [build options] [--mode M] [--alpha A]\n"
           "                        [--dual-alpha A] [--zoom Z] [--no-float-lines] [--mono G,G]\n"
           "       zenkari-cli export CONFIG -o FILE [--format F] [--size WxH] [vrml options]\n"
           "       zenkari-cli net CONFIG -o FILE.pdf|FILE.svg [--mode net|parts] [--paper P]\n"
           "                        [--edge-mm E] [--margin-mm M] [--no-tabs] [--json] [build options]\n"
           "       zenkari-cli catalogue [--english] [--lang L]\n"
           "       zenkari-cli catalogue ITEM [build options]\n"
           "       zenkari-cli survey --max-polygons K --max-sides N [--stars] [--windings W]\n"
           "                        [--added-last] [--limit L] [--budget STEPS] [--jobs J]\n"
           "                        [--resume FILE] [--json] -o FILE\n"
           "  ITEM    a catalogue item, 0 ... 241: entry ITEM / 2, its dual when ITEM is odd\n"
           "  CONFIG  a vertex configuration, e.g. \"(3, 4, 5, 4)\", \"(3, 3, 3, 3, 3)/2\",\n"
           "          \"(4, 8, 4/3, 8/7 [,3])/0\", or a catalogue code string such as 01010019030103010301\n"
           "  --limit N       vertex limit, 10 ... 1000 in steps of 10 (default 200 or the code string's)\n"
           "  --steps N       a step build: start, then N-1 presses of continue (N at most 100000)\n"
           "  --continue N    N presses of continue after the build (at most 100000); presses\n"
           "                  stop early once the search has ended\n"
           "  --pick I        the solid shown: 0 the one under construction, I the I-th found\n"
           "                  (default the code string's pick, or 1)\n"
           "  --dual          show the dual of that solid (build: append its edge-length report)\n"
           "  --compound      show the compound of that solid and its dual\n"
           "  --time-limit S  pause a one-shot search after S seconds, as Ctrl-C does (a\n"
           "                  second Ctrl-C ends the program); \"stopped\" in --json says so\n"
           "  --json          one JSON object instead of text. Its \"build_step\" is the step\n"
           "                  state: n >= 1 the vertex the next press of continue completes,\n"
           "                  V+1 once the search ended after its last solid (V the vertices\n"
           "                  of that solid), null when the search ended without one to record\n"
           "                  or the configuration was refused\n"
           "  -o FILE         the VRML file to write; - for standard output. A link is\n"
           "                  followed, a device or FIFO written into, a read-only file refused\n"
           "  --mode M        surface mode 0 opaque, 1 hollowed compound, 2 transparent,\n"
           "                  3 front transparent, 4 frame only (default 1)\n"
           "  --alpha A       opacity of the solid: 0 60%, 1 50%, 2 40%, 3 25% (default 1)\n"
           "  --dual-alpha A  opacity of the dual (default 2)\n"
           "  --zoom Z        0 fit, 1 fit the dual too, 2 fixed 1/2, 3 fixed 1, 4 fixed 2 (default 1)\n"
           "  --no-float-lines  do not lift the edges 0.5% off the faces\n"
           "  --mono G,G      colour groups in their single colour: 0 solid, 1 dual, 2 star polygons\n"
           "  --lang L        ja (default) or en: the language of the pane lines, the dual's\n"
           "                  report and the catalogue's names (this tool's own messages and\n"
           "                  the JSON keys are English either way)\n"
           "  --format F      export: wrl (VRML 2.0), off, obj (with an .mtl beside it), stl (binary),\n"
           "                  glb (binary glTF 2.0) or png; by default taken from FILE's extension\n"
           "  --size WxH      export to png: the picture's size in pixels (default 800x800)\n"
           "  --print         export: the outer surface for a 3-D printer, as binary STL in millimetres,\n"
           "                  resting on a largest outer facet at z = 0, centred on x = y = 0;\n"
           "                  with -o FILE.3mf, as 3MF with each face in the colour the view gives it;\n"
           "                  with -o FILE.png, a picture of that outer surface\n"
           "  --height-mm H   export --print: the model's height (default 60)\n"
           "  --struts        export --print: a ball-and-stick model instead, every edge a rod,\n"
           "                  every vertex a ball 1.6 times as thick, standing on feet at z = 0\n"
           "  --strut-mm D    export --print --struts: the rods' thickness (default 2)\n"
           "  net             a paper model of the solid's outer surface: a vector PDF or a layered\n"
           "                  SVG (layers cut, mountain, valley, tabs, labels), glue tabs and labels\n"
           "                  on the glued sides, a 50 mm scale bar and the name on every page\n"
           "  --mode net      one net unfolded in as few pieces as fold out without overlaps (default);\n"
           "  --mode parts    each distinct piece of the surface once, with how many to cut\n"
           "  --paper P       a4 (default), a3, letter, legal, or WxHmm such as 300x200mm\n"
           "  --edge-mm E     the length of an edge on paper (default: the longest that fits)\n"
           "  --margin-mm M   the margins (default 10)\n"
           "  --no-tabs       no glue tabs\n"
           "  survey          every vertex configuration of 3 ... K polygons {n/d} with n <= N, each\n"
           "                  once up to the readings the search treats alike, searched to its end\n"
           "                  within a budget of steps; the report has one row per distinct solid\n"
           "                  (the configurations that build it, V/F/E, symmetry, uniform or not,\n"
           "                  mirror pair, the catalogue's name or family), one row per configuration\n"
           "                  that ran out of budget, and the totals (-o FILE, --json for JSON)\n"
           "  --stars         survey: stars and backward polygons too (every d coprime to n)\n"
           "  --windings W    survey: windings 1 ... W (default 1)\n"
           "  --added-last    survey: also every cycle with an added last polygon (winding 0)\n"
           "  --limit L       survey: the vertex limit of every search (default 200)\n"
           "  --budget STEPS  survey: search steps each configuration may take (default 1000000)\n"
           "  --jobs J        survey: threads (default one for every core); under mpirun, threads\n"
           "                  beside rank 0's work of handing out configurations (default 1)\n"
           "  --resume FILE   survey: the checkpoint to go on from and keep (by default FILE.checkpoint\n"
           "                  beside the report, removed once it is written); refused when made with\n"
           "                  other options\n";
}

TResult ParseCommandLine(int argc, const char* const* argv, TCliRequest& request)
{
    const std::string command = argc >= 1 ? argv[0] : "";
    if (command == "--help" || command == "-h") {
        request.Help = true;
        return argc == 1 ? TResult::Success() : TResult::Failure("--help takes nothing after it");
    }
    if (command == "survey") {
        request.Command = TCliCommand::Survey;
        return ParseSurveyCommandLine(argc - 1, argv + 1, request.Survey);
    }
    int first = 2;
    if (command == "catalogue") {
        request.Command = TCliCommand::Catalogue;
        first = 1;
        if (argc >= 2 && std::string(argv[1]).rfind("--", 0) != 0) {
            if (TResult read = ReadCatalogueItem(argv[1], request); read.Failed())
                return read;
            first = 2;
        }
    } else {
        if (argc < 2 || (command != "build" && command != "vrml" && command != "export" && command != "net"))
            return TResult::Failure(
                "expected: zenkari-cli build|vrml|export|net CONFIG, catalogue [ITEM] or survey (see --help)");
        request.Command = command == "vrml"     ? TCliCommand::Vrml
                          : command == "export" ? TCliCommand::Export
                          : command == "net"    ? TCliCommand::Net
                                                : TCliCommand::Build;
        if (const TResult read = ReadConfiguration(argv[1], request); read.Failed())
            return TResult::Failure("bad configuration " + QuotedInput(argv[1]) + ": " + read.Error);
    }

    const TOptionTable& options = OptionsOf(request);
    std::vector<std::string> seen;
    for (int i = first; i < argc; ++i) {
        const std::string option = argv[i];
        const auto known =
            std::find_if(options.begin(), options.end(), [&](const auto& o) { return o.first == option; });
        if (known == options.end())
            return TResult::Failure((command.empty() ? std::string("this command") : command) + " takes no option "
                                    + QuotedInput(option) + " (see --help)");
        if (std::find(seen.begin(), seen.end(), option) != seen.end())
            return TResult::Failure(option + " is given twice");
        seen.push_back(option);
        if (!known->second) {
            TakeFlag(option, request);
            continue;
        }
        if (i + 1 >= argc)
            return TResult::Failure(option + " needs a value");
        if (TResult taken = TakeValue(option, argv[++i], request); taken.Failed())
            return taken;
    }
    if (request.Command == TCliCommand::Vrml && request.OutputFile.empty())
        return TResult::Failure("vrml needs -o FILE");
    if (request.Command == TCliCommand::Export)
        return CheckExportTarget(request);
    if (request.Command == TCliCommand::Net) {
        if (request.OutputFile.empty() || !NetFormatFromPath(request.OutputFile))
            return TResult::Failure("net needs -o FILE.pdf or -o FILE.svg");
        request.Net.Language = request.Language;
    }
    return TResult::Success();
}
