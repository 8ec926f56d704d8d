// SPDX-License-Identifier: GPL-3.0-or-later
// zenkari-view: builds one configuration and shows it in the OpenGL view; arrows turn it,
// D the dual, C the compound, M the surface mode. With --png it saves one picture and exits.

#include "common/TextNumbers.h"
#include "construction/ConfigurationText.h"
#include "session/BuildRunner.h"
#include "viewer/ViewerWindow.h"

#include <QApplication>

#include <iostream>
#include <set>
#include <string>

namespace {

const char* const Usage =
    "usage: zenkari-view CONFIG [--pick I] [--dual] [--compound] [--mode M] [--turn T] [--png FILE]\n"
    "  CONFIG      a vertex configuration such as \"(3, 4, 5, 4)\", or a catalogue code string\n"
    "  --pick I    the solid shown: 0 the one under construction, I the I-th found (default 1)\n"
    "  --dual      show the dual\n"
    "  --compound  show the compound of the solid and its dual\n"
    "  --mode M    surface mode 0 ... 4 (default 1)\n"
    "  --turn T    turn by T radians about both screen axes first (a finite number)\n"
    "  --png FILE  save one picture of the view as PNG and exit\n";

struct TViewerOptions {
    bool Help = false;
    TVertexConfiguration Config;
    int Pick = 1;
    bool PickGiven = false;
    TDisplaySettings Settings = FirstStartDisplaySettings();
    double Turn = 0.0;
    bool WantPicture = false;
    QString Picture;
};

TResult TakeValue(const std::string& option, const std::string& value, TViewerOptions& options)
{
    if (option == "--mode") {
        if (!ReadInteger(value, 0, 4, options.Settings.SurfaceMode))
            return TResult::Failure("--mode must be 0 ... 4");
    } else if (option == "--pick") {
        if (!ReadInteger(value, 0, 1000000, options.Pick))
            return TResult::Failure("--pick must be a list position, 0 or more");
        options.PickGiven = true;
    } else if (option == "--turn") {
        if (!ReadFinite(value, options.Turn))
            return TResult::Failure("--turn must be a finite number of radians");
    } else if (option == "--png") {
        if (value.empty())
            return TResult::Failure("--png needs a file name");
        options.WantPicture = true;
        options.Picture = QString::fromLocal8Bit(value.c_str());
    } else {
        return TResult::Failure("unknown option " + option);
    }
    return TResult::Success();
}

TResult ReadOptions(int argc, char** argv, TViewerOptions& options)
{
    if (argc >= 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        options.Help = argc == 2;
        return options.Help ? TResult::Success() : TResult::Failure("--help takes nothing after it");
    }
    if (argc < 2)
        return TResult::Failure("a configuration is needed (see --help)");
    const std::string config = argv[1];
    const TResult read = config.rfind('(', 0) == 0 ? ParseConfigurationText(config, options.Config)
                                                   : ParseCodeString(config, options.Config, options.Pick);
    if (read.Failed())
        return TResult::Failure("bad configuration: " + read.Error);
    std::set<std::string> seen;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        if (!seen.insert(option).second)
            return TResult::Failure(option + " is given twice");
        if (option == "--dual" || option == "--compound") {
            (option == "--dual" ? options.Settings.DualShown : options.Settings.CompoundShown) = true;
            continue;
        }
        if (option != "--mode" && option != "--pick" && option != "--turn" && option != "--png")
            return TResult::Failure("unknown option " + option);
        if (i + 1 >= argc)
            return TResult::Failure(option + " needs a value");
        if (TResult taken = TakeValue(option, argv[++i], options); taken.Failed())
            return taken;
    }
    return TResult::Success();
}

int Fail(const std::string& message, int code)
{
    std::cerr << "zenkari-view: " << message << '\n';
    return code;
}

}  // namespace

int main(int argc, char** argv)
{
    // Everything that can be judged without a display is judged first.
    TViewerOptions options;
    if (const TResult read = ReadOptions(argc, argv, options); read.Failed())
        return Fail(read.Error, 2);
    if (options.Help) {
        std::cout << Usage << std::flush;
        return std::cout ? 0 : Fail("cannot write to standard output", 1);
    }
    // The whole build runs before the window opens: the runner with no slice.
    auto session = std::make_unique<TBuildSession>();
    TLinePane pane;
    TBuildRunner runner;
    (void)runner.Start(options.Config, TBuildSlice{});
    if (session->Adopt(*runner.Take(), pane)) {
        for (const std::string& line : pane.Lines)
            std::cerr << line << '\n';
        return 1;
    }
    const int found = session->FoundCount();
    if (options.Pick > found)
        return Fail("--pick " + std::to_string(options.Pick) + " is beyond the list: the build found "
                        + std::to_string(found) + " solids",
                    2);

    SetDefaultSurfaceFormat();
    QApplication application(argc, argv);
    TViewerWindow window(std::move(session), options.Pick, options.Settings);
    window.show();
    if (options.Turn != 0.0)
        window.TurnBy(options.Turn);  // a three-quarter view shows more than the start orientation
    if (!options.WantPicture)
        return application.exec();
    if (const TResult saved = window.SavePicture(options.Picture); saved.Failed())
        return Fail("cannot write " + options.Picture.toStdString() + ": " + saved.Error, 1);
    return 0;
}
