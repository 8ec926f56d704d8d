// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs one of our programs on a terminal of its own (a pseudo-terminal), as a user at a
// shell does: stdin, stdout and stderr are the terminal, and what is typed goes through
// the terminal's line discipline, so a Ctrl-C (0x03) reaches the program as the SIGINT
// of a key press, sent to its process group by the kernel.

#include <string>
#include <utility>
#include <vector>

struct TTerminalRun {
    int Status = -1;     // the exit status, -1 when the program did not exit normally
    int Signal = 0;      // the signal that ended it, 0 when it exited
    std::string Screen;  // everything it wrote, and the terminal's echo of what was typed
};

// Each step waits until its cue appears in the output after the last cue found (an empty
// cue: at once), then types its keys. After the last step, reads to the program's end.
[[nodiscard]] TTerminalRun RunOnTerminal(const std::string& program, const std::vector<std::string>& arguments,
                                         const std::vector<std::pair<std::string, std::string>>& steps);
