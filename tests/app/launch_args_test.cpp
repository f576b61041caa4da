// Launch arguments: which texts start host mode, and what stays stored.
#include "app/launch_args.h"

#include <gtest/gtest.h>

#include <string>

TEST(LaunchArgs, Table) {
    struct Case {
        const char* text;
        int hostMode;
        long long wnd;
        uint32_t msg;
        int16_t func;
        const char* path;
    };
    // Fields start at wnd 0, msg 0, function 1, no path.
    const Case cases[] = {
        {"", 0, 0, 0, 1, ""},
        {"1234,32769,5,", 1, 1234, 32769, 5, ""},
        {"1234,32769,5,C:\\out\\a.xml", 1, 1234, 32769, 5, "C:\\out\\a.xml"},
        {"1234,32769,5", 0, 1234, 32769, 1, ""},               // third comma missing: first two stay
        {"1234", 0, 0, 0, 1, ""},
        {",,,", 1, 0, 0, 0, ""},
        {"1,2,3,C:\\a,b\\c,d.xml", 1, 1, 2, 3, "C:\\a,b\\c,d.xml"},  // commas inside the path
        {"1,2,65535,", 1, 1, 2, -1, ""},
        {"1,2,40000,", 1, 1, 2, -25536, ""},
        {"abc,x9,-7z,", 1, 0, 0, -7, ""},                      // not numbers: atol rules
        {"  12 ,\t34,+5,", 1, 12, 34, 5, ""},
        {"1,2,3, ", 1, 1, 2, 3, " "},
        {"表,2,3,C:\\表\\a.xml", 1, 0, 2, 3, "C:\\表\\a.xml"},
    };
    for (const Case& c : cases) {
        LaunchArgs a;
        EXPECT_EQ(ParseLaunchArgs(c.text, &a), c.hostMode) << c.text;
        EXPECT_EQ(a.llHostWnd, c.wnd) << c.text;
        EXPECT_EQ(a.uHostMsg, c.msg) << c.text;
        EXPECT_EQ(a.nFunctionID, c.func) << c.text;
        EXPECT_EQ(a.strPath, c.path) << c.text;
    }
}

TEST(LaunchArgs, LongTextIsReadWholeWithoutOverrun) {
    std::string path(600, 'x');
    std::string text = "1,2,3," + path;
    LaunchArgs a;
    EXPECT_EQ(ParseLaunchArgs(text.c_str(), &a), 1);
    EXPECT_EQ(a.strPath, path);
    std::string longNumber(400, '9');
    LaunchArgs b;
    EXPECT_EQ(ParseLaunchArgs((longNumber + ",1,2,").c_str(), &b), 1);
    EXPECT_EQ(b.uHostMsg, 1u);
}
