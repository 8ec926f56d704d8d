// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOutput.h"

#include "measure/PolyhedronCalc.h"
#include "measure/SolidClass.h"

#include <cmath>
#include <cstdio>

namespace {

std::string SolidCounts(const TPolyFace& raw, const TPolyFace& display)
{
    return "{\"vertices\": " + std::to_string(raw.VertexCount) + ", \"faces\": " + std::to_string(raw.FaceCount)
           + ", \"edges\": " + std::to_string(raw.EdgeCount) + ", \"display_vertices\": "
           + std::to_string(display.VertexCount) + ", \"display_faces\": " + std::to_string(display.FaceCount);
}

// What the solid is: its symmetry group, its vertex orbits and its topology.
std::string ClassFields(const TSolidClass& found)
{
    return ", \"symmetry\": " + JsonString(found.Symmetry) + ", \"symmetry_order\": "
           + std::to_string(found.SymmetryOrder) + ", \"vertex_orbits\": " + std::to_string(found.VertexOrbits)
           + ", \"euler_characteristic\": " + std::to_string(found.EulerCharacteristic)
           + ", \"orientable\": " + (found.Orientable ? "true" : "false");
}

std::string ClassLine(const TSolidClass& found)
{
    return "  symmetry " + found.Symmetry + " (order " + std::to_string(found.SymmetryOrder) + "), "
           + std::to_string(found.VertexOrbits) + (found.VertexOrbits == 1 ? " vertex orbit" : " vertex orbits")
           + ", Euler characteristic " + std::to_string(found.EulerCharacteristic)
           + (found.Orientable ? ", orientable" : ", not orientable");
}

std::string DualObject(const TBuildReport& report)
{
    const TDualSolid& dual = report.Session->Dual();
    return "{\"faces\": " + std::to_string(CountDualFaces(dual)) + ", \"vertices\": "
           + std::to_string(CountDualVertices(dual)) + ", \"edges\": " + std::to_string(dual.Faces.EdgeCount)
           + ", \"aborted\": " + (report.DualAborted ? "true" : "false")
           + ", \"face_kind\": " + std::to_string(dual.FaceKind) + ", \"pieces\": " + std::to_string(dual.Pieces)
           + ", \"radius\": " + JsonNumber(dual.Radius) + ", \"scale\": " + JsonNumber(dual.Scale)
           + ", \"report\": " + JsonString(report.DualReport) + "}";
}

std::string PolygonTable(const TVertexGeometry& geometry)
{
    std::string text = "[";
    const auto rows = PolygonTableRows(geometry);
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
    const TBuildSession& session = *report.Session;
    for (int i = 1; i <= session.FoundCount(); ++i) {
        const TPolyFace& solid = session.SolidAt(i)->Raw;
        out << "solid " << i << ": " << solid.VertexCount << " vertices, " << solid.FaceCount << " faces, "
            << solid.EdgeCount << " edges\n"
            << ClassLine(ClassifySolid(*session.SolidAt(i))) << '\n';
    }
    if (report.DualFormed)
        out << "dual of " << report.Pick << ": " << CountDualVertices(session.Dual()) << " vertices, "
            << CountDualFaces(session.Dual()) << " faces, " << session.Dual().Faces.EdgeCount << " edges"
            << (report.DualAborted ? " (abandoned)" : "") << '\n';
    if (report.CompoundFormed)
        out << "compound of " << report.Pick << ": " << report.Compound->VertexCount << " vertices, "
            << report.Compound->FaceCount << " faces, " << report.Compound->EdgeCount << " edges\n";
}

void WriteJsonReport(const TBuildReport& report, std::ostream& out)
{
    const TBuildSession& session = *report.Session;
    const TVertexGeometry& geometry = session.Geometry();
    out << "{\n  \"configuration\": " << JsonString(report.Configuration) << ",\n";
    out << "  \"vertex_limit\": " << report.Config->VertexLimit << ",\n";
    out << "  \"refused\": " << (report.Refused ? "true" : "false") << ",\n";
    out << "  \"pane\": [";
    for (std::size_t i = 0; i < report.Pane->size(); ++i)
        out << (i ? ",\n    " : "\n    ") << JsonString((*report.Pane)[i]);
    out << "\n  ],\n";
    out << "  \"sphere_radius\": " << JsonNumber(report.Refused ? NAN : geometry.SphereRadius) << ",\n";
    out << "  \"neighbour_radius\": " << JsonNumber(report.Refused ? NAN : geometry.NeighbourRadius) << ",\n";
    // The internal states "one-shot" and "ended after a failure" have no step to show.
    const bool noStep = report.BuildStep == OneShotStep || report.BuildStep == SearchEndedAfterFailure;
    out << "  \"build_step\": " << (noStep ? std::string("null") : std::to_string(report.BuildStep)) << ",\n";
    out << "  \"found\": [";
    for (int i = 1; i <= session.FoundCount(); ++i) {
        const TBuiltSolid& solid = *session.SolidAt(i);
        // What a model of it holds; null where the outer surface cannot be worked out.
        TEnclosedFigures enclosed;
        const bool formed = !EnclosedFigures(solid, enclosed).Failed();
        out << (i > 1 ? ",\n    " : "\n    ") << SolidCounts(solid.Raw, solid.Display)
            << ", \"area\": " << JsonNumber(SurfaceArea(solid)) << ", \"volume\": " << JsonNumber(Volume(solid))
            << ", \"enclosed_volume\": " << JsonNumber(formed ? enclosed.Volume : NAN)
            << ", \"outer_area\": " << JsonNumber(formed ? enclosed.Area : NAN) << ClassFields(ClassifySolid(solid))
            << "}";
    }
    out << "\n  ],\n";
    const TBuiltSolid& current = *session.SolidAt(0);
    out << "  \"current\": " << SolidCounts(current.Raw, current.Display) << "},\n";
    out << "  \"pick\": " << report.Pick << ",\n";
    out << "  \"stopped\": " << (report.Stopped ? "true" : "false") << ",\n";
    // The largest limit whose search ended: the list holds every solid of at most that many vertices.
    const int complete = session.SearchEnded() ? report.Config->VertexLimit : session.CompleteUpTo();
    out << "  \"complete_up_to\": " << (complete > 0 && !report.Refused ? std::to_string(complete) : "null") << ",\n";
    if (report.DualFormed)
        out << "  \"dual\": " << DualObject(report) << ",\n";
    if (report.CompoundFormed)
        out << "  \"compound\": {\"vertices\": " << report.Compound->VertexCount
            << ", \"faces\": " << report.Compound->FaceCount << ", \"edges\": " << report.Compound->EdgeCount << "},\n";
    out << "  \"polygon_table\": " << (report.Refused ? "[]" : PolygonTable(geometry)) << "\n}\n";
}
