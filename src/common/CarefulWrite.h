#pragma once
// Writing a whole file so that what the user named receives it and nothing is lost on
// the way. A regular file is replaced through a temporary file in its own directory and a
// rename, so that a failed write leaves the old file as it was; everything else the name
// may stand for is written straight into:
// - a symbolic link is followed, and the file it points to is written (the link stays);
// - a device, a FIFO or /dev/stdout is opened and written, never replaced;
// - a file with more than one hard link, or in a directory the user cannot write to, is
//   rewritten in place, so that every name of it sees the new contents;
// - an existing file keeps its mode (and its owner where that is permitted);
// - a file without write permission is not overwritten ("Permission denied"), even for
//   a user whom the system would let through;
// - the temporary name stays within the file system's limit on name length.
// Plain C++, no Qt.

#include <string>
#include <string_view>

// Writes bytes as the whole contents of path. Returns an empty string, or the system's
// message saying why the file could not be written.
[[nodiscard]] std::string WriteFileCarefully(const std::string& path, std::string_view bytes);
