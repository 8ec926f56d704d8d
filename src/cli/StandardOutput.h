// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Standard output of zenkari-cli, written straight to its descriptor through a buffer of
// our own, so that the reason of the first failed write is kept when it happens: errno is
// long gone by the time the program ends and says why its output did not arrive.

#include <array>
#include <streambuf>

class TStandardOutput : public std::streambuf {
public:
    TStandardOutput() { setp(Buffer.data(), Buffer.data() + Buffer.size()); }
    // Writes what is buffered; the system's error number of the first failure, or 0.
    [[nodiscard]] int Finish();

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool Drain();

    std::array<char, 8192> Buffer{};
    int FirstError = 0;
};
