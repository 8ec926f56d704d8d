#pragma once
// Helpers shared by the engine tests.

#include "construction/BuildDriver.h"
#include "construction/ConfigurationText.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// Everything a solid records, as text, so that two solids compare with a readable diff.
std::string DumpSolid(const TPolyFace& solid);

// A configuration from its text; fails the test on a parse error.
TVertexConfiguration Config(const std::string& text, int limit = 200);

// True when -p is a vertex for every vertex p (to 1e-9).
bool CentrallySymmetric(const TPolyFace& solid);

// An engine after a one-shot build of the configuration (the build must not be refused).
template <class TEngine>
std::unique_ptr<TEngine> BuiltEngine(const std::string& text, int limit = 200)
{
    auto engine = std::make_unique<TEngine>();
    TBuildDriver driver;
    TNullPane pane;
    EXPECT_FALSE(driver.BuildAll(*engine, Config(text, limit), pane)) << text;
    return engine;
}

// A pane for duals formed where no test reads the lines.
inline TNullPane NoLines;

// The whole file, bytes as they are; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);
