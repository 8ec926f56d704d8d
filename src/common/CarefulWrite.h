// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing a whole file so that what the user named receives it and nothing is lost on
// the way. A regular file is replaced through a temporary file in its own directory and a
// rename, so that a failed write leaves the old file as it was; everything else the name
// may stand for is written straight into:
// - a symbolic link is followed, and the file it points to is written (the link stays);
// - a device, a FIFO or /dev/stdout is opened and written, never replaced;
// - a file with more than one hard link, or in a directory the user cannot write to, is
//   rewritten in place, so that every name of it sees the new contents; its old contents
//   are first copied (and synced) to ".name.zenkari-backup" beside it, or where its
//   directory cannot be written to "zenkari-backup-USER-DEVICE-INODE-name" in $TMPDIR
//   (or /tmp); the copy goes once the new contents are written and synced, a failed
//   write puts it back, and a copy found at the start (left by a rewrite that was killed)
//   holds the last complete contents, so it is kept until a rewrite succeeds;
// - temporaries of the file that a killed write left (".name.XXXXXX", of our own user,
//   in mode 1600, not locked by a write going on) are removed at its next write;
// - an existing file keeps its mode (and its owner where that is permitted);
// - a file without write permission is not overwritten ("Permission denied"), even for
//   a user whom the system would let through;
// - the temporary name stays within the file system's limit on name length.
// Plain C++, no Qt.

#include "common/Result.h"

#include <string>
#include <string_view>

// Every byte written to an open descriptor, through short writes and interruptions; 0 or
// the system's error number.
[[nodiscard]] int WriteAll(int descriptor, std::string_view bytes);

// Writes bytes as the whole contents of path; on failure, the system's message saying why
// the file could not be written.
[[nodiscard]] TResult WriteFileCarefully(const std::string& path, std::string_view bytes);
