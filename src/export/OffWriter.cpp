// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/OffWriter.h"

#include <cstdio>
#include <set>
#include <utility>
#include <vector>

namespace {

std::string Number(double x)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", x == 0.0 ? 0.0 : x);  // no "-0"
    return text;
}

std::string Fraction(int channel)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.4g", channel / 255.0);
    return text;
}

// The edges of the true faces, each once: the count the header gives.
std::size_t EdgeCount(const TExportScene& scene)
{
    std::set<std::pair<int, int>> edges;
    for (const TExportFace& face : scene.Faces)
        for (std::size_t j = 0; j < face.Corners.size(); ++j) {
            const int a = face.Corners[j];
            const int b = face.Corners[(j + 1) % face.Corners.size()];
            edges.insert(a < b ? std::make_pair(a, b) : std::make_pair(b, a));
        }
    return edges.size();
}

}  // namespace

std::string OffText(const TExportScene& scene)
{
    // Only the corners of true faces: the centres the view fills star faces from are not
    // vertices of the solid.
    std::vector<int> number(scene.Vertices.size(), -1);
    std::vector<TVector3> used;
    for (const TExportFace& face : scene.Faces)
        for (const int c : face.Corners)
            if (number[static_cast<std::size_t>(c)] < 0) {
                number[static_cast<std::size_t>(c)] = static_cast<int>(used.size());
                used.push_back(scene.Vertices[static_cast<std::size_t>(c)]);
            }
    std::string text = "OFF\n";
    text += "# Zenkari: " + std::to_string(scene.Faces.size()) + " faces, colours as RGBA in 0...1\n";
    text += std::to_string(used.size()) + " " + std::to_string(scene.Faces.size()) + " "
            + std::to_string(EdgeCount(scene)) + "\n";
    // Field by field, each after a space: appending keeps the text one growing buffer.
    const auto field = [&text](const std::string& value) {
        text += ' ';
        text += value;
    };
    for (const TVector3 v : used) {
        text += Number(v.X);
        field(Number(v.Y));
        field(Number(v.Z));
        text += '\n';
    }
    for (const TExportFace& face : scene.Faces) {
        text += std::to_string(face.Corners.size());
        for (const int c : face.Corners)
            field(std::to_string(number[static_cast<std::size_t>(c)]));
        const TExportMaterial& material = scene.Materials[static_cast<std::size_t>(face.Material)];
        field(Fraction(RedOf(material.Colour)));
        field(Fraction(GreenOf(material.Colour)));
        field(Fraction(BlueOf(material.Colour)));
        field(Number(material.Opacity));
        text += '\n';
    }
    return text;
}
