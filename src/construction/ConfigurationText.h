// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Vertex configurations as people and the catalogue write them:
// "(3, 4, 5, 4)", "(3, 3, 3, 3, 3)/2", "(4, 8, 4/3, 8/7 [,3])/0" (the bracketed polygon is
// the added last one, "/W" the winding), and code strings such as "01010019030103010301".

#include "common/Result.h"
#include "construction/VertexConfiguration.h"

#include <string>

// Reads a configuration text, or says what is wrong with it. The vertex limit is left as
// it is; config is left alone when the text does not read.
[[nodiscard]] TResult ParseConfigurationText(const std::string& text, TVertexConfiguration& config);

// Reads a code string: winding, which found solid to show (pick), added-last flag, vertex
// limit and the polygons; or what is wrong with it.
[[nodiscard]] TResult ParseCodeString(const std::string& code, TVertexConfiguration& config, int& pick);

// The configuration written as the catalogue writes it.
[[nodiscard]] std::string ConfigurationText(const TVertexConfiguration& config);

// Whether the configuration can be handed to preparation, and if not, what is wrong.
[[nodiscard]] TResult CheckConfiguration(const TVertexConfiguration& config);
