// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file in the classic INI form: "[Section]" lines and "key=value" lines.
// Every access looks at the file afresh, so a change made by anyone is seen at once (a
// file that has not changed since it was last read is not parsed again; reading and
// writing take time linear in the file's size); sections and keys compare
// without regard to case; a write changes one line, or adds one, and keeps every other
// line of the file as it was, comments and unknown sections included. Writes go to a
// temporary file that then replaces the old one, so a crash never leaves half a file.
// Plain C++, no Qt.

#include "common/Result.h"

#include <string>
#include <vector>

// One key to write: section, key and the value's text.
struct TIniValue {
    std::string Section;
    std::string Key;
    std::string Value;
};

class TIniFile {
public:
    explicit TIniFile(std::string path) : Path(std::move(path)) {}

    [[nodiscard]] const std::string& FileName() const { return Path; }
    [[nodiscard]] std::string ReadString(const std::string& section, const std::string& key,
                                         const std::string& fallback) const;
    // The value as a decimal integer; fallback when missing or not a number.
    [[nodiscard]] int ReadInteger(const std::string& section, const std::string& key, int fallback) const;
    // Each says why when the file could not be written.
    [[nodiscard]] TResult WriteString(const std::string& section, const std::string& key, const std::string& value);
    [[nodiscard]] TResult WriteInteger(const std::string& section, const std::string& key, int value);
    // Several keys in one rewrite of the file; each as WriteString would write it.
    [[nodiscard]] TResult WriteValues(const std::vector<TIniValue>& values);
    [[nodiscard]] TResult EraseSection(const std::string& section);
    // Whether the file is missing (it is made at the first write) or a regular file, or a
    // link to one. Anything else (a FIFO, a device, a directory) is never read or written:
    // opening a FIFO to write would wait for a reader for ever.
    [[nodiscard]] bool IsUsable() const;

private:
    std::string Path;
};
