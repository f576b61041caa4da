// The settings file on disk, byte for byte: first line, further data sets,
// the line moved to the end, near keys, hand-made files and failed writes.
#include "dialog/condition_dlg.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "res/resource.h"
#include "tests/dialog/dialog_driver.h"
#include "tests/dialog/fake_ledger.h"
#include "tests/dialog/test_files.h"

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        m_dir = files::Fresh("set");
        fake::settingsFolder = m_dir + "deep\\er\\";
        m_file = fake::settingsFolder + "BreakdownLinkT.env";
    }
    static void Key(CConditionDlg& dlg, const char* user, long no1, long no2) {
        std::strcpy(dlg.m_szUserID, user);
        dlg.m_lSelectedNo1 = no1;
        dlg.m_lSelectedNo2 = no2;
    }
    void Prepare(const std::string& content) {
        ASSERT_TRUE(::CreateDirectoryA((m_dir + "deep").c_str(), nullptr));
        ASSERT_TRUE(::CreateDirectoryA((m_dir + "deep\\er").c_str(), nullptr));
        ASSERT_TRUE(files::Write(m_file, content));
    }
    std::string m_dir, m_file;
};

struct Read {
    int found;
    short tax, month;
    std::string path;
};

Read ReadLine(CConditionDlg& dlg) {
    Read r{0, -1, -1, "untouched"};
    char path[261];
    std::strcpy(path, "untouched");
    r.found = dlg.ReadSettings(&r.tax, &r.month, path);
    r.path = path;
    return r;
}

TEST_F(SettingsFileTest, LinesOfDataSetsAndUsers) {
    CConditionDlg dlg;
    Key(dlg, "USER1", 1, 3);
    EXPECT_EQ(0, ReadLine(dlg).found);
    EXPECT_EQ(1, dlg.WriteSettings(1, 3, "C:\\out\\a.xml"));  // creates both folder levels
    EXPECT_EQ("USER1/1/3:1/3/C:\\out\\a.xml\n", files::Read(m_file));

    Key(dlg, "USER1", 1, 5);
    EXPECT_EQ(1, dlg.WriteSettings(0, 12, "D:\\tax\\b.xml"));
    Key(dlg, "USER1", 1, 3);
    EXPECT_EQ(1, dlg.WriteSettings(0, 2, "C:\\out\\c.xml"));
    EXPECT_EQ("USER1/1/5:0/12/D:\\tax\\b.xml\nUSER1/1/3:0/2/C:\\out\\c.xml\n", files::Read(m_file));

    Key(dlg, "USER1", 1, 5);
    Read r = ReadLine(dlg);
    EXPECT_EQ(1, r.found);
    EXPECT_EQ(0, r.tax);
    EXPECT_EQ(12, r.month);
    EXPECT_EQ("D:\\tax\\b.xml", r.path);

    // ADMIN is the tail of SYSADMIN: it never takes the other user's line.
    Key(dlg, "SYSADMIN", 1, 5);
    EXPECT_EQ(1, dlg.WriteSettings(1, 4, "S.xml"));
    Key(dlg, "ADMIN", 1, 5);
    EXPECT_EQ(0, ReadLine(dlg).found);
    EXPECT_EQ(1, dlg.WriteSettings(0, 6, "A.xml"));
    EXPECT_EQ("USER1/1/5:0/12/D:\\tax\\b.xml\nUSER1/1/3:0/2/C:\\out\\c.xml\nSYSADMIN/1/5:1/4/S.xml\n"
              "ADMIN/1/5:0/6/A.xml\n",
              files::Read(m_file));
}

TEST_F(SettingsFileTest, HandMadeFiles) {
    struct { const char* before; int found; short tax, month; const char* path; const char* after; } cases[] = {
        {"", 0, -1, -1, "untouched", "USER1/1/3:0/2/n.xml\n"},
        {"A/1/1:0/1/a\nUSER1/1/3:1/3/x", 1, 1, 3, "x", "A/1/1:0/1/a\nUSER1/1/3:0/2/n.xml\n"},
        {"USER1/1/3:0/2/\n", 1, 0, 2, "", "USER1/1/3:0/2/n.xml\n"},
        {"USER1/1/3:1/3/p\r\nB/1/1:0/1/b\n", 1, 1, 3, "p", "B/1/1:0/1/b\nUSER1/1/3:0/2/n.xml\n"},
        {"USER1/1/3:1/3\nB/1/1:0/1/b", 0, -1, -1, "untouched", "B/1/1:0/1/b\nUSER1/1/3:0/2/n.xml\n"},
    };
    for (const auto& c : cases) {
        SetUp();
        Prepare(c.before);
        CConditionDlg dlg;
        Key(dlg, "USER1", 1, 3);
        Read r = ReadLine(dlg);
        EXPECT_EQ(c.found, r.found) << c.before;
        EXPECT_EQ(c.tax, r.tax) << c.before;
        EXPECT_EQ(c.month, r.month) << c.before;
        EXPECT_EQ(c.path, r.path) << c.before;
        EXPECT_EQ(1, dlg.WriteSettings(0, 2, "n.xml")) << c.before;
        EXPECT_EQ(c.after, files::Read(m_file)) << c.before;
    }
}

TEST_F(SettingsFileTest, BeyondTheOldLimits) {
    // A 64-byte user ID and a 260-byte path are stored and read back whole;
    // a path that would not fit the path buffer reads as no line.
    std::string user(64, 'U'), path = "C:\\" + std::string(257, 'p');
    Prepare("B/1/1:0/1/" + std::string(5000, 'b') + "\nUSER1/1/3:1/3/" + std::string(261, 'q') + "\n");
    CConditionDlg dlg;
    Key(dlg, "USER1", 1, 3);
    EXPECT_EQ(0, ReadLine(dlg).found);
    Key(dlg, user.c_str(), 2147483647L, -2147483647L - 1);
    EXPECT_EQ(1, dlg.WriteSettings(1, 12, path.c_str()));
    Read r = ReadLine(dlg);
    EXPECT_EQ(1, r.found);
    EXPECT_EQ(path, r.path);
    EXPECT_EQ("B/1/1:0/1/" + std::string(5000, 'b') + "\nUSER1/1/3:1/3/" + std::string(261, 'q') + "\n" + user +
                  "/2147483647/-2147483648:1/12/" + path + "\n",
              files::Read(m_file));
}

TEST_F(SettingsFileTest, FailedWritesLoseNothing) {
    const std::string before = "A/1/1:0/1/a\nUSER1/1/3:1/3/x\nB/1/1:0/1/b\n";
    Prepare(before);
    CConditionDlg dlg;
    Key(dlg, "USER1", 1, 3);
    // The new content cannot be written beside the file.
    ASSERT_TRUE(::CreateDirectoryA((m_file + ".tmp").c_str(), nullptr));
    EXPECT_EQ(0, dlg.WriteSettings(0, 2, "n.xml"));
    EXPECT_EQ(before, files::Read(m_file));
    // No settings folder from the library: nothing is written anywhere.
    fake::settingsFolder.clear();
    EXPECT_EQ(0, dlg.WriteSettings(0, 2, "n.xml"));
    // A settings folder that cannot be made (a file stands in its way).
    ASSERT_TRUE(files::Write(m_dir + "blocker", ""));
    fake::settingsFolder = m_dir + "blocker\\set\\";
    EXPECT_EQ(0, dlg.WriteSettings(0, 2, "n.xml"));
    EXPECT_EQ(before, files::Read(m_file));
}

TEST_F(SettingsFileTest, LaunchedRunKeepsTheRememberedPath) {
    Prepare("USER1/1/3:1/3/C:\\kept.xml\n");
    CConditionDlg dlg;
    Key(dlg, "USER1", 1, 3);
    dlg.m_lPeriodStart = 20020401;
    dlg.m_lPeriodEnd = 20030331;
    dlg.m_strPresetPath = "C:\\host\\given.xml";
    drive::Outcome out = drive::Run(dlg, [](drive::Driver& d) { d.Click(IDC_CANCEL_BUTTON); });
    EXPECT_EQ(1003, out.result);
    EXPECT_EQ(1, dlg.WriteSettings(0, 5, nullptr));
    EXPECT_EQ("USER1/1/3:0/5/C:\\kept.xml\n", files::Read(m_file));
}

}  // namespace
