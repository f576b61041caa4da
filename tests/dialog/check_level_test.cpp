// CBreakdownApp::CheckProgramLevel with real definition files in the
// current folder, including a folder ending in 表 and a drive root.
#include "app/breakdown_app.h"

#include <gtest/gtest.h>

#include <direct.h>

#include <string>

#include "app/program_level.h"
#include "tests/dialog/fake_ledger.h"
#include "tests/dialog/test_files.h"

// The rest of the application object belongs to the run sequence; these
// stand-ins let the check be linked alone.
CBreakdownApp::CBreakdownApp() {}
CBreakdownApp::~CBreakdownApp() {}
BOOL CBreakdownApp::InitInstance() { return FALSE; }
int CBreakdownApp::ExitInstance() { return 0; }

namespace {

class CheckLevelTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        char cwd[MAX_PATH] = {};
        _getcwd(cwd, sizeof cwd);
        m_cwd = cwd;
    }
    void TearDown() override { _chdir(m_cwd.c_str()); }
    std::string m_cwd;
};

TEST_F(CheckLevelTest, Values) {
    struct { const char* content; int result; int code; } cases[] = {
        {nullptr, 0, -1},                                  // no file
        {"[Other]\r\nA=3\r\n", 0, 1},                      // no key: the default 1
        {"[ProgramLevel]\r\nKX13_U=\r\n", 0, -1},          // empty value
        {"[ProgramLevel]\r\nKX13_U=3\r\n", 1, 0},
        {"[ProgramLevel]\r\nKX13_U=03\r\n", 1, 0},
        {"[ProgramLevel]\r\nKX13_U=3abc\r\n", 1, 0},
        {"[ProgramLevel]\r\nKX13_U=4\r\n", 0, 2},
        {"[ProgramLevel]\r\nKX13_U=10\r\n", 0, 2},
        {"[ProgramLevel]\r\nKX13_U=abc\r\n", 0, 1},
        {"[ProgramLevel]\r\nKX13_U=2\r\n", 0, 1},
    };
    CBreakdownApp app;
    app.m_hHostWnd = (HWND)0x1234;
    for (const auto& c : cases) {
        std::string dir = files::Fresh("level");
        if (c.content) {
            ASSERT_TRUE(files::Write(dir + "OrvaneDef.ini", c.content));
        }
        ASSERT_EQ(0, _chdir(dir.c_str()));
        fake::dispCalls.clear();
        EXPECT_EQ(c.result, app.CheckProgramLevel(1)) << (c.content ? c.content : "none");
        if (c.code == 0) {
            EXPECT_TRUE(fake::dispCalls.empty());
            continue;
        }
        ASSERT_EQ(1u, fake::dispCalls.size());
        EXPECT_EQ((HWND)0x1234, fake::dispCalls[0].owner);
        EXPECT_EQ(level::MessageForCode(c.code), fake::dispCalls[0].text) << (c.content ? c.content : "none");
        EXPECT_EQ("科目内訳書", fake::dispCalls[0].caption);
        EXPECT_EQ(48u, fake::dispCalls[0].type);
        // Without the flag: the same result, no message.
        fake::dispCalls.clear();
        EXPECT_EQ(c.result, app.CheckProgramLevel(0));
        EXPECT_TRUE(fake::dispCalls.empty());
    }
}

TEST_F(CheckLevelTest, FoldersEndingInTrailByteAndDriveRoot) {
    CBreakdownApp app;
    // 表 ends in 0x5C: the file is looked for inside the folder.
    std::string dir = files::Fresh("level") + "表";
    ASSERT_TRUE(::CreateDirectoryA(dir.c_str(), nullptr));
    ASSERT_TRUE(files::Write(dir + "\\OrvaneDef.ini", "[ProgramLevel]\r\nKX13_U=3\r\n"));
    ASSERT_EQ(0, _chdir(dir.c_str()));
    EXPECT_EQ(1, app.CheckProgramLevel(1));
    EXPECT_TRUE(fake::dispCalls.empty());

    // A drive root gets no second backslash.
    ASSERT_TRUE(files::Write("C:\\OrvaneDef.ini", "[ProgramLevel]\r\nKX13_U=4\r\n"));
    ASSERT_EQ(0, _chdir("C:\\"));
    EXPECT_EQ(0, app.CheckProgramLevel(1));
    ::DeleteFileA("C:\\OrvaneDef.ini");
    ASSERT_EQ(1u, fake::dispCalls.size());
    EXPECT_EQ(level::MessageForCode(2), fake::dispCalls[0].text);
    EXPECT_EQ(nullptr, fake::dispCalls[0].owner);  // no host window
}

}  // namespace
