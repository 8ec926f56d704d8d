// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of zenkari-cli, read into plain values.

#include "cli/CliSurvey.h"
#include "common/DisplaySettings.h"
#include "common/Messages.h"
#include "common/Result.h"
#include "construction/VertexConfiguration.h"
#include "session/ExportFile.h"
#include "session/ExportNet.h"

#include <string>

// The most presses --steps and --continue take: far more than anyone watches, few
// enough that a wandering search cannot fill memory with its pane.
inline constexpr int MaxPresses = 100000;

enum class TCliCommand { Build, Vrml, Export, Net, Catalogue, Survey };

struct TCliRequest {
    TCliCommand Command = TCliCommand::Build;
    bool Help = false;
    TVertexConfiguration Config;
    int Pick = 1;           // list position shown: 0 the solid under construction, i found solid i
    int Steps = 0;          // > 0: a step build of this many presses instead of the one-shot build
    int Continues = 0;      // presses of "構築続行" afterwards
    bool Dual = false;      // "双対": form the dual of the picked solid (build: append its report)
    bool Compound = false;  // "複合": form the compound of the picked solid and its dual
    bool Json = false;
    double TimeLimit = 0.0;                      // seconds a one-shot search may run before it pauses; 0 for no limit
    int CatalogueItem = -1;                      // catalogue: the item to build; -1 lists them all
    bool English = false;                        // catalogue: names in English
    TLanguage Language = TLanguage::Japanese;    // --lang: of the pane lines and the catalogue's names
    std::string OutputFile;                      // vrml, export: where to write
    TExportFormat Format = TExportFormat::Vrml;  // export: --format, else from the file name
    bool FormatGiven = false;
    bool Print = false;      // export --print: the outer surface for a 3-D printer
    double HeightMm = 60.0;  // export --print: --height-mm
    bool Struts = false;     // export --print: --struts, a ball-and-stick model
    double StrutMm = 2.0;    // export --print --struts: --strut-mm
    TNetRequest Net;         // net: --mode, --paper, --edge-mm, --margin-mm, --no-tabs
    int PictureWidth = 800;  // export to PNG: --size
    int PictureHeight = 800;
    TDisplaySettings Display = FirstStartDisplaySettings();  // vrml: how it looks
    TSurveyRequest Survey;                                   // survey: the bound and how to run it
};

// Reads the arguments after the program name; on failure, one line saying what is wrong.
[[nodiscard]] TResult ParseCommandLine(int argc, const char* const* argv, TCliRequest& request);

[[nodiscard]] std::string UsageText();

// Text from the command line as a message may show it: in double quotes, control
// characters and bytes that are not UTF-8 escaped, cut after about 60 characters.
[[nodiscard]] std::string QuotedInput(const std::string& text);
