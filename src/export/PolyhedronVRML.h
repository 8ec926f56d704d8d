// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// VRML 2.0 export of the solid on show, its dual, or both: one face shape and one edge
// shape per solid, coloured and placed as the window shows them. The text is built as
// lines; SaveLines writes them with CR LF.

#include "common/DisplaySettings.h"
#include "common/Result.h"
#include "construction/BuiltSolid.h"

#include <string>
#include <vector>

// The whole file for a solid with its dual as formed for it; none when the solid has no vertex.
[[nodiscard]] std::vector<std::string> WriteVRML(const TBuiltSolid& solid, const TDualSolid& dual,
                                                 const TDisplaySettings& settings);
// Appends the face shape (unless the surface mode draws frames only) and the edge shape,
// scaled for the circumradius sphereRadius.
void WriteSolidShapes(double sphereRadius, std::vector<std::string>& lines, const TPolyFace& raw,
                      const TPolyFace& display, bool isDual, const TDisplaySettings& settings);

// "d.dddddddE+ddd": eight significant digits, the exponent signed with at least three digits.
[[nodiscard]] std::string CoordinateText(double x);
// The red, green and blue channels as fractions rounded to two decimals: "1 0.5 0".
[[nodiscard]] std::string ColourText(TColour colour);
// The file's text: every line ending CR LF.
[[nodiscard]] std::string VrmlFileText(const std::vector<std::string>& lines);
// Writes the lines, each ending CR LF, to a temporary file beside path, then renames it
// over path, so that a failure never leaves half a file; else the system's message.
[[nodiscard]] TResult SaveLines(const std::string& path, const std::vector<std::string>& lines);
