// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// OFF, the plain text the established polyhedron toolkits pass between their tools: a
// header line, the counts of vertices, faces and edges, the vertices, then each face as
// its corner count, its corners in order and its colour as red, green, blue and alpha in
// 0 ... 1. Star faces keep their n corners in the order the star is drawn.

#include "export/ExportScene.h"

#include <string>

// The whole file; coordinates with 17 significant digits, so that they read back exactly.
[[nodiscard]] std::string OffText(const TExportScene& scene);
