// CString: the parts the rules rely on.
#include "fw/cstring.h"

#include <gtest/gtest.h>

TEST(CString, FormatAndSearch) {
    CString s;
    s.Format(" %04d/%02d/%02d", 2002, 1, 11);
    EXPECT_STREQ(s, " 2002/01/11");
    CString p("C:\\表\\out.xml");
    EXPECT_EQ(p.ReverseFind('\\'), 5);
    EXPECT_EQ(p.Find('\\'), 2);
    EXPECT_STREQ(p.Mid(6), "out.xml");
    EXPECT_STREQ(p.Left(6), "C:\\表\\");
    EXPECT_EQ(p.Find("out"), 6);
    EXPECT_EQ(CString("ABC").CompareNoCase("abc"), 0);
}

TEST(CString, Buffer) {
    CString s("abc");
    char* b = s.GetBuffer(10);
    b[0] = 'x';
    b[1] = '\0';
    s.ReleaseBuffer();
    EXPECT_STREQ(s, "x");
    EXPECT_EQ(s.GetLength(), 1);
}
