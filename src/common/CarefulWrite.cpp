#include "common/CarefulWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

namespace {

constexpr int MaxLinkDepth = 40;  // as the kernel's own limit on nested links

std::string Message(int error)
{
    return std::strerror(error != 0 ? error : EIO);
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

// Every byte written, through short writes and interruptions; 0 or the error.
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
        path = !link.empty() && link.front() == '/' ? link : DirectoryOf(path) + "/" + link;
    }
    errno = ELOOP;
    return false;
}

// A device, a FIFO, a terminal: opened as it is and written, never replaced.
std::string WriteStraight(const std::string& path, std::string_view bytes, bool truncate)
{
    const int descriptor = open(path.c_str(), O_WRONLY | O_CLOEXEC | (truncate ? O_TRUNC : 0));
    if (descriptor < 0)
        return Message(errno);
    int error = WriteAll(descriptor, bytes);
    if (close(descriptor) != 0 && error == 0)
        error = errno;
    return error == 0 ? "" : Message(error);
}

// The regular file rewritten where it stands: its inode, and so every hard link of it,
// gets the new contents.
std::string WriteInPlace(const std::string& path, std::string_view bytes)
{
    const int descriptor = open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (descriptor < 0)
        return Message(errno);
    int error = WriteAll(descriptor, bytes);
    if (error == 0 && ftruncate(descriptor, static_cast<off_t>(bytes.size())) != 0)
        error = errno;
    if (error == 0 && fsync(descriptor) != 0 && errno != EINVAL)
        error = errno;
    if (close(descriptor) != 0 && error == 0)
        error = errno;
    return error == 0 ? "" : Message(error);
}

// ".name.XXXXXX" beside the target, the name cut (at a character boundary) where the
// whole would pass the file system's limit.
std::string TemporaryTemplate(const std::string& target)
{
    const std::string directory = DirectoryOf(target);
    std::string base = BaseNameOf(target);
    long limit = pathconf(directory.c_str(), _PC_NAME_MAX);
    if (limit <= 0)
        limit = NAME_MAX;
    const std::size_t room = static_cast<std::size_t>(limit) - 8;  // "." and ".XXXXXX"
    if (base.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && (static_cast<unsigned char>(base[cut]) & 0xC0) == 0x80)
            --cut;  // never half a UTF-8 character
        base.resize(cut);
    }
    return (directory == "/" ? "" : directory) + "/." + base + ".XXXXXX";
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

std::string ReplaceThroughTemporary(const std::string& target, std::string_view bytes, const struct stat* old)
{
    std::string temporary = TemporaryTemplate(target);
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0) {
        const int error = errno;
        // A writable file in a directory the user cannot write to is still the user's to change.
        if (old != nullptr && (error == EACCES || error == EPERM || error == EROFS))
            return WriteInPlace(target, bytes);
        return Message(error);
    }
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
    int error = WriteAll(descriptor, bytes);
    if (error == 0 && fsync(descriptor) != 0 && errno != EINVAL)
        error = errno;
    if (close(descriptor) != 0 && error == 0)
        error = errno;
    if (error == 0 && std::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        unlink(temporary.c_str());
        return Message(error);
    }
    return "";
}

}  // namespace

std::string WriteFileCarefully(const std::string& path, std::string_view bytes)
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
    if (exists) {
        if (const int refusal = OverwriteRefusal(target, info))
            return Message(refusal);
        if (info.st_nlink > 1)
            return WriteInPlace(target, bytes);
    }
    return ReplaceThroughTemporary(target, bytes, exists ? &info : nullptr);
}
