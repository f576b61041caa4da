// The output path checks through the dialog, one case per message, and the
// folder chain functions on real folders.
#include "dialog/condition_dlg.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialog/folders.h"
#include "res/resource.h"
#include "tests/dialog/dialog_driver.h"
#include "tests/dialog/fake_ledger.h"
#include "tests/dialog/test_files.h"

using drive::Driver;

namespace {

const char kEmpty[] = "データ出力先が指定されていません。\n\n出力先を指定してください。";
const char kChars[] = "データの出力先に不正な文字が含まれています。\n\n出力先を再入力してください。";
const char kDrive[] = "ドライブ名が有効でありません。\n\n有効なドライブを指定してください。";
const char kNoName[] = "ファイル名が指定されていません。";
const char kNoFolder[] = "指定されたフォルダは存在しません。\n\n作成してもよろしいですか？";
const char kCreateFailed[] = "フォルダの作成に失敗しました。\n\n出力先を再入力してください。";
const char kOverwrite[] = "同名のファイルが存在します。\n\n上書きしてもよろしいですか？";

// A level name that passes the dialog's character check but that no
// Windows file system takes: it holds a control character.
const char kUnmakeable[] = "bad\x01level";

struct PathCase {
    const char* what;
    std::string path;
    std::vector<int> answers;
    std::vector<std::string> messages;
    int result;  // 0: the dialog stays open
};

class OutputPathTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        m_dir = files::Fresh("op");
        fake::outputFolder = m_dir;
        fake::settingsFolder = m_dir + "set\\";
    }

    // Runs the dialog, executes once with the path and then cancels when
    // the dialog is still open.
    void Check(const PathCase& c, const std::string& preset = "") {
        CConditionDlg dlg;
        dlg.m_lPeriodStart = 20020401;
        dlg.m_lPeriodEnd = 20030331;
        std::strcpy(dlg.m_szUserID, "USER1");
        dlg.m_strPresetPath = preset.c_str();
        bool backToPath = false;
        drive::Outcome out = drive::Run(dlg, [&](Driver& d) {
            if (preset.empty()) d.SetText(IDC_OUTPUT_PATH, c.path);
            drive::AnswerQuestions(c.answers);
            d.Click(IDC_EXECUTE);
            d.WaitBoxes(c.messages.size());
            if (c.result == 0) {
                d.Pause();
                EXPECT_FALSE(d.Ended()) << c.what;
                if (c.path.empty()) {
                    EXPECT_TRUE(d.WaitFocus(IDC_EXECUTE)) << c.what;
                } else if (preset.empty()) {
                    backToPath = d.WaitFocus(IDC_OUTPUT_PATH) && d.AllSelected(IDC_OUTPUT_PATH);
                    EXPECT_EQ(c.path, d.Text(IDC_OUTPUT_PATH)) << c.what;
                }
                d.Click(IDC_CANCEL_BUTTON);
            }
        });
        std::vector<std::string> expected = c.messages;
        if (c.result == 0) expected.push_back("｢科目内訳書｣の集計を中止します。");
        EXPECT_EQ(expected, drive::Texts(out.boxes)) << c.what;
        EXPECT_EQ(c.result == 0 ? 1003 : c.result, out.result) << c.what;
        if (c.result == 0 && !c.path.empty() && preset.empty()) {
            EXPECT_TRUE(backToPath) << c.what;
        }
        if (c.result == 1002) {
            EXPECT_EQ(preset.empty() ? c.path : preset, std::string(dlg.m_strOutputPath));
        }
        m_fileDialogs = out.fileDialog.count;
    }

    // Refusals leave the dialog open, so one run takes them all in turn.
    void CheckRefusals(const std::vector<PathCase>& cases) {
        CConditionDlg dlg;
        dlg.m_lPeriodStart = 20020401;
        dlg.m_lPeriodEnd = 20030331;
        std::strcpy(dlg.m_szUserID, "USER1");
        std::vector<std::string> expected;
        drive::Outcome out = drive::Run(dlg, [&](Driver& d) {
            for (const PathCase& c : cases) {
                expected.insert(expected.end(), c.messages.begin(), c.messages.end());
                drive::AnswerQuestions(c.answers);
                d.SetText(IDC_OUTPUT_PATH, c.path);
                d.Click(IDC_EXECUTE);
                EXPECT_TRUE(d.WaitBoxes(expected.size())) << c.what;
                EXPECT_TRUE(d.WaitFocus(IDC_OUTPUT_PATH)) << c.what;
                EXPECT_TRUE(d.AllSelected(IDC_OUTPUT_PATH)) << c.what;
                EXPECT_EQ(c.path, d.Text(IDC_OUTPUT_PATH)) << c.what;
            }
            d.Click(IDC_CANCEL_BUTTON);
        });
        expected.push_back("｢科目内訳書｣の集計を中止します。");
        EXPECT_EQ(expected, drive::Texts(out.boxes));
        EXPECT_EQ(1003, out.result);
    }

    std::string m_dir;
    int m_fileDialogs = 0;
};

TEST_F(OutputPathTest, Refusals) {
    ASSERT_TRUE(files::Write(m_dir + "exists.xml", "x"));
    CheckRefusals({
        {"invalid: default", m_dir + "*.xml", {}, {kChars}, 0},
        {"invalid: doubled backslash", m_dir + "a\\\\b.xml", {}, {kChars}, 0},
        {"invalid: second colon", m_dir + "a:b.xml", {}, {kChars}, 0},
        {"CD-ROM drive", "R:\\out.xml", {}, {kDrive}, 0},
        {"no share root", "\\\\testsrv\\share", {}, {kDrive}, 0},
        {"lead byte as drive", "表\\out.xml", {}, {kDrive}, 0},
        {"drive letter without volume passes", "Q:\\out.xml", {IDNO}, {kNoFolder}, 0},
        {"no file name", m_dir, {}, {kNoName}, 0},
        {"a folder as file", m_dir.substr(0, m_dir.size() - 1), {}, {kNoName}, 0},
        {"missing folders, No", m_dir + "new1\\new2\\out.xml", {IDNO}, {kNoFolder}, 0},
        {"existing file, No", m_dir + "exists.xml", {IDNO}, {kOverwrite}, 0},
    });
    EXPECT_FALSE(files::Exists(m_dir + "new1"));
    EXPECT_EQ("x", files::Read(m_dir + "exists.xml"));
}

TEST_F(OutputPathTest, EmptyPathOpensFileDialog) {
    Check({"empty", "", {}, {kEmpty}, 0});
    EXPECT_EQ(1, m_fileDialogs);
}

TEST_F(OutputPathTest, Accepted) {
    ASSERT_TRUE(files::Write(m_dir + "exists.xml", "x"));
    std::string share = files::BuildDir() + "wine\\share\\share";
    ::CreateDirectoryA(share.c_str(), nullptr);
    ::DeleteFileA((share + "\\out.xml").c_str());
    PathCase cases[] = {
        {"new file in an existing folder", m_dir + "out.xml", {}, {}, 1002},
        {"missing folders, Yes", m_dir + "new1\\new2\\out.xml", {IDYES}, {kNoFolder}, 1002},
        {"folder named with 表", m_dir + "表\\out.xml", {IDYES}, {kNoFolder}, 1002},
        {"existing file, Yes", m_dir + "exists.xml", {IDYES}, {kOverwrite}, 1002},
        {"network share", "\\\\testsrv\\share\\out.xml", {}, {}, 1002},
    };
    for (const PathCase& c : cases) Check(c);
    EXPECT_TRUE(files::IsDir(m_dir + "new1\\new2"));
    EXPECT_TRUE(files::IsDir(m_dir + "表"));
}

TEST_F(OutputPathTest, PresetPathOverwritesWithoutQuestion) {
    ASSERT_TRUE(files::Write(m_dir + "exists.xml", "x"));
    Check({"preset", "", {}, {}, 1002}, m_dir + "exists.xml");
}

TEST_F(OutputPathTest, FailedCreationRemovesTheCreatedLevels) {
    ASSERT_TRUE(::CreateDirectoryA((m_dir + "old").c_str(), nullptr));
    Check({"cannot create", m_dir + "old\\new1\\" + kUnmakeable + "\\out.xml", {IDYES}, {kNoFolder, kCreateFailed}, 0});
    EXPECT_FALSE(files::Exists(m_dir + "old\\new1"));
    EXPECT_TRUE(files::IsDir(m_dir + "old"));  // it existed before
}

TEST_F(OutputPathTest, FolderChains) {
    // Created from the root down, and 表 is no separator.
    EXPECT_EQ(1, CreateFolderPath((m_dir + "a\\表\\c\\").c_str()));
    EXPECT_TRUE(files::IsDir(m_dir + "a\\表\\c"));
    EXPECT_EQ(1, IsFolder((m_dir + "a\\表\\file.xml").c_str()));
    EXPECT_EQ(0, IsFolder((m_dir + "a\\x\\file.xml").c_str()));
    EXPECT_EQ(0, IsFolder(""));

    // Removal stops at the stop folder and never goes above it.
    EXPECT_EQ(1, RemoveCreatedFolders((m_dir + "a\\表\\c\\").c_str(), (m_dir + "a\\").c_str()));
    EXPECT_FALSE(files::Exists(m_dir + "a\\表"));
    EXPECT_TRUE(files::IsDir(m_dir + "a"));

    // Without a stop folder only the deepest existing level goes.
    ASSERT_EQ(1, CreateFolderPath((m_dir + "b\\c\\").c_str()));
    EXPECT_EQ(1, RemoveCreatedFolders((m_dir + "b\\c\\d\\").c_str(), nullptr));
    EXPECT_FALSE(files::Exists(m_dir + "b\\c"));
    EXPECT_TRUE(files::IsDir(m_dir + "b"));

    // A level that holds a file stops the walk with a failure.
    ASSERT_EQ(1, CreateFolderPath((m_dir + "e\\f\\").c_str()));
    ASSERT_TRUE(files::Write(m_dir + "e\\keep.txt", "k"));
    EXPECT_EQ(0, RemoveCreatedFolders((m_dir + "e\\f\\").c_str(), m_dir.c_str()));
    EXPECT_FALSE(files::Exists(m_dir + "e\\f"));
    EXPECT_EQ("k", files::Read(m_dir + "e\\keep.txt"));

    // Paths on other roots, or beside the stop folder, are refused.
    EXPECT_EQ(0, RemoveCreatedFolders((m_dir + "e\\").c_str(), "Q:\\x\\"));
    EXPECT_EQ(0, RemoveCreatedFolders((m_dir + "e\\").c_str(), (m_dir + "z\\").c_str()));
    EXPECT_TRUE(files::IsDir(m_dir + "e"));

    // Too long for a path buffer: nothing is created.
    std::string longPath = m_dir + std::string(250, 'l') + "\\";
    EXPECT_EQ(0, CreateFolderPath(longPath.c_str()));
}

}  // namespace
