// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The information pane as the engine sees it: a place to append whole lines of text.

#include <string>
#include <vector>

inline constexpr const char* SeparatorLine = "-------------------------";  // ends every block of messages

class TInfoPane {
public:
    virtual ~TInfoPane() = default;
    virtual void AppendLine(const std::string& line) = 0;
    virtual void Clear() = 0;  // only a new build clears the pane
};

// A pane that keeps its lines, for the command-line tool and the tests.
class TLinePane : public TInfoPane {
public:
    void AppendLine(const std::string& line) override { Lines.push_back(line); }
    void Clear() override { Lines.clear(); }
    std::vector<std::string> Lines;
};

// A pane that forgets everything, for callers that do not show messages.
class TNullPane : public TInfoPane {
public:
    void AppendLine(const std::string&) override {}
    void Clear() override {}
};
