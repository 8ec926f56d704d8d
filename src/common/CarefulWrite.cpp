// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/CarefulWrite.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

int WriteAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

namespace {

constexpr int MaxLinkDepth = 40;  // as the kernel's own limit on nested links
constexpr std::string_view BackupSuffix = ".zenkari-backup";
// The mode of a temporary of ours while it is written: the sticky bit, which nobody gives
// a regular file of their own, tells it from a file that merely has a name of its form
// (".Polyhedron.ini.backup"). It takes its own mode just before it takes its name.
constexpr mode_t WritingMode = S_ISVTX | S_IRUSR | S_IWUSR;

// The failure the system's error number stands for (EIO for none).
TResult Message(int error)
{
    return TResult::Failure(std::strerror(error != 0 ? error : EIO));
}

TResult FromError(int error)
{
    return error == 0 ? TResult::Success() : Message(error);
}

std::string DirectoryOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// directory + "/" + prefix + name + suffix, built by appending (GCC 12 warns wrongly about
// "." + a temporary string).
std::string InDirectory(const std::string& directory, std::string_view prefix, std::string_view name,
                        std::string_view suffix = "")
{
    std::string path = directory == "/" ? "" : directory;
    path += '/';
    path += prefix;
    path += name;
    path += suffix;
    return path;
}

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Everything from the start of an open file; 0 or the error.
int ReadAll(int descriptor, std::string& bytes)
{
    bytes.clear();
    char buffer[65536];
    for (off_t at = 0;;) {
        const ssize_t got = pread(descriptor, buffer, sizeof buffer, at);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            return 0;
        bytes.append(buffer, static_cast<std::size_t>(got));
        at += got;
    }
}

int Sync(int descriptor)
{
    return fsync(descriptor) != 0 && errno != EINVAL ? errno : 0;  // EINVAL: a file that cannot be synced
}

// A name that comes or goes is only durable once its directory is synced; where that
// fails, nothing better can be done, so it is not reported.
void SyncDirectory(const std::string& directory)
{
    const int descriptor = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        (void)Sync(descriptor);
        close(descriptor);
    }
}

// The path with every symbolic link followed; a dangling link gives the path it names.
bool ResolveLinks(std::string path, std::string& resolved)
{
    for (int depth = 0; depth < MaxLinkDepth; ++depth) {
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            resolved = path;
            return true;
        }
        char target[PATH_MAX];
        const ssize_t length = readlink(path.c_str(), target, sizeof target - 1);
        if (length < 0)
            return false;
        const std::string link(target, static_cast<std::size_t>(length));
        path = !link.empty() && link.front() == '/' ? link : DirectoryOf(path).append("/").append(link);
    }
    errno = ELOOP;
    return false;
}

// A device, a FIFO, a terminal: opened as it is and written, never replaced.
TResult WriteStraight(const std::string& path, std::string_view bytes, bool truncate)
{
    const int descriptor = open(path.c_str(), O_WRONLY | O_CLOEXEC | (truncate ? O_TRUNC : 0));
    if (descriptor < 0)
        return Message(errno);
    int error = WriteAll(descriptor, bytes);
    if (close(descriptor) != 0 && error == 0)
        error = errno;
    return FromError(error);
}

// The name cut (at a character boundary, never inside a UTF-8 sequence) to room bytes.
std::string CutName(std::string name, std::size_t room)
{
    if (name.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
            --cut;
        name.resize(cut);
    }
    return name;
}

std::size_t NameLimit(const std::string& directory)
{
    const long limit = pathconf(directory.c_str(), _PC_NAME_MAX);
    return static_cast<std::size_t>(limit > 0 ? limit : NAME_MAX);
}

// ".name.XXXXXX" beside the target, the name cut where the whole would pass the file
// system's limit.
std::string TemporaryTemplate(const std::string& target)
{
    const std::string directory = DirectoryOf(target);
    const std::size_t room = NameLimit(directory) - 8;  // "." and ".XXXXXX"
    return InDirectory(directory, ".", CutName(BaseNameOf(target), room), ".XXXXXX");
}

bool MkstempCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// A temporary that a write cut short left behind: a regular file of our own user, in the
// mode of one being written, that no write going on now holds locked. It goes only while
// we hold its lock and the name still stands for it, so that a live temporary of another
// Zenkari is never taken.
void RemoveIfStale(const std::string& path)
{
    struct stat there {};
    if (lstat(path.c_str(), &there) != 0 || !S_ISREG(there.st_mode) || there.st_uid != geteuid()
        || (there.st_mode & 07777) != WritingMode)
        return;
    int descriptor = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        descriptor = open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);  // a write-only mode
    if (descriptor < 0)
        return;
    struct stat own {};
    if (fstat(descriptor, &own) == 0 && flock(descriptor, LOCK_EX | LOCK_NB) == 0 && lstat(path.c_str(), &there) == 0
        && SameFile(own, there))
        unlink(path.c_str());
    close(descriptor);
}

// Every stale temporary of the template's file: exactly its "." + name + "." and six
// characters as mkstemp makes them, nothing else.
void RemoveStaleTemporaries(const std::string& pattern)
{
    const std::string directory = DirectoryOf(pattern);
    const std::string base = BaseNameOf(pattern);
    const std::string_view prefix = std::string_view(base).substr(0, base.size() - 6);
    DIR* listing = opendir(directory.c_str());
    if (listing == nullptr)
        return;
    std::vector<std::string> found;
    while (const dirent* entry = readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name.size() != base.size() || name.substr(0, prefix.size()) != prefix)
            continue;
        bool ours = true;
        for (const char c : name.substr(prefix.size()))
            ours = ours && MkstempCharacter(c);
        if (ours)
            found.push_back(InDirectory(directory, "", name));
    }
    closedir(listing);
    for (const std::string& path : found)
        RemoveIfStale(path);
}

// A temporary made from the template, in the mode of one being written and locked for as
// long as it stays open, so that another Zenkari clearing stale temporaries leaves it
// alone. One taken for stale in the moment between mkstemp and the lock is given up for
// another. -1 with errno on failure.
int MakeLockedTemporary(std::string& name)
{
    const std::string pattern = name;
    for (int attempt = 0; attempt < 8; ++attempt) {
        name = pattern;
        const int descriptor = mkstemp(name.data());
        if (descriptor < 0)
            return -1;
        fchmod(descriptor, WritingMode);
        // A file system without locks lets no one else take the lock either.
        const bool taken = flock(descriptor, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
        struct stat own {};
        struct stat there {};
        if (!taken && fstat(descriptor, &own) == 0 && lstat(name.c_str(), &there) == 0 && SameFile(own, there))
            return descriptor;
        close(descriptor);
    }
    errno = EEXIST;
    return -1;
}

// Where the old contents of a file rewritten in place wait until the new ones are written
// and synced: beside it as ".name.zenkari-backup", or, where its directory cannot be
// written, in $TMPDIR (or /tmp) as "zenkari-backup-USER-DEVICE-INODE-name". Both leave
// room for the backup's own temporary name.
std::string BackupBeside(const std::string& target)
{
    const std::string directory = DirectoryOf(target);
    const std::size_t room = NameLimit(directory) - 8 - 1 - BackupSuffix.size();
    return InDirectory(directory, ".", CutName(BaseNameOf(target), room), BackupSuffix);
}

std::string BackupElsewhere(const std::string& target, const struct stat& info)
{
    const char* variable = std::getenv("TMPDIR");
    const std::string directory = variable != nullptr && variable[0] == '/' ? variable : "/tmp";
    const std::string identity = "zenkari-backup-" + std::to_string(geteuid()) + "-" + std::to_string(info.st_dev) + "-"
                                 + std::to_string(info.st_ino) + "-";
    const std::size_t room = NameLimit(directory) - 8 - identity.size();
    return InDirectory(directory, identity, CutName(BaseNameOf(target), room));
}

// A backup of ours that an earlier rewrite, cut short, left; empty when there is none.
std::string FoundBackup(const std::string& target, const struct stat& info)
{
    for (const std::string& place : {BackupBeside(target), BackupElsewhere(target, info)}) {
        struct stat found {};
        if (lstat(place.c_str(), &found) == 0 && S_ISREG(found.st_mode) && found.st_uid == geteuid())
            return place;
    }
    return "";
}

void RemoveBackup(const std::string& backup)
{
    if (unlink(backup.c_str()) == 0)
        SyncDirectory(DirectoryOf(backup));
}

// The copy written under a temporary name, synced, and only then given its own name
// (never over anything there), so that a copy cut short is never taken for a whole one.
int MakeBackup(const std::string& backup, std::string_view contents)
{
    std::string temporary = TemporaryTemplate(backup);
    RemoveStaleTemporaries(temporary);
    const int descriptor = MakeLockedTemporary(temporary);
    if (descriptor < 0)
        return errno;
    int error = WriteAll(descriptor, contents);
    if (error == 0)
        error = Sync(descriptor);
    if (error == 0 && fchmod(descriptor, S_IRUSR | S_IWUSR) != 0)
        error = errno;
    if (error == 0 && link(temporary.c_str(), backup.c_str()) != 0)
        error = errno;
    unlink(temporary.c_str());
    if (close(descriptor) != 0 && error == 0) {
        error = errno;
        unlink(backup.c_str());
    }
    if (error == 0)
        SyncDirectory(DirectoryOf(backup));
    return error;
}

// The old contents made safe before the file is touched. A backup that an earlier rewrite
// left is kept as it is: it holds the last complete contents, which the file may no
// longer hold. Otherwise the file is copied, beside itself where its directory can be
// written, else into the temporary directory.
int SecureOldContents(const std::string& target, int descriptor, const struct stat& info, std::string& backup)
{
    backup = FoundBackup(target, info);
    if (!backup.empty())
        return 0;
    std::string contents;
    if (const int error = ReadAll(descriptor, contents))
        return error;
    backup = BackupBeside(target);
    int error = MakeBackup(backup, contents);
    if (error == EACCES || error == EPERM || error == EROFS) {
        backup = BackupElsewhere(target, info);
        error = MakeBackup(backup, contents);
    }
    return error;
}

// The whole contents of the open file replaced by bytes, and synced.
int Rewrite(int descriptor, std::string_view bytes)
{
    if (lseek(descriptor, 0, SEEK_SET) != 0)
        return errno;
    int error = WriteAll(descriptor, bytes);
    if (error == 0 && ftruncate(descriptor, static_cast<off_t>(bytes.size())) != 0)
        error = errno;
    return error != 0 ? error : Sync(descriptor);
}

int RestoreBackup(int descriptor, const std::string& backup)
{
    const int from = open(backup.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (from < 0)
        return errno;
    std::string contents;
    const int error = ReadAll(from, contents);
    close(from);
    return error != 0 ? error : Rewrite(descriptor, contents);
}

TResult RewriteKeepingBackup(const std::string& path, int descriptor, std::string_view bytes)
{
    struct stat info {};
    if (fstat(descriptor, &info) != 0)
        return Message(errno);
    if (!S_ISREG(info.st_mode))
        return Message(EINVAL);  // no longer the regular file it was a moment ago
    // One rewrite of a file at a time: another Zenkari waits here, rather than take this
    // rewrite's backup for one left by a rewrite cut short.
    (void)flock(descriptor, LOCK_EX);
    std::string backup;
    if (const int error = SecureOldContents(path, descriptor, info, backup))
        return Message(error);
    const int error = Rewrite(descriptor, bytes);
    if (error == 0 || RestoreBackup(descriptor, backup) == 0) {
        RemoveBackup(backup);
        return FromError(error);
    }
    return TResult::Failure(Message(error).Error + " (the old contents are kept in " + backup + ")");
}

// The regular file rewritten where it stands: its inode, and so every hard link of it,
// gets the new contents, while a backup keeps the old ones.
TResult WriteInPlace(const std::string& path, std::string_view bytes)
{
    const int descriptor = open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return Message(errno);
    TResult result = RewriteKeepingBackup(path, descriptor, bytes);
    if (close(descriptor) != 0 && !result.Failed())
        result = Message(errno);
    return result;
}

// Whether the user may overwrite the existing file. A file with no write permission bit
// at all is treated as read-only even where the system would allow the write (root).
int OverwriteRefusal(const std::string& path, const struct stat& info)
{
    if (access(path.c_str(), W_OK) != 0)
        return errno;
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return EACCES;
    return 0;
}

void TakeModeAndOwner(int descriptor, const struct stat* old)
{
    if (old != nullptr) {
        fchmod(descriptor, old->st_mode & 07777);
        if (fchown(descriptor, old->st_uid, old->st_gid) != 0) {
            // Only the owner's own files may keep another owner; the mode is kept all the same.
        }
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(descriptor, 0666 & ~mask);  // as an ordinary new file, not mkstemp's 0600
    }
}

TResult ReplaceThroughTemporary(const std::string& target, std::string_view bytes, const struct stat* old)
{
    std::string temporary = TemporaryTemplate(target);
    const int descriptor = MakeLockedTemporary(temporary);
    if (descriptor < 0) {
        const int error = errno;
        // A writable file in a directory the user cannot write to is still the user's to change.
        if (old != nullptr && (error == EACCES || error == EPERM || error == EROFS))
            return WriteInPlace(target, bytes);
        return Message(error);
    }
    int error = WriteAll(descriptor, bytes);
    if (error == 0)
        error = Sync(descriptor);
    if (error == 0)
        TakeModeAndOwner(descriptor, old);
    // Renamed while still open, so that its lock covers it until it is the file itself.
    if (error == 0 && std::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (close(descriptor) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        unlink(temporary.c_str());
        return Message(error);
    }
    // A backup that a rewrite in place, cut short, left is no longer wanted.
    if (old != nullptr)
        if (const std::string backup = FoundBackup(target, *old); !backup.empty())
            RemoveBackup(backup);
    return TResult::Success();
}

}  // namespace

TResult WriteFileCarefully(const std::string& path, std::string_view bytes)
{
    if (path.empty())
        return Message(ENOENT);
    struct stat info {};
    const bool exists = stat(path.c_str(), &info) == 0;  // follows links to what they name
    if (exists && S_ISDIR(info.st_mode))
        return Message(EISDIR);
    if (exists && !S_ISREG(info.st_mode))
        return WriteStraight(path, bytes, true);
    std::string target;
    if (!ResolveLinks(path, target))
        return Message(errno);
    RemoveStaleTemporaries(TemporaryTemplate(target));
    if (exists) {
        if (const int refusal = OverwriteRefusal(target, info))
            return Message(refusal);
        if (info.st_nlink > 1)
            return WriteInPlace(target, bytes);
    }
    return ReplaceThroughTemporary(target, bytes, exists ? &info : nullptr);
}
