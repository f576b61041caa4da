// Shift-JIS byte rules: a trail byte is never a character of its own.
#include "fw/sjis.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(Sjis, LiteralsAreShiftJis) {
    // 表 is 0x95 0x5C: the trail byte is the backslash value.
    EXPECT_STREQ("表", "\x95\x5C");
    EXPECT_STREQ("～", "\x81\x60");
}

TEST(Sjis, TrailAndBackslash) {
    struct Case { const char* text; size_t index; bool trail; bool endsWithBackslash; };
    const Case cases[] = {
        {"C:\\表", 4, true, false},
        {"C:\\表\\", 5, false, true},
        {"C:\\", 2, false, true},
        {"\\", 0, false, true},
        {"ab", 1, false, false},
        {"\x81", 0, false, false},          // lone lead byte at the end
        {"ｱ\\", 1, false, true},            // half-width katakana is single-byte
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sjis::IsTrailAt(c.text, c.index), c.trail) << c.text;
        EXPECT_EQ(sjis::EndsWithBackslash(c.text), c.endsWithBackslash) << c.text;
    }
}

TEST(Sjis, CopyBoundedNeverSplitsACharacter) {
    struct Case { const char* src; size_t n; const char* want; };
    const Case cases[] = {
        {"abcdef", 4, "abcd"},
        {"あいう", 4, "あい"},
        {"aあいう", 4, "aあ"},   // the second double-byte character would not fit
        {"", 4, ""},
        {"ab", 16, "ab"},
    };
    for (const Case& c : cases) {
        char buf[32];
        std::memset(buf, 'X', sizeof buf);
        size_t n = sjis::CopyBounded(buf, c.src, c.n);
        EXPECT_STREQ(buf, c.want);
        EXPECT_EQ(n, std::strlen(c.want));
    }
}

TEST(Sjis, FindSkipsTrailBytes) {
    EXPECT_EQ(sjis::FindChar("表\\a", '\\'), 2);
    EXPECT_EQ(sjis::FindLastChar("a\\表", '\\'), 1);
    EXPECT_EQ(sjis::FindLastChar("表", '\\'), -1);
    EXPECT_EQ(sjis::FindChar("a|b|c", '|', 2), 3);
}
