#pragma once
// VRML 2.0 export of the solid on show, its dual, or both: one face shape and one edge
// shape per solid, coloured and placed as the window shows them. The text is built as
// lines; SaveLines writes them with CR LF.

#include "common/DisplaySettings.h"
#include "construction/PolyhedronBuild.h"

#include <string>
#include <vector>

// The lines for the solid under construction; none when it has no vertex.
[[nodiscard]] std::vector<std::string> ExportCurrent(const TBuild& engine, const TDisplaySettings& settings);
// The lines for found solid i; none when i is not a found solid.
[[nodiscard]] std::vector<std::string> ExportFound(const TBuild& engine, int i, const TDisplaySettings& settings);
// The whole file for a raw solid and its display form, with engine's Dual as formed for it.
[[nodiscard]] std::vector<std::string> WriteVRML(const TBuild& engine, const TPolyFace& raw, const TPolyFace& display,
                                                 const TDisplaySettings& settings);
// Appends the face shape (unless the surface mode draws frames only) and the edge shape.
void WriteSolidShapes(const TBuild& engine, std::vector<std::string>& lines, const TPolyFace& raw,
                      const TPolyFace& display, bool isDual, const TDisplaySettings& settings);

// "d.dddddddE+ddd": eight significant digits, the exponent signed with at least three digits.
[[nodiscard]] std::string CoordinateText(double x);
// The red, green and blue channels as fractions rounded to two decimals: "1 0.5 0".
[[nodiscard]] std::string ColourText(TColour colour);
// The file's text: every line ending CR LF.
[[nodiscard]] std::string VrmlFileText(const std::vector<std::string>& lines);
// Writes the lines, each ending CR LF, to a temporary file beside path, then renames it
// over path, so that a failure never leaves half a file. Returns "" or the system's message.
[[nodiscard]] std::string SaveLines(const std::string& path, const std::vector<std::string>& lines);
