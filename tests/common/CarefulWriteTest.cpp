// SPDX-License-Identifier: GPL-3.0-or-later
// Files written into what the user named: links followed, devices and FIFOs written
// into, modes kept, read-only files left alone, long names within the limit; what a write
// cut short by a full disk or a kill leaves behind.

#include "common/CarefulWrite.h"
#include "support/RunProgram.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

std::string Contents(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void Put(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

struct stat LinkInfo(const std::string& path)
{
    struct stat info {};
    lstat(path.c_str(), &info);
    return info;
}

}  // namespace

TEST(CarefulWrite, LinksAreFollowedAndKept)
{
    const std::string directory = ScratchDirectory();
    Put(directory + "real.ini", "old");
    ASSERT_EQ(symlink("real.ini", (directory + "link.ini").c_str()), 0);
    EXPECT_EQ(WriteFileCarefully(directory + "link.ini", "new").Error, "");
    EXPECT_TRUE(S_ISLNK(LinkInfo(directory + "link.ini").st_mode));
    EXPECT_EQ(Contents(directory + "real.ini"), "new");

    // A dangling link makes the file it names.
    ASSERT_EQ(symlink(("sub/../" + std::string("made.wrl")).c_str(), (directory + "dangling.wrl").c_str()), 0);
    mkdir((directory + "sub").c_str(), 0755);
    EXPECT_EQ(WriteFileCarefully(directory + "dangling.wrl", "made").Error, "");
    EXPECT_TRUE(S_ISLNK(LinkInfo(directory + "dangling.wrl").st_mode));
    EXPECT_EQ(Contents(directory + "made.wrl"), "made");

    // Every name of a hard-linked file sees the new contents.
    Put(directory + "one.wrl", "old contents");
    ASSERT_EQ(link((directory + "one.wrl").c_str(), (directory + "two.wrl").c_str()), 0);
    EXPECT_EQ(WriteFileCarefully(directory + "one.wrl", "new").Error, "");
    EXPECT_EQ(Contents(directory + "two.wrl"), "new");
    EXPECT_EQ(LinkInfo(directory + "one.wrl").st_ino, LinkInfo(directory + "two.wrl").st_ino);
}

TEST(CarefulWrite, ModesAreKeptAndReadOnlyFilesRefused)
{
    const std::string directory = ScratchDirectory();
    const std::string secret = directory + "secret.wrl";
    Put(secret, "old");
    chmod(secret.c_str(), 0600);
    EXPECT_EQ(WriteFileCarefully(secret, "new").Error, "");
    EXPECT_EQ(LinkInfo(secret).st_mode & 07777, 0600u);
    EXPECT_EQ(Contents(secret), "new");

    const std::string locked = directory + "locked.wrl";
    Put(locked, "keep me");
    chmod(locked.c_str(), 0444);
    EXPECT_EQ(WriteFileCarefully(locked, "lost").Error, "Permission denied");
    EXPECT_EQ(Contents(locked), "keep me");
    EXPECT_EQ(LinkInfo(locked).st_mode & 07777, 0444u);

    const mode_t mask = umask(022);
    EXPECT_EQ(WriteFileCarefully(directory + "fresh.wrl", "x").Error, "");
    umask(mask);
    EXPECT_EQ(LinkInfo(directory + "fresh.wrl").st_mode & 07777, 0644u);

    EXPECT_EQ(WriteFileCarefully(directory, "x").Error, "Is a directory");
    EXPECT_EQ(WriteFileCarefully(directory + "no/such/dir/x.wrl", "x").Error, "No such file or directory");
}

TEST(CarefulWrite, FifosAndDevicesAreWrittenIntoNotReplaced)
{
    const std::string directory = ScratchDirectory();
    const std::string fifo = directory + "pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    std::string received;
    std::thread reader([&] { received = Contents(fifo); });
    EXPECT_EQ(WriteFileCarefully(fifo, "through the pipe").Error, "");
    reader.join();
    EXPECT_EQ(received, "through the pipe");
    EXPECT_TRUE(S_ISFIFO(LinkInfo(fifo).st_mode));

    // A node of the null device in our own directory, as "-o ./null" would name it.
    const std::string null = directory + "null";
    if (mknod(null.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "making a device node needs root; the FIFO case above ran";
    EXPECT_EQ(WriteFileCarefully(null, std::string(13701, 'x')).Error, "");
    EXPECT_TRUE(S_ISCHR(LinkInfo(null).st_mode));
}

TEST(CarefulWrite, LongNamesStayWithinTheLimit)
{
    const std::string directory = ScratchDirectory();
    for (const std::size_t length : {249u, 255u}) {
        std::string name(length - 4, 'n');
        name += ".wrl";
        EXPECT_EQ(WriteFileCarefully(directory + name, "long").Error, "") << length;
        EXPECT_EQ(Contents(directory + name), "long");
    }
    std::string japanese;
    while (japanese.size() + 3 <= 250)
        japanese += "多";  // three bytes each: the temporary name is never cut inside one
    EXPECT_EQ(WriteFileCarefully(directory + japanese, "long").Error, "");
    EXPECT_EQ(Contents(directory + japanese), "long");
}

TEST(CarefulWrite, WritableFileInAReadOnlyDirectoryIsWrittenInPlace)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into any directory; this case needs an ordinary user";
    const std::string directory = ScratchDirectory() + "closed/";
    mkdir(directory.c_str(), 0755);
    Put(directory + "Polyhedron.ini", "old");
    chmod(directory.c_str(), 0555);
    EXPECT_EQ(WriteFileCarefully(directory + "Polyhedron.ini", "new").Error, "");
    EXPECT_EQ(Contents(directory + "Polyhedron.ini"), "new");
    EXPECT_NE(WriteFileCarefully(directory + "other.ini", "x").Error, "");
    chmod(directory.c_str(), 0755);
}

namespace {

struct TLimitedWrite {
    bool Killed = false;  // the child died in the middle of the write
    std::string Message;  // what WriteFileCarefully said, when it returned
};

// WriteFileCarefully in a child process whose files may grow to at most limit bytes. With
// SIGXFSZ ignored, the write that passes the limit fails (EFBIG) as on a full disk;
// otherwise the signal kills the child right there, as a kill or a crash mid-write would.
TLimitedWrite WriteWithSizeLimit(const std::string& path, const std::string& bytes, rlim_t limit, bool killed)
{
    int channel[2];
    if (pipe(channel) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        signal(SIGXFSZ, killed ? SIG_DFL : SIG_IGN);
        const rlimit size{limit, limit};
        setrlimit(RLIMIT_FSIZE, &size);
        const std::string message = WriteFileCarefully(path, bytes).Error;
        const ssize_t sent = write(channel[1], message.data(), message.size());
        _exit(sent == static_cast<ssize_t>(message.size()) ? 0 : 1);
    }
    close(channel[1]);
    TLimitedWrite result;
    char buffer[256];
    for (ssize_t got = 0; (got = read(channel[0], buffer, sizeof buffer)) > 0;)
        result.Message.append(buffer, static_cast<std::size_t>(got));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    result.Killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ;
    return result;
}

std::vector<std::string> Entries(const std::string& directory)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(CarefulWrite, AnInPlaceRewriteThatFailsPutsTheOldContentsBack)
{
    const std::string directory = ScratchDirectory();
    const std::string old(300, 'o');
    Put(directory + "one.ini", old);
    ASSERT_EQ(link((directory + "one.ini").c_str(), (directory + "two.ini").c_str()), 0);
    const TLimitedWrite full = WriteWithSizeLimit(directory + "one.ini", std::string(20000, 'n'), 1024, false);
    EXPECT_FALSE(full.Killed);
    EXPECT_EQ(full.Message, "File too large");
    EXPECT_EQ(Contents(directory + "two.ini"), old);
    EXPECT_EQ(Entries(directory), (std::vector<std::string>{"one.ini", "two.ini"}));  // no copy, no temporary left
}

TEST(CarefulWrite, AnInPlaceRewriteCutShortLeavesTheOldContentsBesideTheFile)
{
    const std::string directory = ScratchDirectory();
    const std::string old = "[Setting]\nZoomMode=1\n" + std::string(300, 'o');
    Put(directory + "one.ini", old);
    ASSERT_EQ(link((directory + "one.ini").c_str(), (directory + "two.ini").c_str()), 0);
    const std::string backup = directory + ".one.ini.zenkari-backup";
    EXPECT_TRUE(WriteWithSizeLimit(directory + "one.ini", std::string(20000, 'n'), 1024, true).Killed);
    EXPECT_EQ(Contents(directory + "one.ini").size(), 1024u);  // half written
    EXPECT_EQ(Contents(backup), old);
    // A second rewrite cut short finds the copy and keeps it: the file is no longer what it was.
    EXPECT_TRUE(WriteWithSizeLimit(directory + "one.ini", std::string(20000, 'm'), 512, true).Killed);
    EXPECT_EQ(Contents(backup), old);
    // A rewrite that fails puts the last complete contents back and removes the copy.
    EXPECT_EQ(WriteWithSizeLimit(directory + "one.ini", std::string(20000, 'f'), 1024, false).Message,
              "File too large");
    EXPECT_EQ(Contents(directory + "two.ini"), old);
    EXPECT_FALSE(std::filesystem::exists(backup));

    EXPECT_TRUE(WriteWithSizeLimit(directory + "two.ini", std::string(20000, 'n'), 1024, true).Killed);
    EXPECT_EQ(Contents(directory + ".two.ini.zenkari-backup"), old);
    EXPECT_EQ(WriteFileCarefully(directory + "two.ini", "new").Error, "");  // the next write finishes and tidies up
    EXPECT_EQ(Contents(directory + "one.ini"), "new");
    EXPECT_EQ(Entries(directory), (std::vector<std::string>{"one.ini", "two.ini"}));
}

TEST(CarefulWrite, InAReadOnlyDirectoryTheOldContentsWaitInTheTemporaryDirectory)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into any directory; this case needs an ordinary user";
    const std::string directory = ScratchDirectory();
    const std::string closed = directory + "closed/";
    const std::string temporary = directory + "tmp";
    mkdir(closed.c_str(), 0755);
    mkdir(temporary.c_str(), 0755);
    Put(closed + "Polyhedron.ini", "old");
    chmod(closed.c_str(), 0555);
    const std::string saved = getenv("TMPDIR") != nullptr ? getenv("TMPDIR") : "";
    setenv("TMPDIR", temporary.c_str(), 1);
    const struct stat info = LinkInfo(closed + "Polyhedron.ini");
    EXPECT_TRUE(WriteWithSizeLimit(closed + "Polyhedron.ini", std::string(20000, 'n'), 1024, true).Killed);
    const std::string backup = temporary + "/zenkari-backup-" + std::to_string(geteuid()) + "-"
                               + std::to_string(info.st_dev) + "-" + std::to_string(info.st_ino) + "-Polyhedron.ini";
    EXPECT_EQ(Contents(backup), "old");
    EXPECT_EQ(WriteFileCarefully(closed + "Polyhedron.ini", "new").Error, "");
    EXPECT_EQ(Contents(closed + "Polyhedron.ini"), "new");
    EXPECT_TRUE(Entries(temporary).empty());
    if (saved.empty())
        unsetenv("TMPDIR");
    else
        setenv("TMPDIR", saved.c_str(), 1);
    chmod(closed.c_str(), 0755);
}

TEST(CarefulWrite, OurStaleTemporariesGoAtTheNextWriteAndNothingElse)
{
    const std::string directory = ScratchDirectory();
    const std::string path = directory + "shown.wrl";
    EXPECT_TRUE(WriteWithSizeLimit(path, std::string(20000, 'n'), 1024, true).Killed);
    std::vector<std::string> left = Entries(directory);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].rfind(".shown.wrl.", 0), 0u);
    // What must stay, each in the mode of a temporary being written unless said: one being
    // written right now (locked), names not exactly of the form, what is not a regular
    // file, a file of another user, and a file of the user's own that has such a name.
    const std::string live = directory + ".shown.wrl.Live01";
    Put(live, "being written");
    const int liveLock = open(live.c_str(), O_RDONLY);
    ASSERT_EQ(flock(liveLock, LOCK_EX), 0);
    std::vector<std::string> kept = {".shown.wrl.Live01", ".shown.wrl.abc12",  ".shown.wrl.abc1234",
                                     ".other.wrl.abc123", ".shown.wrl.ab-123", "shown.wrl.abc123"};
    for (std::size_t i = 1; i < kept.size(); ++i)
        Put(directory + kept[i], "not ours");
    Put(directory + ".shown.wrl.Oth123", "another user's");
    if (geteuid() == 0 && chown((directory + ".shown.wrl.Oth123").c_str(), 12345, 12345) == 0)
        kept.push_back(".shown.wrl.Oth123");
    else
        std::remove((directory + ".shown.wrl.Oth123").c_str());
    for (const std::string& name : kept)
        chmod((directory + name).c_str(), 01600);
    Put(directory + ".shown.wrl.backup", "the user's own copy");
    mkdir((directory + ".shown.wrl.Dir123").c_str(), 0755);
    ASSERT_EQ(symlink("elsewhere", (directory + ".shown.wrl.Lnk123").c_str()), 0);
    kept.insert(kept.end(), {".shown.wrl.backup", ".shown.wrl.Dir123", ".shown.wrl.Lnk123"});

    EXPECT_EQ(WriteFileCarefully(path, "new").Error, "");
    EXPECT_EQ(Contents(path), "new");
    kept.push_back("shown.wrl");
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(Entries(directory), kept);
    close(liveLock);
}
