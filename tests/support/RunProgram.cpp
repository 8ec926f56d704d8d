// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RunProgram.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string TestName()
{
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = test == nullptr ? "none" : std::string(test->test_suite_name()) + "." + test->name();
    for (char& c : name)
        if (c == '/')
            c = '_';
    return name;
}

}  // namespace

std::string ShellQuote(const std::string& argument)
{
    std::string quoted = "'";
    for (const char c : argument) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    quoted += '\'';
    return quoted;
}

std::string ScratchDirectory()
{
    const std::filesystem::path directory =
        std::filesystem::path(::testing::TempDir()) / "zenkari-tests" / (TestName() + "-" + std::to_string(getpid()));
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    return directory.string() + "/";
}

TProgramResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& shellTail)
{
    static int runs = 0;
    const std::string errFile = ::testing::TempDir() + "zenkari-stderr-" + TestName() + "-" + std::to_string(getpid())
                                + "-" + std::to_string(++runs) + ".txt";
    std::string command = ShellQuote(program);
    for (const std::string& a : arguments)
        command += ' ' + ShellQuote(a);
    command += " 2>" + ShellQuote(errFile);
    if (!shellTail.empty())
        command += ' ' + shellTail;
    TProgramResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return result;
    std::array<char, 4096> buffer{};
    std::size_t read = 0;
    while ((read = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.Out.append(buffer.data(), read);
    const int status = pclose(pipe);
    result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile, std::ios::binary);
    std::stringstream text;
    text << err.rdbuf();
    result.Err = text.str();
    std::remove(errFile.c_str());
    return result;
}

int Occurrences(const std::string& text, const std::string& part)
{
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}
