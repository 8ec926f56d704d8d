#pragma once
// The command line of zenkari-cli, read into plain values.

#include "construction/VertexConfiguration.h"

#include <string>

struct TCliRequest {
    bool Help = false;
    TVertexConfiguration Config;
    int Pick = 1;          // list position shown: 0 the solid under construction, i found solid i
    int Steps = 0;         // > 0: a step build of this many presses instead of the one-shot build
    int Continues = 0;     // presses of "構築続行" afterwards
    bool Dual = false;     // form the dual of the picked solid and append its report
    bool Compound = false; // form the compound of the picked solid and its dual
    bool Json = false;
};

// Reads the arguments after the program name. Returns an empty string, or one line
// saying what is wrong.
[[nodiscard]] std::string ParseCommandLine(int argc, const char* const* argv, TCliRequest& request);

[[nodiscard]] std::string UsageText();
