#pragma once
// Helpers shared by the engine tests.

#include "construction/BuildDriver.h"
#include "construction/ConfigurationText.h"

#include <string>

// Everything a solid records, as text, so that two solids compare with a readable diff.
std::string DumpSolid(const TPolyFace& solid);

// A configuration from its text; fails the test on a parse error.
TVertexConfiguration Config(const std::string& text, int limit = 200);

// True when -p is a vertex for every vertex p (to 1e-9).
bool CentrallySymmetric(const TPolyFace& solid);
