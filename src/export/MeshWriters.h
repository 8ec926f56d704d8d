// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The container formats, written by Assimp's exporters from one scene built here: OBJ
// (with its MTL beside it), binary STL and binary glTF 2.0. The bytes come back in memory,
// so that every file is written as carefully as the VRML file.

#include "common/Result.h"
#include "export/ExportScene.h"

#include <string>
#include <vector>

enum class TMeshFormat { Obj, Stl, Glb };

struct TOutputFile {
    std::string Path;
    std::string Bytes;
};

// The files of scene in format, the one named path last (the OBJ's MTL takes path's name
// with ".mtl" and comes first), or what went wrong.
[[nodiscard]] TResult MeshFiles(const TExportScene& scene, TMeshFormat format, const std::string& path,
                                std::vector<TOutputFile>& files);
