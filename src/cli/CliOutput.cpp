#include "cli/CliOutput.h"

#include "measure/PolyhedronCalc.h"

#include <cmath>
#include <cstdio>

namespace {

std::string SolidCounts(const TPolyFace& raw, const TPolyFace& display)
{
    return "{\"vertices\": " + std::to_string(raw.VertexCount) + ", \"faces\": " + std::to_string(raw.FaceCount)
           + ", \"edges\": " + std::to_string(raw.EdgeCount) + ", \"display_vertices\": "
           + std::to_string(display.VertexCount) + ", \"display_faces\": " + std::to_string(display.FaceCount);
}

std::string DualObject(const TBuildReport& report)
{
    const TBuild& engine = *report.Engine;
    return "{\"faces\": " + std::to_string(CountDualFaces(engine)) + ", \"vertices\": "
           + std::to_string(CountDualVertices(engine)) + ", \"edges\": " + std::to_string(engine.Dual.EdgeCount)
           + ", \"aborted\": " + (report.DualAborted ? "true" : "false")
           + ", \"face_kind\": " + std::to_string(engine.DualFaceKind)
           + ", \"pieces\": " + std::to_string(engine.DualPieces) + ", \"radius\": " + JsonNumber(engine.DualRadius)
           + ", \"scale\": " + JsonNumber(engine.DualScale) + ", \"report\": " + JsonString(report.DualReport) + "}";
}

std::string PolygonTable(const TBuild& engine)
{
    std::string text = "[";
    const auto rows = PolygonTableRows(engine);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        text += r ? ",\n    [" : "\n    [";
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            text += (c ? ", " : "") + JsonString(rows[r][c]);
        text += "]";
    }
    return text + "\n  ]";
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
    if (report.DualFormed)
        out << "dual of " << report.Pick << ": " << CountDualVertices(engine) << " vertices, " << CountDualFaces(engine)
            << " faces, " << engine.Dual.EdgeCount << " edges" << (report.DualAborted ? " (abandoned)" : "") << '\n';
    if (report.CompoundFormed)
        out << "compound of " << report.Pick << ": " << report.Compound->VertexCount << " vertices, "
            << report.Compound->FaceCount << " faces, " << report.Compound->EdgeCount << " edges\n";
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
    // The internal states "one-shot" and "ended after a failure" have no step to show.
    const bool noStep = report.BuildStep == OneShotStep || report.BuildStep == SearchEndedAfterFailure;
    out << "  \"build_step\": " << (noStep ? std::string("null") : std::to_string(report.BuildStep)) << ",\n";
    out << "  \"found\": [";
    for (int i = 0; i < engine.FoundCount; ++i)
        out << (i ? ",\n    " : "\n    ") << SolidCounts(engine.FoundSolids[i], engine.FoundDisplay[i])
            << ", \"area\": " << JsonNumber(SurfaceArea(engine, i + 1))
            << ", \"volume\": " << JsonNumber(Volume(engine, i + 1)) << "}";
    out << "\n  ],\n";
    out << "  \"current\": " << SolidCounts(engine.Current, engine.CurrentDisplay) << "},\n";
    out << "  \"pick\": " << report.Pick << ",\n";
    out << "  \"stopped\": " << (report.Stopped ? "true" : "false") << ",\n";
    if (report.DualFormed)
        out << "  \"dual\": " << DualObject(report) << ",\n";
    if (report.CompoundFormed)
        out << "  \"compound\": {\"vertices\": " << report.Compound->VertexCount
            << ", \"faces\": " << report.Compound->FaceCount << ", \"edges\": " << report.Compound->EdgeCount << "},\n";
    out << "  \"polygon_table\": " << (report.Refused ? "[]" : PolygonTable(engine)) << "\n}\n";
}
