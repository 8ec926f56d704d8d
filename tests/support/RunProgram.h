// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs one of our programs as a user runs it, capturing its exit status, stdout and
// stderr. Each run keeps stderr in a file of its own (test name and process id), so
// that tests run in parallel never read each other's output.

#include <string>
#include <vector>

struct TProgramResult {
    int Status = -1;  // the exit status, -1 when the program did not exit normally
    std::string Out;
    std::string Err;
};

// program: its path; arguments passed as they are; shellTail: extra shell text appended
// to the command line (a redirection such as ">/dev/full"), empty for none. When the tail
// redirects stdout, Out stays empty.
[[nodiscard]] TProgramResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                                        const std::string& shellTail = "");

// The argument quoted for the shell.
[[nodiscard]] std::string ShellQuote(const std::string& argument);

// How often part occurs in text.
[[nodiscard]] int Occurrences(const std::string& text, const std::string& part);

// A scratch directory of this test's own, made empty.
[[nodiscard]] std::string ScratchDirectory();
