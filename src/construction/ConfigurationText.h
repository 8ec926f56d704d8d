#pragma once
// Vertex configurations as people and the catalogue write them:
// "(3, 4, 5, 4)", "(3, 3, 3, 3, 3)/2", "(4, 8, 4/3, 8/7 [,3])/0" (the bracketed polygon is
// the added last one, "/W" the winding), and code strings such as "01010019030103010301".

#include "construction/VertexConfiguration.h"

#include <string>

// Reads a configuration text; returns an empty string, or what is wrong with the text.
// The vertex limit is left as it is.
[[nodiscard]] std::string ParseConfigurationText(const std::string& text, TVertexConfiguration& config);

// Reads a code string: winding, which found solid to show (pick), added-last flag, vertex
// limit and the polygons. Returns an empty string, or what is wrong with it.
[[nodiscard]] std::string ParseCodeString(const std::string& code, TVertexConfiguration& config, int& pick);

// The configuration written as the catalogue writes it.
[[nodiscard]] std::string ConfigurationText(const TVertexConfiguration& config);

// Empty when the configuration can be handed to preparation; otherwise what is wrong.
[[nodiscard]] std::string CheckConfiguration(const TVertexConfiguration& config);
