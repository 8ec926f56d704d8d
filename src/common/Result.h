// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a write, an export or a parse of outside input says back: nothing when it
// succeeded, else why not, in words the user is shown.

#include <cassert>
#include <string>
#include <utility>

struct [[nodiscard]] TResult {
    std::string Error;  // empty when the operation succeeded

    [[nodiscard]] bool Failed() const { return !Error.empty(); }

    [[nodiscard]] static TResult Success() { return {}; }
    [[nodiscard]] static TResult Failure(std::string why)
    {
        assert(!why.empty() && "a failure says why");
        return TResult{std::move(why)};
    }
};
