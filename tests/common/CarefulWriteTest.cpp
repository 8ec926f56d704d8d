// Files written into what the user named: links followed, devices and FIFOs written
// into, modes kept, read-only files left alone, long names within the limit.

#include "common/CarefulWrite.h"
#include "support/RunProgram.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

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
    EXPECT_EQ(WriteFileCarefully(directory + "link.ini", "new"), "");
    EXPECT_TRUE(S_ISLNK(LinkInfo(directory + "link.ini").st_mode));
    EXPECT_EQ(Contents(directory + "real.ini"), "new");

    // A dangling link makes the file it names.
    ASSERT_EQ(symlink(("sub/../" + std::string("made.wrl")).c_str(), (directory + "dangling.wrl").c_str()), 0);
    mkdir((directory + "sub").c_str(), 0755);
    EXPECT_EQ(WriteFileCarefully(directory + "dangling.wrl", "made"), "");
    EXPECT_TRUE(S_ISLNK(LinkInfo(directory + "dangling.wrl").st_mode));
    EXPECT_EQ(Contents(directory + "made.wrl"), "made");

    // Every name of a hard-linked file sees the new contents.
    Put(directory + "one.wrl", "old contents");
    ASSERT_EQ(link((directory + "one.wrl").c_str(), (directory + "two.wrl").c_str()), 0);
    EXPECT_EQ(WriteFileCarefully(directory + "one.wrl", "new"), "");
    EXPECT_EQ(Contents(directory + "two.wrl"), "new");
    EXPECT_EQ(LinkInfo(directory + "one.wrl").st_ino, LinkInfo(directory + "two.wrl").st_ino);
}

TEST(CarefulWrite, ModesAreKeptAndReadOnlyFilesRefused)
{
    const std::string directory = ScratchDirectory();
    const std::string secret = directory + "secret.wrl";
    Put(secret, "old");
    chmod(secret.c_str(), 0600);
    EXPECT_EQ(WriteFileCarefully(secret, "new"), "");
    EXPECT_EQ(LinkInfo(secret).st_mode & 07777, 0600u);
    EXPECT_EQ(Contents(secret), "new");

    const std::string locked = directory + "locked.wrl";
    Put(locked, "keep me");
    chmod(locked.c_str(), 0444);
    EXPECT_EQ(WriteFileCarefully(locked, "lost"), "Permission denied");
    EXPECT_EQ(Contents(locked), "keep me");
    EXPECT_EQ(LinkInfo(locked).st_mode & 07777, 0444u);

    const mode_t mask = umask(022);
    EXPECT_EQ(WriteFileCarefully(directory + "fresh.wrl", "x"), "");
    umask(mask);
    EXPECT_EQ(LinkInfo(directory + "fresh.wrl").st_mode & 07777, 0644u);

    EXPECT_EQ(WriteFileCarefully(directory, "x"), "Is a directory");
    EXPECT_EQ(WriteFileCarefully(directory + "no/such/dir/x.wrl", "x"), "No such file or directory");
}

TEST(CarefulWrite, FifosAndDevicesAreWrittenIntoNotReplaced)
{
    const std::string directory = ScratchDirectory();
    const std::string fifo = directory + "pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    std::string received;
    std::thread reader([&] { received = Contents(fifo); });
    EXPECT_EQ(WriteFileCarefully(fifo, "through the pipe"), "");
    reader.join();
    EXPECT_EQ(received, "through the pipe");
    EXPECT_TRUE(S_ISFIFO(LinkInfo(fifo).st_mode));

    // A node of the null device in our own directory, as "-o ./null" would name it.
    const std::string null = directory + "null";
    if (mknod(null.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "making a device node needs root; the FIFO case above ran";
    EXPECT_EQ(WriteFileCarefully(null, std::string(13701, 'x')), "");
    EXPECT_TRUE(S_ISCHR(LinkInfo(null).st_mode));
}

TEST(CarefulWrite, LongNamesStayWithinTheLimit)
{
    const std::string directory = ScratchDirectory();
    for (const std::size_t length : {249u, 255u}) {
        std::string name(length - 4, 'n');
        name += ".wrl";
        EXPECT_EQ(WriteFileCarefully(directory + name, "long"), "") << length;
        EXPECT_EQ(Contents(directory + name), "long");
    }
    std::string japanese;
    while (japanese.size() + 3 <= 250)
        japanese += "多";  // three bytes each: the temporary name is never cut inside one
    EXPECT_EQ(WriteFileCarefully(directory + japanese, "long"), "");
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
    EXPECT_EQ(WriteFileCarefully(directory + "Polyhedron.ini", "new"), "");
    EXPECT_EQ(Contents(directory + "Polyhedron.ini"), "new");
    EXPECT_NE(WriteFileCarefully(directory + "other.ini", "x"), "");
    chmod(directory.c_str(), 0755);
}
