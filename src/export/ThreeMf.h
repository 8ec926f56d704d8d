// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A printable model as a 3MF package, through lib3mf: the placed outer surface in
// millimetres as one mesh object, each triangle with the base material of the colour its
// face shows in the view, so that a printer of several colours makes what the screen shows.

#include "common/DisplaySettings.h"
#include "common/Result.h"
#include "export/PrintModel.h"

#include <string>

// bytes receives the whole package: one base-material group holding one material for each
// colour the triangles use (GroupBaseColour of their face, without the view's shading),
// named after the polygons {n/d} it colours; else the result says what went wrong.
[[nodiscard]] TResult ThreeMfBytes(const TPrintModel& model, const TDisplaySettings& settings, std::string& bytes);
