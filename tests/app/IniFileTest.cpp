// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/IniFile.h"
#include "app/SettingsText.h"
#include "support/SolidDump.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace {

std::string Scratch(const std::string& name)
{
    const std::string directory = ::testing::TempDir() + "zenkari-ini/";
    mkdir(directory.c_str(), 0755);
    const std::string path = directory + name;
    std::remove(path.c_str());
    return path;
}

void Write(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

TEST(IniFile, ChangingOneKeyKeepsEverythingElseByteForByte)
{
    const std::string path = Scratch("hand.ini");
    const std::string before = "; written by hand\r\n[Setting]\r\nLineWeight1=2\r\n# note\r\nZoomMode=1\r\n\r\n"
                               "[Mine]\r\nAnything=at all\r\n[Color]\r\nBGColor=00FFFFFF\r\n";
    Write(path, before);
    TIniFile ini(path);
    ASSERT_FALSE(ini.WriteInteger("setting", "zoommode", 3).Failed());  // names compare without case
    std::string expected = before;
    expected.replace(expected.find("ZoomMode=1"), 10, "ZoomMode=3");  // the file's spelling stays
    EXPECT_EQ(ReadWholeFile(path), expected);
    EXPECT_EQ(ini.ReadInteger("Setting", "ZoomMode", -1), 3);

    ASSERT_FALSE(ini.WriteString("Setting", "DirName", "/home/user/VRML files").Failed());
    EXPECT_EQ(ini.ReadString("SETTING", "dirname", ""), "/home/user/VRML files");
    EXPECT_NE(ReadWholeFile(path).find("ZoomMode=3\r\nDirName=/home/user/VRML files\r\n"), std::string::npos);
    ASSERT_FALSE(ini.WriteString("PolygonColor5", "ColorsSetName", "レインボー[2]").Failed());
    EXPECT_EQ(ini.ReadString("PolygonColor5", "ColorsSetName", ""), "レインボー[2]");
    EXPECT_EQ(ini.ReadString("Mine", "Anything", ""), "at all");
}

TEST(IniFile, SeveralKeysInOneWrite)
{
    const std::string path = Scratch("batch.ini");
    Write(path, "[A]\nx=1\n; end of A\n[B]\ny=2\n");
    TIniFile ini(path);
    ASSERT_FALSE(ini.WriteValues({{"A", "x", "5"},
                                  {"A", "n", "new"},
                                  {"C", "z", "3"},
                                  {"A", "n", "newer"},
                                  {"B", "w", "4"},
                                  {"C", "q", "6"}})
                     .Failed());
    EXPECT_EQ(ReadWholeFile(path), "[A]\nx=5\nn=newer\n; end of A\n[B]\ny=2\nw=4\n[C]\nz=3\nq=6\n");
    const std::string before = ReadWholeFile(path);
    ASSERT_FALSE(ini.WriteValues({{"a", "X", "5"}}).Failed());  // nothing changes: nothing is written
    EXPECT_EQ(ReadWholeFile(path), before);
}

TEST(IniFile, EraseSectionAndDefaults)
{
    const std::string path = Scratch("erase.ini");
    Write(path, "[A]\nx=1\n[B]\ny=2\nz=3\n[C]\nw=4\n");
    TIniFile ini(path);
    ASSERT_FALSE(ini.EraseSection("b").Failed());
    EXPECT_EQ(ReadWholeFile(path), "[A]\nx=1\n[C]\nw=4\n");
    EXPECT_EQ(ini.ReadString("B", "y", "none"), "none");
    ASSERT_FALSE(ini.WriteInteger("D", "v", -1).Failed());
    EXPECT_EQ(ReadWholeFile(path), "[A]\nx=1\n[C]\nw=4\n[D]\nv=-1\n");  // the file's own line ends

    TIniFile missing(Scratch("missing.ini"));
    EXPECT_EQ(missing.ReadInteger("A", "x", 7), 7);
    EXPECT_EQ(missing.ReadString("A", "x", "d"), "d");
}

TEST(IniFile, DamagedFilesReadAsDefaults)
{
    const std::string path = Scratch("junk.ini");
    std::string junk = "[Setting\nno equals sign\n=empty key\nLineWeight1=twelve\nLineWeight1=5\n[Setting]\n"
                       "ZoomMode= 4 \n\xff\xfe\x00garbage\n";
    junk.append(3 * 1024 * 1024, 'x');
    Write(path, junk);
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("Setting", "LineWeight1", 2), 2);  // the first of duplicates, not a number
    EXPECT_EQ(ini.ReadInteger("Setting", "ZoomMode", 1), 4);
    EXPECT_EQ(ini.ReadInteger("Setting", "English", 0), 0);
    ASSERT_FALSE(ini.WriteInteger("Setting", "English", -1).Failed());
    EXPECT_EQ(ini.ReadInteger("Setting", "English", 0), -1);
    EXPECT_GT(ReadWholeFile(path).size(), 3u * 1024 * 1024);  // the junk is kept

    if (geteuid() != 0) {  // root writes anywhere
        const std::string locked = ::testing::TempDir() + "zenkari-ini-locked";
        mkdir(locked.c_str(), 0755);
        TIniFile readOnly(locked + "/Polyhedron.ini");
        chmod(locked.c_str(), 0555);
        EXPECT_EQ(readOnly.WriteInteger("Setting", "ZoomMode", 2).Error, "Permission denied");
        chmod(locked.c_str(), 0755);
    }
    TIniFile nowhere("/nonexistent-directory/Polyhedron.ini");
    EXPECT_EQ(nowhere.WriteInteger("Setting", "ZoomMode", 2).Error, "No such file or directory");
}

TEST(SettingsText, ColourFlagAndShortNameForms)
{
    EXPECT_EQ(ColourIniText(MakeColour(255, 0, 0)), "000000FF");
    EXPECT_EQ(ColourIniText(MakeColour(0, 0, 255)), "00FF0000");
    EXPECT_EQ(ParseIniColour("xyz"), std::nullopt);
    EXPECT_EQ(ParseIniColour(""), std::nullopt);
    EXPECT_EQ(ParseIniColour("123456789"), std::nullopt);
    EXPECT_EQ(ParseIniColour("00C0C0C0"), MakeColour(192, 192, 192));
    EXPECT_EQ(ParseIniColour("ff"), MakeColour(255, 0, 0));

    EXPECT_TRUE(ParseIniFlag(-1, false));
    EXPECT_FALSE(ParseIniFlag(0, true));
    EXPECT_FALSE(ParseIniFlag(1, false));
    EXPECT_TRUE(ParseIniFlag(5, true));

    EXPECT_EQ(SchemeShortName("あいうえお"), "あいうえ..");
    EXPECT_EQ(SchemeShortName("あいうえ"), "あいうえ");
    EXPECT_EQ(SchemeShortName("abcdefgh"), "abcdefgh");
    EXPECT_EQ(SchemeShortName("abcdefghi"), "abcdefgh..");
    EXPECT_EQ(SchemeShortName("aあいうえ"), "aあいう..");  // the 8th byte would split え
    EXPECT_EQ(SchemeShortName("ｱｲｳｴｵｶｷｸ"), "ｱｲｳｴｵｶｷｸ");    // half-width katakana: one byte each
}

TEST(SettingsText, ShortNameOfABrokenCharacterReadsOnlyTheName)
{
    // A name from a damaged settings file may end inside a character: what is there is
    // shown, and nothing past the end is read. Longer than 15 bytes, so that the string
    // lives on the heap, where reading past it is caught.
    for (const char* tail : {"\xE3", "\xE3\x81", "\xC3", "\xF0", "\xF0\x9F\x98"}) {
        const std::string joined = std::string("ｱｲｳｴｵ") + tail;
        const std::string name(joined.data(), joined.size());  // a buffer of exactly its size
        EXPECT_EQ(SchemeShortName(name), name) << std::string(tail).size();
    }
    // Inside a name, a broken character ends at the first byte that cannot continue it and
    // counts as one double-byte character; the letters after it stay letters.
    EXPECT_EQ(SchemeShortName("ｱｲｳｴｵ\xE3xyz"), "ｱｲｳｴｵ\xE3x..");
    EXPECT_EQ(SchemeShortName("ｱｲｳｴｵ\xE3\x81xyz"), "ｱｲｳｴｵ\xE3\x81x..");
    EXPECT_EQ(SchemeShortName("\xF0\x9Fghijklm"), "\xF0\x9Fghijkl..");
    EXPECT_EQ(SchemeShortName("\xC3ghijklm"), "\xC3ghijkl..");
    EXPECT_EQ(SchemeShortName("ab\x80ghijkl"), "ab\x80ghij..");  // a stray continuation byte
}

TEST(IniFile, EachLineKeepsItsOwnLineEnd)
{
    const std::string path = Scratch("mixed.ini");
    const std::string before = "[Setting]\r\nA=1\nB=2\r\n; unix comment\n[Color]\nBGColor=00FFFFFF";
    Write(path, before);
    TIniFile ini(path);
    ASSERT_FALSE(ini.WriteString("Setting", "B", "3").Failed());
    std::string expected = before;
    expected.replace(expected.find("B=2"), 3, "B=3");
    EXPECT_EQ(ReadWholeFile(path), expected);
    // Added lines take the first line's end; a last line without one gets one only when
    // lines follow it.
    ASSERT_FALSE(ini.WriteString("Color", "MonoColor1", "000000FF").Failed());
    EXPECT_EQ(ReadWholeFile(path), expected + "\r\nMonoColor1=000000FF\r\n");
}

TEST(IniFile, WrittenThroughASymbolicLink)
{
    const std::string path = Scratch("target.ini");
    const std::string link = Scratch("Polyhedron-link.ini");
    Write(path, "[Setting]\nZoomMode=1\n");
    ASSERT_EQ(symlink(path.c_str(), link.c_str()), 0);
    TIniFile ini(link);
    ASSERT_FALSE(ini.WriteInteger("Setting", "ZoomMode", 4).Failed());
    struct stat info {};
    ASSERT_EQ(lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(ReadWholeFile(path), "[Setting]\nZoomMode=4\n");
}

TEST(SettingsText, PrintHeightReadsBackAndOnlyAHeightInRangeIsTaken)
{
    for (const double height : {1.0, 60.0, 72.5, 0.1 + 99.9, 10000.0})
        EXPECT_EQ(ParsePrintHeight(PrintHeightIniText(height)), height) << PrintHeightIniText(height);
    EXPECT_EQ(PrintHeightIniText(60.0), "60");
    EXPECT_EQ(PrintHeightIniText(72.5), "72.5");
    for (const char* text : {"", "abc", "60mm", " 60", "+60", "60 ", "0.5", "10000.5", "-60", "nan", "inf", "1e9"})
        EXPECT_EQ(ParsePrintHeight(text), std::nullopt) << text;
    EXPECT_EQ(ParsePrintHeight("1e3"), 1000.0);
}
