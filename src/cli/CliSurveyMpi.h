// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// zenkari-cli survey under mpirun: rank 0 keeps the checkpoint, hands out configuration
// indices one at a time to whichever process asks (searches differ by orders of
// magnitude, so a fixed share would leave most processes idle), searches on a thread of
// its own meanwhile, gathers the outcomes as checkpoint rows and writes the report. MPI
// is started only when mpirun launched the program, so that ordinary runs never touch it.

#include "cli/CliSurvey.h"

// True when this process was started by Open MPI's mpirun (or another launcher that says so).
[[nodiscard]] bool LaunchedByMpirun();

// The survey shared out over the processes of the MPI job; the exit status (of rank 0;
// the others end with 0 unless MPI fails them).
[[nodiscard]] int RunSurveyUnderMpi(const TSurveyRequest& request);
