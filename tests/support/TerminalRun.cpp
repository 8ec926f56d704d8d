// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TerminalRun.h"

#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace {

// Waits for what the program writes next and adds it to screen; false once its side is
// closed. A program that never ends is ended by the test runner's own time-out.
bool ReadSome(int master, std::string& screen)
{
    char buffer[4096];
    const ssize_t got = read(master, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR)
        return true;
    if (got <= 0)
        return false;  // EIO: every descriptor of the terminal's other side is closed
    screen.append(buffer, static_cast<std::size_t>(got));
    return true;
}

void TypeKeys(int master, const std::string& keys)
{
    for (std::size_t at = 0; at < keys.size();) {
        const ssize_t written = write(master, keys.data() + at, keys.size() - at);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        at += static_cast<std::size_t>(written);
    }
}

[[noreturn]] void StartProgram(const std::string& program, const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::signal(SIGINT, SIG_DFL);
    execv(program.c_str(), argv.data());
    _exit(127);
}

}  // namespace

TTerminalRun RunOnTerminal(const std::string& program, const std::vector<std::string>& arguments,
                           const std::vector<std::pair<std::string, std::string>>& steps)
{
    TTerminalRun run;
    int master = -1;
    const pid_t child = forkpty(&master, nullptr, nullptr, nullptr);
    if (child < 0)
        return run;
    if (child == 0)
        StartProgram(program, arguments);
    std::size_t searchFrom = 0;
    std::size_t step = 0;
    bool open = true;
    while (open) {
        while (step < steps.size()) {
            const std::size_t found = run.Screen.find(steps[step].first, searchFrom);
            if (found == std::string::npos)
                break;
            searchFrom = found + steps[step].first.size();
            TypeKeys(master, steps[step++].second);
        }
        open = ReadSome(master, run.Screen);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    close(master);
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.Signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return run;
}
