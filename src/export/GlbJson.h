// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tidying the JSON chunk of a binary glTF file that Assimp's glTF writer leaves: it lists
// FB_ngon_encoding in every file and gives every material an empty KHR_materials_volume,
// though our meshes are plain triangles and our materials have no volume.

#include "common/Result.h"

#include <string>

// glb without those two extensions, its chunks and lengths rewritten; or what is wrong
// with it (glb left as it was).
[[nodiscard]] TResult DropUnusedGltfExtensions(std::string& glb);
