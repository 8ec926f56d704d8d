// SPDX-License-Identifier: GPL-3.0-or-later
// The text forms of the VRML writer, and the careful save.

#include "common/NumberFormat.h"
#include "export/PolyhedronVRML.h"

#include "common/CarefulWrite.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

std::string CoordinateText(double x)
{
    if (!std::isfinite(x))
        x = 0.0;  // never reached by a built solid; keeps the file readable all the same
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.7E", x + 0.0);  // + 0.0 turns -0 into 0
    // C writes at least two exponent digits; the file wants at least three.
    char* e = std::strchr(buffer, 'E');
    const int exponent = std::atoi(e + 1);
    std::snprintf(e, sizeof buffer - static_cast<std::size_t>(e - buffer), "E%c%03d", exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    return buffer;
}

std::string ColourText(TColour colour)
{
    const auto channel = [](int value) { return FormatGeneral(std::trunc(value / 255.0 * 100.0 + 0.5) / 100.0); };
    return channel(RedOf(colour)) + " " + channel(GreenOf(colour)) + " " + channel(BlueOf(colour));
}

std::string VrmlFileText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

TResult SaveLines(const std::string& path, const std::vector<std::string>& lines)
{
    return WriteFileCarefully(path, VrmlFileText(lines));
}
