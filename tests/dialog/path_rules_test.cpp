// Path text rules: splitting, backslashes after double-byte characters,
// forbidden characters and share roots.
#include "dialog/path_rules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// 表 is 0x95 0x5C: its second byte is no backslash.
#define HYO "\x95\x5c"

TEST(PathRules, ValidChars) {
    struct { const char* path; int ok; } cases[] = {
        {"C:\\data\\out.xml", 1},
        {"C:\\data\\*.xml", 0},             // the default path must be replaced
        {"C:\\data\\\\out.xml", 0},         // doubled backslash
        {"\\\\C:\\x", 0},                   // colon after a network start
        {"C:\\a:b.xml", 0},                 // second colon
        {"C:\\a?.xml", 0}, {"C:\\a|.xml", 0}, {"C:\\a\".xml", 0}, {"C:\\a<.xml", 0},
        {"C:\\a>.xml", 0}, {"C:\\a,.xml", 0}, {"C:\\a;.xml", 0}, {"C:\\a/b.xml", 0},
        {"out.xml", 1},
        {"\\\\testsrv\\share\\out.xml", 1},
        {"\\\\testsrv\\\\share\\out.xml", 0},
        {"\\\\\\x", 1},                     // the third backslash starts no pair at byte 3
        {"C:\\" HYO "\\out.xml", 1},        // 表 followed by a backslash is no doubled backslash
        {"C:\\" HYO "\\\\out.xml", 0},
        {"C:\\\x83\x7c.xml", 1},            // ポ: a trail byte 0x7C is no bar
        {"", 1},
    };
    for (const auto& c : cases) EXPECT_EQ(c.ok, IsValidPathChars(c.path)) << c.path;
}

TEST(PathRules, Parts) {
    struct { const char* path; const char* folder; const char* name; const char* drive; const char* afterDrive; } cases[] = {
        {"C:\\data\\out.xml", "C:\\data\\", "out.xml", "C:", "\\data\\out.xml"},
        {"C:\\data\\", "C:\\data\\", "", "C:", "\\data\\"},
        {"C:out.xml", "", "C:out.xml", "C:", "out.xml"},
        {"out.xml", "", "out.xml", "", "out.xml"},
        {"C:\\" HYO "\\a.xml", "C:\\" HYO "\\", "a.xml", "C:", "\\" HYO "\\a.xml"},
        {"C:\\x" HYO, "C:\\", "x" HYO, "C:", "\\x" HYO},
        {"\\\\testsrv\\share\\o.xml", "\\\\testsrv\\share\\", "o.xml", "", "\\\\testsrv\\share\\o.xml"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(c.folder, GetFolderPart(c.path)) << c.path;
        EXPECT_STREQ(c.name, GetFileNamePart(c.path)) << c.path;
        EXPECT_STREQ(c.drive, GetDrivePart(c.path)) << c.path;
        EXPECT_STREQ(c.afterDrive, GetAfterDrivePart(c.path)) << c.path;
    }
}

TEST(PathRules, DbcsByte) {
    const char* text = "a" HYO "b";
    EXPECT_EQ(0, IsDbcsByte(text, 0));
    EXPECT_EQ(1, IsDbcsByte(text, 1));
    EXPECT_EQ(1, IsDbcsByte(text, 2));
    EXPECT_EQ(0, IsDbcsByte(text, 3));
    EXPECT_EQ(0, IsDbcsByte(text, 9));
    EXPECT_EQ(0, IsDbcsByte("\x95", 0));  // a lead byte without its trail byte
}

TEST(PathRules, AddBackslash) {
    struct { const char* in; int size; int ok; const char* out; } cases[] = {
        {"C:\\a", 261, 1, "C:\\a\\"},
        {"C:\\a\\", 261, 1, "C:\\a\\"},
        {"C:\\" HYO, 261, 1, "C:\\" HYO "\\"},
        {"", 261, 0, ""},
        {"abc", 4, 0, "abc"},      // no room for the backslash and the terminator
        {"abc", 5, 1, "abc\\"},
        {"ab\\", 4, 1, "ab\\"},    // already there: no room needed
    };
    for (const auto& c : cases) {
        char buf[300] = {};
        std::strcpy(buf, c.in);
        EXPECT_EQ(c.ok, AddBackslash(buf, c.size)) << c.in;
        EXPECT_STREQ(c.out, buf) << c.in;
    }
}

TEST(PathRules, ToFolderPath) {
    struct { const char* in; int ok; const char* out; } cases[] = {
        {"C:\\a\\b", 1, "C:\\a\\"},
        {"C:\\a\\b\\", 1, "C:\\a\\b\\"},
        {"C:", 1, "C:"},
        {"C:x.xml", 1, "C:\\"},
        {"x.xml", 0, "x.xml"},
        {"", 0, ""},
        {"C:\\" HYO "\\x.xml", 1, "C:\\" HYO "\\"},
        {"C:\\a\\" HYO, 1, "C:\\a\\"},   // 表's second byte ends no folder
        {"\\\\testsrv\\share\\o.xml", 1, "\\\\testsrv\\share\\"},
    };
    for (const auto& c : cases) {
        char buf[261] = {};
        std::strcpy(buf, c.in);
        EXPECT_EQ(c.ok, ToFolderPath(buf)) << c.in;
        EXPECT_STREQ(c.out, buf) << c.in;
    }
}

TEST(PathRules, ShareRootAndDriveIndex) {
    EXPECT_STREQ("\\\\testsrv\\share", GetShareRoot("\\\\testsrv\\share\\out.xml"));
    EXPECT_STREQ("", GetShareRoot("\\\\testsrv\\share"));
    EXPECT_STREQ("", GetShareRoot("\\\\testsrv"));
    EXPECT_STREQ("\\\\s\\" HYO, GetShareRoot("\\\\s\\" HYO "\\o.xml"));
    EXPECT_EQ(0, DriveIndex('A'));
    EXPECT_EQ(2, DriveIndex('c'));
    EXPECT_EQ(25, DriveIndex('Z'));
    EXPECT_EQ(-1, DriveIndex('\\'));
    EXPECT_EQ(-1, DriveIndex('1'));
    EXPECT_EQ(-1, DriveIndex((signed char)0x95));
    EXPECT_EQ(-1, DriveIndex('{'));
}

}  // namespace
