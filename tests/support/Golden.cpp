// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/Golden.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string GoldenPath(const std::string& name)
{
    return std::string(ZENKARI_GOLDEN_DIR) + "/" + name;
}

}  // namespace

void ExpectGolden(const std::string& name, const std::string& text)
{
    const char* update = std::getenv("ZENKARI_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        std::ofstream(GoldenPath(name), std::ios::binary) << text;
        return;
    }
    std::ifstream file(GoldenPath(name), std::ios::binary);
    ASSERT_TRUE(file) << "missing golden file " << name << " (run with ZENKARI_UPDATE_GOLDEN=1)";
    std::stringstream expected;
    expected << file.rdbuf();
    if (expected.str() == text)
        return;
    std::istringstream want(expected.str());
    std::istringstream got(text);
    std::string wantLine;
    std::string gotLine;
    for (int line = 1;; ++line) {
        const bool moreWant = static_cast<bool>(std::getline(want, wantLine));
        const bool moreGot = static_cast<bool>(std::getline(got, gotLine));
        if (!moreWant && !moreGot)
            break;
        if (moreWant != moreGot || wantLine != gotLine) {
            ADD_FAILURE() << name << " differs at line " << line << "\n  expected: " << (moreWant ? wantLine : "(end)")
                          << "\n  actual:   " << (moreGot ? gotLine : "(end)");
            return;
        }
    }
    ADD_FAILURE() << name << " differs in its line ends";
}
