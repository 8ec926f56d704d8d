#include "cli/CliOutput.h"

#include <cmath>
#include <cstdio>

namespace {

std::string SolidCounts(const TPolyFace& raw, const TPolyFace& display)
{
    return "{\"vertices\": " + std::to_string(raw.VertexCount) + ", \"faces\": " + std::to_string(raw.FaceCount)
           + ", \"edges\": " + std::to_string(raw.EdgeCount) + ", \"display_vertices\": "
           + std::to_string(display.VertexCount) + ", \"display_faces\": " + std::to_string(display.FaceCount) + "}";
}

}  // namespace

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(static_cast<unsigned char>(c)));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string JsonNumber(double x)
{
    if (!std::isfinite(x))
        return "null";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", x);
    return buffer;
}

void WriteTextReport(const TBuildReport& report, std::ostream& out)
{
    for (const std::string& line : *report.Pane)
        out << line << '\n';
    const TBuild& engine = *report.Engine;
    for (int i = 0; i < engine.FoundCount; ++i) {
        const TPolyFace& solid = engine.FoundSolids[i];
        out << "solid " << i + 1 << ": " << solid.VertexCount << " vertices, " << solid.FaceCount << " faces, "
            << solid.EdgeCount << " edges\n";
    }
}

void WriteJsonReport(const TBuildReport& report, std::ostream& out)
{
    const TBuild& engine = *report.Engine;
    out << "{\n  \"configuration\": " << JsonString(report.Configuration) << ",\n";
    out << "  \"vertex_limit\": " << report.Config->VertexLimit << ",\n";
    out << "  \"refused\": " << (report.Refused ? "true" : "false") << ",\n";
    out << "  \"pane\": [";
    for (std::size_t i = 0; i < report.Pane->size(); ++i)
        out << (i ? ",\n    " : "\n    ") << JsonString((*report.Pane)[i]);
    out << "\n  ],\n";
    out << "  \"sphere_radius\": " << JsonNumber(report.Refused ? NAN : engine.SphereRadius) << ",\n";
    out << "  \"neighbour_radius\": " << JsonNumber(report.Refused ? NAN : engine.NeighbourRadius) << ",\n";
    out << "  \"build_step\": " << report.BuildStep << ",\n";
    out << "  \"found\": [";
    for (int i = 0; i < engine.FoundCount; ++i)
        out << (i ? ",\n    " : "\n    ") << SolidCounts(engine.FoundSolids[i], engine.FoundDisplay[i]);
    out << "\n  ],\n";
    out << "  \"current\": " << SolidCounts(engine.Current, engine.CurrentDisplay) << "\n}\n";
}
