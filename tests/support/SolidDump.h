// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers shared by the engine tests.

#include "construction/ConfigurationText.h"
#include "construction/Dual.h"
#include "construction/PolyhedronBuild.h"

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
    TNullPane pane;
    const bool refused = engine->Prepare(Config(text, limit), pane);
    EXPECT_FALSE(refused) << text;
    int step = OneShotStep;
    if (!refused)
        engine->Search(step, pane);
    return engine;
}

// The raw form of list position pos (0: the solid under construction); the test fails
// where the list holds none.
template <class TEngine>
const TPolyFace& RawAt(const TEngine& engine, int pos)
{
    static const TPolyFace none;
    const TBuiltSolid* solid = engine.SolidAt(pos);
    EXPECT_NE(solid, nullptr) << "list position " << pos;
    return solid != nullptr ? solid->Raw : none;
}

// The dual of list position pos as the session forms it; true when it was abandoned.
template <class TEngine>
bool DualAt(const TEngine& engine, int pos, TDualSolid& dual, TInfoPane& pane)
{
    const TBuiltSolid* solid = engine.SolidAt(pos);
    return solid == nullptr || FormDual(solid->Raw, *solid->Geometry, dual, pane);
}

// A pane for duals formed where no test reads the lines.
inline TNullPane NoLines;

// The whole file, bytes as they are; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);
