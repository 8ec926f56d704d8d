// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/SolidDump.h"

#include "construction/Lookups.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

std::string List(const std::vector<int>& values, int count)
{
    std::string text = "[";
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += ' ';
        text += std::to_string(values[i]);
    }
    text += ']';
    return text;
}

}  // namespace

std::string DumpSolid(const TPolyFace& solid)
{
    std::string text;
    char line[160];
    for (int v = 0; v < solid.VertexCount; ++v) {
        const TVector3 p = solid.Vertices[v];
        std::snprintf(line, sizeof line, "v%d %.17g %.17g %.17g first %d last %d ", v, p.X, p.Y, p.Z, solid.FanFirst[v],
                      solid.FanLast[v]);
        text += line + List(solid.FanN[v], solid.FanCount[v]) + List(solid.FanD[v], solid.FanCount[v])
                + List(solid.FanFaces[v], solid.FanCount[v]) + " pending "
                + List(solid.Pending[v], solid.PendingCount[v]) + "\n";
    }
    std::ostringstream rest;
    for (int f = 0; f < solid.FaceCount; ++f)
        rest << 'f' << f << " {" << solid.FaceN[f] << '/' << solid.FaceD[f] << "} "
             << List(solid.Faces[f], solid.FaceSize[f]) << '\n';
    for (int e = 0; e < solid.EdgeCount; ++e)
        rest << 'e' << solid.EdgeA[e] << '-' << solid.EdgeB[e] << (solid.EdgeFlag[e] ? " flagged" : "") << '\n';
    rest << "next choice " << solid.NextChoice << '\n';
    return text + rest.str();
}

TVertexConfiguration Config(const std::string& text, int limit)
{
    TVertexConfiguration config;
    EXPECT_EQ(ParseConfigurationText(text, config).Error, "") << text;
    config.VertexLimit = limit;
    return config;
}

bool CentrallySymmetric(const TPolyFace& solid)
{
    for (int v = 0; v < solid.VertexCount; ++v) {
        const TVector3 mirrored = ScaleVector(solid.Vertices[v], -1.0);
        bool found = false;
        for (int u = 0; u < solid.VertexCount && !found; ++u)
            found = VectorLength(SubtractVectors(solid.Vertices[u], mirrored)) <= 1e-9;
        if (!found)
            return false;
    }
    return true;
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}
