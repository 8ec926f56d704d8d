// zenkari-view CONFIG [--pick I] [--dual] [--compound] [--mode M] [--turn T] [--png FILE]
// --turn T turns by T radians about both screen axes first.
// Builds the configuration and shows it; arrows turn it, D the dual, C the compound,
// M the surface mode. With --png it saves one picture and exits.

#include "construction/ConfigurationText.h"
#include "viewer/ViewerWindow.h"

#include <QApplication>

#include <iostream>
#include <string>

namespace {

struct TViewerOptions {
    TVertexConfiguration Config;
    int Pick = 1;
    TDisplaySettings Settings = FirstStartDisplaySettings();
    double Turn = 0.0;
    QString Picture;
};

std::string ReadOptions(int argc, char** argv, TViewerOptions& options)
{
    if (argc < 2)
        return "usage: zenkari-view CONFIG [--pick I] [--dual] [--compound] [--mode M] [--turn T] [--png FILE]";
    const std::string config = argv[1];
    std::string error = config.rfind('(', 0) == 0 ? ParseConfigurationText(config, options.Config)
                                                   : ParseCodeString(config, options.Config, options.Pick);
    if (!error.empty())
        return "bad configuration: " + error;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (option == "--dual")
            options.Settings.DualShown = true;
        else if (option == "--compound")
            options.Settings.CompoundShown = true;
        else if (option == "--mode" && hasValue)
            options.Settings.SurfaceMode = std::stoi(argv[++i]) % 5;
        else if (option == "--pick" && hasValue)
            options.Pick = std::stoi(argv[++i]);
        else if (option == "--turn" && hasValue)
            options.Turn = std::stod(argv[++i]);
        else if (option == "--png" && hasValue)
            options.Picture = QString::fromLocal8Bit(argv[++i]);
        else
            return "unknown option " + option;
    }
    return "";
}

}  // namespace

int main(int argc, char** argv)
{
    SetDefaultSurfaceFormat();
    QApplication application(argc, argv);
    TViewerOptions options;
    std::string error;
    try {
        error = ReadOptions(argc, argv, options);
    } catch (const std::exception&) {
        error = "an option's value is not a number";
    }
    if (!error.empty()) {
        std::cerr << "zenkari-view: " << error << '\n';
        return 2;
    }
    auto engine = std::make_unique<TBuild>();
    TBuildDriver driver;
    TLinePane pane;
    if (driver.BuildAll(*engine, options.Config, pane)) {
        for (const std::string& line : pane.Lines)
            std::cerr << line << '\n';
        return 1;
    }
    TViewerWindow window(std::move(engine), options.Pick, options.Settings);
    window.show();
    if (options.Turn != 0.0)
        window.TurnBy(options.Turn);  // a three-quarter view shows more than the start orientation
    if (!options.Picture.isEmpty())
        return window.SavePicture(options.Picture) ? 0 : 1;
    return application.exec();
}
