// The argument text: the command line less the program name and blanks.
#include "fw/cmdline.h"

#include <gtest/gtest.h>

TEST(CmdLine, SkipsProgramName) {
    struct Case { const char* line; const char* args; };
    const Case cases[] = {
        {"prog.exe 1,2,3,", "1,2,3,"},
        {"\"C:\\Program Files\\prog.exe\"  1,2,3,x", "1,2,3,x"},
        {"\"C:\\a b\\prog.exe\"1,2", "1,2"},
        {"prog.exe", ""},
        {"prog.exe \t ", ""},
        {"", ""},
        {"\"unterminated", ""},
        {"prog.exe  \"a b\",c", "\"a b\",c"},
    };
    for (const Case& c : cases) EXPECT_STREQ(fw::SkipProgramName(c.line), c.args) << c.line;
}
