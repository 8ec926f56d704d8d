// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// zenkari-cli net: the built solid's paper model written to a PDF or an SVG, and what it
// holds said as text or as JSON.

#include "cli/CliOptions.h"
#include "session/BuildSession.h"

// Writes the model of the request's pick; the exit status.
[[nodiscard]] int WriteNetFile(const TCliRequest& request, const TBuildSession& session);
