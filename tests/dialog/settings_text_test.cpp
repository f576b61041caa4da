// Settings lines: keys, finding a line, reading its value and the rewrite
// that moves the line to the end, byte for byte.
#include "dialog/settings_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(SettingsText, KeyAndLine) {
    EXPECT_EQ("USER1/1/3:", settings::MakeKey("USER1", 1, 3));
    EXPECT_EQ("U/-1/0:", settings::MakeKey("U", -1, 0));
    EXPECT_EQ("USER1/1/3:1/3/C:\\out\\kamoku.xml\n",
              settings::MakeLine("USER1/1/3:", 1, 3, "C:\\out\\kamoku.xml"));
    EXPECT_EQ("USER1/1/3:0/12/\n", settings::MakeLine("USER1/1/3:", 0, 12, ""));
    // A user ID of 64 bytes gives a key far over 50 bytes; it is kept whole,
    // so IDs that differ only at their end keep their own lines.
    std::string a(64, 'A'), b(63, 'A');
    b += 'B';
    EXPECT_NE(settings::MakeKey(a.c_str(), 2147483647L, -2147483647L - 1),
              settings::MakeKey(b.c_str(), 2147483647L, -2147483647L - 1));
    EXPECT_EQ(a + "/2147483647/-2147483648:", settings::MakeKey(a.c_str(), 2147483647L, -2147483647L - 1));
}

TEST(SettingsText, FindLine) {
    struct { const char* text; const char* key; bool found; size_t begin, end; } cases[] = {
        {"", "ADMIN/1/1:", false, 0, 0},
        {"ADMIN/1/1:0/3/a\n", "ADMIN/1/1:", true, 0, 16},
        {"SYSADMIN/1/1:0/3/a\n", "ADMIN/1/1:", false, 0, 0},        // tail of another key
        {"SYSADMIN/1/1:0/3/a\nADMIN/1/1:1/4/b\n", "ADMIN/1/1:", true, 19, 35},
        {"X/1/1:0/3/ADMIN/1/1:\n", "ADMIN/1/1:", false, 0, 0},      // inside a value
        {"A/1/1:0/3/a\nA/1/1:1/4/b\n", "A/1/1:", true, 0, 12},     // the first counts
        {"B/1/1:0/3/a\nA/1/1:1/4/b", "A/1/1:", true, 12, 23},      // no final line feed
        {"A/1/1", "A/1/1:", false, 0, 0},                          // cut short
    };
    for (const auto& c : cases) {
        size_t begin = 99, end = 99;
        EXPECT_EQ(c.found, settings::FindLine(c.text, c.key, &begin, &end)) << c.text;
        if (c.found) {
            EXPECT_EQ(c.begin, begin) << c.text;
            EXPECT_EQ(c.end, end) << c.text;
        }
    }
}

TEST(SettingsText, ParseValue) {
    struct { std::string value; bool ok; short tax, month; const char* path; } cases[] = {
        {"1/3/C:\\out\\kamoku.xml", true, 1, 3, "C:\\out\\kamoku.xml"},
        {"0/12/", true, 0, 12, ""},                       // launched run before any path
        {"0/2/\\\\s\\x/y.xml", true, 0, 2, "\\\\s\\x/y.xml"},  // a slash inside the path stays
        {"1/3", false, 0, 0, ""},                          // one slash only
        {"13", false, 0, 0, ""},
        {"x/y/p", true, 0, 0, "p"},
        {"1/3/" + std::string(260, 'p'), true, 1, 3, nullptr},
        {"1/3/" + std::string(261, 'p'), false, 0, 0, ""},  // would not fit the path buffer
    };
    for (const auto& c : cases) {
        short tax = -7, month = -7;
        char path[261];
        std::memset(path, 'Z', sizeof path);
        path[260] = '\0';
        bool ok = settings::ParseValue(c.value, &tax, &month, path, sizeof path);
        EXPECT_EQ(c.ok, ok) << c.value;
        if (ok) {
            EXPECT_EQ(c.tax, tax) << c.value;
            EXPECT_EQ(c.month, month) << c.value;
            EXPECT_EQ(c.path ? std::string(c.path) : c.value.substr(4), path) << c.value;
        } else {
            EXPECT_EQ(-7, tax);
            EXPECT_EQ(-7, month);
            EXPECT_EQ(std::string(260, 'Z'), path);
        }
    }
}

TEST(SettingsText, Rewrite) {
    const std::string line = "USER1/1/3:0/2/C:\\out\\c.xml\n";
    struct { const char* before; const char* after; } cases[] = {
        {"", "USER1/1/3:0/2/C:\\out\\c.xml\n"},
        {"USER1/1/3:1/3/C:\\out\\a.xml\nUSER1/1/5:0/12/D:\\tax\\b.xml\n",
         "USER1/1/5:0/12/D:\\tax\\b.xml\nUSER1/1/3:0/2/C:\\out\\c.xml\n"},
        {"USER1/1/5:0/12/D:\\tax\\b.xml\n",
         "USER1/1/5:0/12/D:\\tax\\b.xml\nUSER1/1/3:0/2/C:\\out\\c.xml\n"},
        // hand-written last line without a line feed: replaced, the rest kept
        {"A/1/1:0/1/a\nUSER1/1/3:1/3/x", "A/1/1:0/1/a\nUSER1/1/3:0/2/C:\\out\\c.xml\n"},
        // another user's last line without a line feed keeps its own line
        {"A/1/1:0/1/a", "A/1/1:0/1/a\nUSER1/1/3:0/2/C:\\out\\c.xml\n"},
        {"SYSUSER1/1/3:1/1/s\n", "SYSUSER1/1/3:1/1/s\nUSER1/1/3:0/2/C:\\out\\c.xml\n"},
        // only the first of two lines of the key goes
        {"USER1/1/3:1/1/p\nB/1/1:0/1/b\nUSER1/1/3:1/2/q\n",
         "B/1/1:0/1/b\nUSER1/1/3:1/2/q\nUSER1/1/3:0/2/C:\\out\\c.xml\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.after, settings::Rewrite(c.before, "USER1/1/3:", line)) << c.before;
}

TEST(SettingsText, LongLinesAndTextsSurvive) {
    // Lines and files beyond the old fixed buffers are moved whole.
    std::string other = "B/1/1:0/1/" + std::string(3000, 'q') + "\n";
    std::string text;
    for (int i = 0; i < 20; ++i) text += other;  // ~60 KB
    std::string out = settings::Rewrite(text + "A/1/1:1/1/x\n", "A/1/1:", "A/1/1:0/2/y\n");
    EXPECT_EQ(text + "A/1/1:0/2/y\n", out);
}

}  // namespace
