// The conditions dialog driven through its window: start values, the key
// table, the month span check, the file dialog and cancelling.
#include "dialog/condition_dlg.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "res/resource.h"
#include "tests/dialog/dialog_driver.h"
#include "tests/dialog/fake_ledger.h"
#include "tests/dialog/test_files.h"

using drive::Driver;

namespace {

const char kMonthMessage[] = "集計期間に誤りがあります。\n\n集計期間を設定しなおしてください。";
const char kCancelMessage[] = "｢科目内訳書｣の集計を中止します。";
const char kInvalidChars[] = "データの出力先に不正な文字が含まれています。\n\n出力先を再入力してください。";

class ConditionDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        m_dir = files::Fresh(::testing::UnitTest::GetInstance()->current_test_info()->name());
        fake::outputFolder = m_dir + "out\\";
        fake::settingsFolder = m_dir + "set\\";
        Fill(m_dlg);
    }
    static void Fill(CConditionDlg& dlg, long start = 20020401, long end = 20030331) {
        dlg.m_strCompanyName = " ABC商会";
        dlg.m_strPeriod = " 2002/04/01～2003/03/31";
        dlg.m_lPeriodStart = start;
        dlg.m_lPeriodEnd = end;
        dlg.m_bPastData = 0;
        std::strcpy(dlg.m_szUserID, "USER1");
        dlg.m_lSelectedNo1 = 1;
        dlg.m_lSelectedNo2 = 3;
    }
    std::string m_dir;
    CConditionDlg m_dlg;
};

TEST_F(ConditionDlgTest, StartValuesWithoutSettings) {
    fake::komiNyuryoku = 1;
    drive::Outcome out = drive::Run(m_dlg, [&](Driver& d) {
        EXPECT_EQ(" ABC商会", d.Text(IDC_COMPANY_NAME));
        EXPECT_EQ(" 2002/04/01～2003/03/31", d.Text(IDC_PERIOD));
        EXPECT_EQ("4", d.Text(IDC_START_MONTH));
        EXPECT_EQ("3", d.Text(IDC_END_MONTH));
        EXPECT_EQ(m_dir + "out\\*.xml", d.Text(IDC_OUTPUT_PATH));
        EXPECT_EQ(BST_CHECKED, ::SendMessageA(d.Item(IDC_TAX_INCLUSIVE), BM_GETCHECK, 0, 0));
        EXPECT_EQ("出力先(&O)", d.Text(IDC_OUTPUT_GROUP));
        EXPECT_TRUE(::IsWindowEnabled(d.Item(IDC_BROWSE)));
        EXPECT_EQ(d.Item(IDC_END_MONTH), d.Focus());
        EXPECT_EQ(2, ::SendMessageA(d.Item(IDC_END_MONTH), EM_GETLIMITTEXT, 0, 0));
        EXPECT_EQ(255, ::SendMessageA(d.Item(IDC_OUTPUT_PATH), EM_GETLIMITTEXT, 0, 0));
        // A picture for people to look at (not compared).
        d.Pause();
        d.SaveScreenshot(files::BuildDir() + "dialog_130.bmp");
        // the default path names no file: refused for its asterisk
        d.Key(d.Item(IDC_END_MONTH), VK_F12);
        EXPECT_TRUE(d.WaitBoxes(1));
        d.Click(IDC_CANCEL_BUTTON);
    });
    EXPECT_EQ(1003, out.result);
    EXPECT_EQ("DATA0003", fake::curDataID);
    ASSERT_EQ(2u, out.boxes.size());
    EXPECT_EQ(kInvalidChars, out.boxes[0].text);
    EXPECT_EQ('W', out.boxes[0].kind);
    EXPECT_TRUE(out.boxes[0].ownedByDialog);
    EXPECT_EQ(kCancelMessage, out.boxes[1].text);
    EXPECT_EQ('I', out.boxes[1].kind);
    EXPECT_EQ(1, m_dlg.m_nTaxInclusive);
}

TEST_F(ConditionDlgTest, DefaultPathFallsBackToTempFolder) {
    fake::outputFolder.clear();
    fake::shohizeiResult = 1;  // no tax settings: the box starts clear
    char temp[MAX_PATH] = {};
    ::GetTempPathA(sizeof temp, temp);
    drive::Outcome out = drive::Run(m_dlg, [&](Driver& d) {
        EXPECT_EQ(std::string(temp) + "*.xml", d.Text(IDC_OUTPUT_PATH));
        EXPECT_EQ(BST_UNCHECKED, ::SendMessageA(d.Item(IDC_TAX_INCLUSIVE), BM_GETCHECK, 0, 0));
        d.Key(d.Item(IDC_END_MONTH), VK_ESCAPE);
    });
    EXPECT_EQ(1003, out.result);
    EXPECT_EQ(std::vector<std::string>{kCancelMessage}, drive::Texts(out.boxes));
}

TEST_F(ConditionDlgTest, StartValuesFromSettingsLine) {
    ASSERT_TRUE(::CreateDirectoryA((m_dir + "set").c_str(), nullptr));
    ASSERT_TRUE(files::Write(m_dir + "set\\BreakdownLinkT.env",
                             "SYSUSER1/1/3:0/9/C:\\x\\other.xml\nUSER1/1/3:1/13/C:\\x\\saved.xml\n"));
    fake::komiNyuryoku = 0;
    drive::Outcome out = drive::Run(m_dlg, [&](Driver& d) {
        EXPECT_EQ("4", d.Text(IDC_START_MONTH));
        EXPECT_EQ("13", d.Text(IDC_END_MONTH));  // shown as saved, refused on execute
        EXPECT_EQ("C:\\x\\saved.xml", d.Text(IDC_OUTPUT_PATH));
        EXPECT_EQ(BST_CHECKED, ::SendMessageA(d.Item(IDC_TAX_INCLUSIVE), BM_GETCHECK, 0, 0));
        d.Click(IDC_EXECUTE);
        EXPECT_TRUE(d.WaitBoxes(1));
        EXPECT_TRUE(d.WaitFocus(IDC_END_MONTH));
        EXPECT_TRUE(d.AllSelected(IDC_END_MONTH));
        EXPECT_FALSE(d.Ended());
        d.Click(IDC_CANCEL_BUTTON);
    });
    EXPECT_EQ(1003, out.result);
    EXPECT_EQ(kMonthMessage, out.boxes.at(0).text);
    EXPECT_STREQ("C:\\x\\saved.xml", m_dlg.m_szSavedPath);
    EXPECT_EQ("", fake::curDataID);  // the tax settings were not asked for
}

TEST_F(ConditionDlgTest, MonthSpanOnExecute) {
    // October to March: 10-12 and 1-3 pass the month check (and then stop
    // at the default path), the others and an empty edit are refused.
    Fill(m_dlg, 20021001, 20030331);
    struct { const char* end; const char* message; } cases[] = {
        {"10", kInvalidChars}, {"3", kInvalidChars}, {"12", kInvalidChars}, {"1", kInvalidChars},
        {"4", kMonthMessage}, {"9", kMonthMessage}, {"", kMonthMessage}, {"0", kMonthMessage},
    };
    drive::Outcome out = drive::Run(m_dlg, [&](Driver& d) {
        EXPECT_EQ("10", d.Text(IDC_START_MONTH));
        size_t n = 0;
        for (const auto& c : cases) {
            d.SetText(IDC_END_MONTH, c.end);
            d.Click(IDC_EXECUTE);
            EXPECT_TRUE(d.WaitBoxes(++n)) << c.end;
        }
        d.Click(IDC_CANCEL_BUTTON);
    });
    ASSERT_EQ(std::size(cases) + 1, out.boxes.size());
    for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].message, out.boxes[i].text) << cases[i].end;
}

TEST_F(ConditionDlgTest, F12FromEveryControlButNotWithModifiers) {
    drive::Outcome out = drive::Run(m_dlg, [&](Driver& d) {
        d.SetText(IDC_END_MONTH, "0");
        size_t n = 0;
        for (int id : {IDC_END_MONTH, IDC_TAX_INCLUSIVE, IDC_OUTPUT_PATH, IDC_BROWSE, IDC_EXECUTE, IDC_CANCEL_BUTTON}) {
            d.Key(d.Item(id), VK_F12);
            EXPECT_TRUE(d.WaitBoxes(++n)) << id;
        }
        d.Key(d.dlg, VK_F12);
        EXPECT_TRUE(d.WaitBoxes(++n));
        for (int mods : {drive::SHIFT, drive::CTRL, drive::ALT}) {
            d.Key(d.Item(IDC_END_MONTH), VK_F12, mods);
            d.Pause();
            EXPECT_EQ(n, d.BoxCount()) << mods;
        }
        // Shift+Enter makes the dialog manager issue the OK command: ignored.
        d.Key(d.Item(IDC_END_MONTH), VK_RETURN, drive::SHIFT);
        ::PostMessageA(d.dlg, WM_COMMAND, IDOK, 0);
        d.Pause();
        EXPECT_FALSE(d.Ended());
        EXPECT_EQ(n, d.BoxCount());
        d.Click(IDC_CANCEL_BUTTON);
    });
    EXPECT_EQ(1003, out.result);
    ASSERT_EQ(8u, out.boxes.size());
    for (size_t i = 0; i < 7; ++i) EXPECT_EQ(kMonthMessage, out.boxes[i].text) << i;
}

TEST_F(ConditionDlgTest, EnterChainAndBrowse) {
    std::string chosen = m_dir + "chosen.xml";
    ASSERT_TRUE(files::Write(chosen, ""));  // the save dialog wants an existing file
    drive::Outcome out = drive::Run(m_dlg, [&](Driver& d) {
        d.SetText(IDC_OUTPUT_PATH, m_dir + "sub\\name.xml");
        d.Key(d.Item(IDC_END_MONTH), VK_RETURN);
        EXPECT_TRUE(d.WaitFocus(IDC_TAX_INCLUSIVE));
        d.Key(d.Item(IDC_TAX_INCLUSIVE), VK_RETURN);
        EXPECT_TRUE(d.WaitFocus(IDC_OUTPUT_PATH));
        EXPECT_TRUE(d.AllSelected(IDC_OUTPUT_PATH));
        d.Key(d.Item(IDC_OUTPUT_PATH), VK_RETURN);
        EXPECT_TRUE(d.WaitFocus(IDC_BROWSE));
        d.Key(d.Item(IDC_BROWSE), VK_RETURN);  // the file dialog, cancelled
        EXPECT_TRUE(d.WaitFocus(IDC_EXECUTE));
        EXPECT_EQ(m_dir + "sub\\name.xml", d.Text(IDC_OUTPUT_PATH));
        drive::AnswerFileDialog(chosen);
        d.Click(IDC_BROWSE);
        EXPECT_TRUE(d.WaitFor([&] { return d.Text(IDC_OUTPUT_PATH) == chosen; }));
        EXPECT_TRUE(d.WaitFocus(IDC_EXECUTE));
        drive::AnswerQuestions({IDYES});
        d.Key(d.Item(IDC_EXECUTE), VK_RETURN);  // executes: existing file, Yes
    });
    EXPECT_EQ(1002, out.result);
    EXPECT_EQ(2, out.fileDialog.count);
    EXPECT_EQ("保存ファイルを指定", out.fileDialog.caption);
    EXPECT_EQ(std::vector<std::string>{"同名のファイルが存在します。\n\n上書きしてもよろしいですか？"},
              drive::Texts(out.boxes));
    EXPECT_EQ(chosen, std::string(m_dlg.m_strOutputPath));
}

TEST_F(ConditionDlgTest, PresetPath) {
    std::string preset = m_dir + "preset.xml";
    ASSERT_TRUE(files::Write(preset, "old"));
    m_dlg.m_strPresetPath = preset.c_str();
    drive::Outcome out = drive::Run(m_dlg, [&](Driver& d) {
        EXPECT_EQ(preset, d.Text(IDC_OUTPUT_PATH));
        EXPECT_FALSE(::IsWindowEnabled(d.Item(IDC_BROWSE)));
        EXPECT_FALSE(::IsWindowEnabled(d.Item(IDC_OUTPUT_PATH)));
        EXPECT_EQ("出力先", d.Text(IDC_OUTPUT_GROUP));
        d.Key(d.Item(IDC_TAX_INCLUSIVE), VK_RETURN);
        EXPECT_TRUE(d.WaitFocus(IDC_EXECUTE));
        d.Key(d.Item(IDC_EXECUTE), VK_F12);  // an existing file: no question
    });
    EXPECT_EQ(1002, out.result);
    EXPECT_TRUE(out.boxes.empty());
    EXPECT_EQ(1, m_dlg.m_bPathPreset);
}

TEST_F(ConditionDlgTest, CancelByEscCloseBoxAndButton) {
    for (int way = 0; way < 3; ++way) {
        CConditionDlg dlg;
        Fill(dlg);
        drive::Outcome out = drive::Run(dlg, [&](Driver& d) {
            if (way == 0) d.Key(d.Item(IDC_OUTPUT_PATH), VK_ESCAPE);
            if (way == 1) ::PostMessageA(d.dlg, WM_SYSCOMMAND, SC_CLOSE, 0);
            if (way == 2) d.Click(IDC_CANCEL_BUTTON);
            EXPECT_TRUE(d.WaitFor([&] { return d.Ended(); })) << way;
        });
        EXPECT_EQ(1003, out.result) << way;
        ASSERT_EQ(1u, out.boxes.size()) << way;
        EXPECT_EQ(kCancelMessage, out.boxes[0].text);
        EXPECT_EQ('I', out.boxes[0].kind);
    }
}

TEST_F(ConditionDlgTest, PastResultsEndAtOnce) {
    m_dlg.m_bPastData = 1;
    drive::Outcome out = drive::Run(m_dlg, [&](Driver&) {});
    EXPECT_EQ(1003, out.result);
    ASSERT_EQ(1u, out.boxes.size());
    EXPECT_EQ("過去実績データは、連携の対象として使用できません。\n\nアプリケーションを終了します。", out.boxes[0].text);
    EXPECT_EQ('W', out.boxes[0].kind);
    EXPECT_EQ("4", std::string(m_dlg.m_strStartMonth));  // the remaining steps still ran
}

TEST_F(ConditionDlgTest, TaxCheckBoxStoresItsState) {
    drive::Outcome out = drive::Run(m_dlg, [&](Driver& d) {
        ::SendMessageA(d.Item(IDC_TAX_INCLUSIVE), BM_CLICK, 0, 0);
        EXPECT_EQ(1, m_dlg.m_nTaxInclusive);
        ::SendMessageA(d.Item(IDC_TAX_INCLUSIVE), BM_CLICK, 0, 0);
        EXPECT_EQ(0, m_dlg.m_nTaxInclusive);
        d.Click(IDC_CANCEL_BUTTON);
    });
    EXPECT_EQ(1003, out.result);
}

}  // namespace
