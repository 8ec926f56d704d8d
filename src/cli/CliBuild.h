// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A build as zenkari-cli runs it: the buttons pressed through the session, a one-shot
// search on the build runner's worker with a progress line on a terminal, stopped by the
// time limit or by Ctrl-C, then what showing the pick forms.

#include "cli/CliOptions.h"
#include "cli/CliOutput.h"
#include "session/BuildSession.h"

// Builds as request says into session, its lines into pane, and fills report. True when
// the configuration was refused.
[[nodiscard]] bool BuildAndShow(const TCliRequest& request, TBuildSession& session, TLinePane& pane,
                                TBuildReport& report);
