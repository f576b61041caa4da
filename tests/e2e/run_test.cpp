// Whole runs of the edition programs, started as the tax-form application
// starts them (through the simulator) or standalone, and driven from outside
// as a person would: keys into the conditions dialog, the message boxes
// answered by their buttons. Each row checks the result posted, the host
// window enabled again, the message shown, the report's bytes and the
// settings file's line.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/support/books.h"
#include "tests/support/e2e.h"

namespace {

const char kDialogCaption[] = "科目内訳書 - 集計条件";
const char kDone[] = "科目内訳書情報の出力が終了しました。\n\nアプリケーションを終了します。";
const char kXmlFailed[] = "XMLファイルの出力に失敗しました。\n\nアプリケーションを終了します。";
const char kCalcFailed[] = "科目残高の集計に失敗しました。\n\nアプリケーションを終了します。";
const char kCancelled[] = "｢科目内訳書｣の集計を中止します。";
const char kPastData[] = "過去実績データは、連携の対象として使用できません。\n\nアプリケーションを終了します。";

// Books of the test company: data set 1 (this year, interim closing kept)
// and data set 2 (past results). USER1 has data set 1 selected, USER2 the
// past results.
const std::string& BooksDb() {
    static std::string db;
    if (!db.empty()) return db;
    std::string dir = e2e::FreshDir("run-books");
    db = dir + "books.db";
    std::string books = e2e::SourceDir() + "tests\\e2e\\books\\";
    std::string dbArg = "--db \"" + e2e::UnixPath(db) + "\" ";
    std::string out;
    EXPECT_EQ(e2e::Loader(dbArg + "--init --dataset 1 --data-id TEST2023 --company-file \"" + books +
                              "company.txt\" --period-start 20230401 --period-end 20240331 --interim 1 --accounts \"" +
                              books + "accounts.csv\" --opening \"" + books + "opening.csv\" --journal \"" + books +
                              "journal.csv\"",
                          &out),
              0)
        << out;
    EXPECT_EQ(e2e::Loader(dbArg + "--dataset 2 --data-id TEST2022 --company-file \"" + books +
                              "company.txt\" --period-start 20220401 --period-end 20230331 --past --accounts \"" +
                              books + "accounts.csv\"",
                          &out),
              0)
        << out;
    EXPECT_EQ(e2e::Loader(dbArg + "--user USER1 --select 1,1", &out), 0) << out;
    EXPECT_EQ(e2e::Loader(dbArg + "--user USER2 --select 1,2", &out), 0) << out;
    return db;
}

// The report of data set 1 over the whole year, amounts excluding tax.
std::string ExpectedReport(int functionId) {
    std::string lines[] = {
        "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>",
        "<REPORT>",
        "\t<SYSTEM>",
        "\t\t<GYOUMUPREFIX>KX13</GYOUMUPREFIX>",
        "\t\t<VERSION>1</VERSION>",
        "\t\t<FUNCTIONID>" + std::to_string(functionId) + "</FUNCTIONID>",
        "\t\t<CONNECTEDPROGRAMVER>21.00.01</CONNECTEDPROGRAMVER>",
        "\t\t<PROGRAMNAME>帳簿システム</PROGRAMNAME>",
        "\t\t<PROGRAMVER>21.00.05</PROGRAMVER>",
        "\t</SYSTEM>",
        "\t<BASIC>",
        "\t\t<KOMONSAKINAME>株式会社テスト商事</KOMONSAKINAME>",
        "\t\t<JIGYOUNENDOFROM>20230401</JIGYOUNENDOFROM>",
        "\t\t<JIGYOUNENDOTO>20240331</JIGYOUNENDOTO>",
        "\t</BASIC>",
        "\t<DATA>",
        "\t\t<KANJYOKAMOKU Count=\"   1\">",
        "\t\t\t<KANJYOKAMOKU_CODE>111</KANJYOKAMOKU_CODE>",
        "\t\t\t<KANJYOKAMOKU_NAME>現金</KANJYOKAMOKU_NAME>",
        "\t\t\t<KANJYOKAMOKU_ZANDAKA>1050000</KANJYOKAMOKU_ZANDAKA>",
        "\t\t</KANJYOKAMOKU>",
        "\t\t<KANJYOKAMOKU Count=\"   2\">",
        "\t\t\t<KANJYOKAMOKU_CODE>131</KANJYOKAMOKU_CODE>",
        "\t\t\t<KANJYOKAMOKU_NAME>普通預金</KANJYOKAMOKU_NAME>",
        "\t\t\t<KANJYOKAMOKU_ZANDAKA>5050000</KANJYOKAMOKU_ZANDAKA>",
        "\t\t\t<HOJYOKAMOKU Count=\"   1\">",
        "\t\t\t\t<HOJYOKAMOKU_CODE>1</HOJYOKAMOKU_CODE>",
        "\t\t\t\t<HOJYOKAMOKU_NAME>北町銀行</HOJYOKAMOKU_NAME>",
        "\t\t\t\t<HOJYOKAMOKU_ZANDAKA>3050000</HOJYOKAMOKU_ZANDAKA>",
        "\t\t\t</HOJYOKAMOKU>",
        "\t\t\t<HOJYOKAMOKU Count=\"   2\">",
        "\t\t\t\t<HOJYOKAMOKU_CODE>2</HOJYOKAMOKU_CODE>",
        "\t\t\t\t<HOJYOKAMOKU_NAME>南町信金</HOJYOKAMOKU_NAME>",
        "\t\t\t\t<HOJYOKAMOKU_ZANDAKA>2000000</HOJYOKAMOKU_ZANDAKA>",
        "\t\t\t</HOJYOKAMOKU>",
        "\t\t</KANJYOKAMOKU>",
        "\t\t<KANJYOKAMOKU Count=\"   3\">",
        "\t\t\t<KANJYOKAMOKU_CODE>215</KANJYOKAMOKU_CODE>",
        "\t\t\t<KANJYOKAMOKU_NAME>仮受金</KANJYOKAMOKU_NAME>",
        "\t\t\t<KANJYOKAMOKU_ZANDAKA>12500</KANJYOKAMOKU_ZANDAKA>",
        "\t\t</KANJYOKAMOKU>",
        "\t\t<KANJYOKAMOKU Count=\"   4\">",
        "\t\t\t<KANJYOKAMOKU_CODE>411</KANJYOKAMOKU_CODE>",
        "\t\t\t<KANJYOKAMOKU_NAME>売上高</KANJYOKAMOKU_NAME>",
        "\t\t\t<KANJYOKAMOKU_ZANDAKA>97500</KANJYOKAMOKU_ZANDAKA>",
        "\t\t</KANJYOKAMOKU>",
        "\t</DATA>",
        "</REPORT>",
    };
    std::string all;
    for (const std::string& l : lines) all += l + "\r\n";
    return all;
}

enum Action { EXECUTE, CANCEL, NONE };

struct Case {
    const char* name;
    const char* edition;
    bool host;               // started by the simulator
    const char* hostPath;    // fourth launch field (host mode), relative to the case folder
    const char* user;
    const char* fault;       // LEDGER_FAULT_MOVENEXT, or null
    Action action;
    const char* typedPath;   // typed into the path (standalone), relative to the case folder
    bool lockReport;         // the report file is held open by another program
    bool settingsUnwritable; // the settings folder lies under a file
    bool fullDisk;           // the report goes to a disk with no room left
    const char* box;         // the last message shown
    int result;              // LinkResult posted (host mode)
    bool report;             // the report is written
    const char* settingsPath;  // path stored in the settings line, or null for no settings file
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

const Case kCases[] = {
    {"written-standalone", "BreakdownLinkA", false, nullptr, "USER1", nullptr, EXECUTE, "out\\report.xml", false,
     false, false, kDone, 0, true, "out\\report.xml"},
    {"written-host-preset", "BreakdownLinkB", true, "out\\host.xml", "USER1", nullptr, EXECUTE, nullptr, false, false,
     false, kDone, 0, true, ""},
    {"cancelled", "BreakdownLinkC", true, nullptr, "USER1", nullptr, CANCEL, nullptr, false, false, false, kCancelled,
     1, false, nullptr},
    {"past-results", "BreakdownLinkA", true, nullptr, "USER2", nullptr, NONE, nullptr, false, false, false, kPastData,
     1, false, nullptr},
    {"report-not-written", "BreakdownLinkA", true, "out\\locked.xml", "USER1", nullptr, EXECUTE, nullptr, true, false,
     false, kXmlFailed, 2, false, nullptr},
    {"disk-full", "BreakdownLinkA", true, "report.xml", "USER1", nullptr, EXECUTE, nullptr, false, false, true,
     kXmlFailed, 2, false, nullptr},
    {"summation-failed", "BreakdownLinkA", true, "out\\host.xml", "USER1", "2", EXECUTE, nullptr, false, false, false,
     kCalcFailed, 2, false, nullptr},
    {"settings-unwritable", "BreakdownLinkA", false, nullptr, "USER1", nullptr, EXECUTE, "out\\report.xml", false, true,
     false, kDone, 0, true, nullptr},
};

class Run : public ::testing::TestWithParam<Case> {};

TEST_P(Run, EndsAsItShould) {
    const Case& c = GetParam();
    std::string db = BooksDb();
    std::string dir = e2e::FreshDir(std::string("run-") + c.name);
    std::string exe = e2e::InstallEdition(dir, c.edition);
    ASSERT_FALSE(exe.empty());
    e2e::WriteBytes(dir + "OrvaneDef.ini", "[ProgramLevel]\r\nKX13_U=3\r\n");
    ASSERT_TRUE(e2e::Copy(e2e::SourceDir() + "res\\SUPPORT.INF", dir + "SUPPORT.INF"));
    ::CreateDirectoryA((dir + "out").c_str(), nullptr);

    std::string settings = dir + "settings\\";
    if (c.settingsUnwritable) {
        e2e::WriteBytes(dir + "afile", "x");
        settings = dir + "afile\\settings\\";
    }
    e2e::SetEnv("LEDGER_CONNECTION", e2e::Connection(db).c_str());
    e2e::SetEnv("LEDGER_USER", c.user);
    e2e::SetEnv("LEDGER_SETTINGS_FOLDER", settings.c_str());
    e2e::SetEnv("LEDGER_OUTPUT_FOLDER", (dir + "out\\").c_str());
    e2e::SetEnv("LEDGER_FAULT_MOVENEXT", c.fault);

    std::string reportPath = c.hostPath ? dir + c.hostPath : c.typedPath ? dir + c.typedPath : std::string();
    if (c.fullDisk) {
        // Mounted and filled by the test fixture, where mounting is allowed.
        std::string full = e2e::BinDir() + "..\\full-disk\\";
        if (!e2e::Exists(full + "full-disk.marker")) GTEST_SKIP() << "no full disk could be mounted here";
        reportPath = full + c.hostPath;
        ::DeleteFileA(reportPath.c_str());
    }
    HANDLE lock = INVALID_HANDLE_VALUE;
    if (c.lockReport) {
        e2e::WriteBytes(reportPath, "held");
        lock = ::CreateFileA(reportPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    }

    std::string cmd;
    if (c.host)
        cmd = "\"" + e2e::BinDir() + "hostsim.exe\" --msg 32769 --func 5 " +
              (c.hostPath ? "--path \"" + reportPath + "\" " : std::string()) + "\"" + exe + "\"";
    else
        cmd = "\"" + exe + "\"";

    e2e::BoxAnswerer boxes;
    boxes.anyProcess = true;
    bool acted = false;
    e2e::Result r = e2e::Run(cmd, 180, [&](DWORD pid) {
        boxes(pid);
        if (acted || c.action == NONE) return;
        HWND dlg = ::FindWindowA("#32770", kDialogCaption);
        if (dlg == nullptr || !::IsWindowVisible(dlg)) return;
        acted = true;
        ::Sleep(200);
        HWND month = ::GetDlgItem(dlg, 1000);
        if (c.typedPath) ::SendMessageA(::GetDlgItem(dlg, 1015), WM_SETTEXT, 0, (LPARAM)reportPath.c_str());
        WPARAM key = c.action == EXECUTE ? VK_F12 : VK_ESCAPE;
        ::PostMessageA(month, WM_KEYDOWN, key, 1);
        ::PostMessageA(month, WM_KEYUP, key, 0xC0000001);
    });
    if (lock != INVALID_HANDLE_VALUE) ::CloseHandle(lock);
    e2e::SetEnv("LEDGER_FAULT_MOVENEXT", nullptr);
    ASSERT_FALSE(r.timedOut) << r.out;

    ASSERT_FALSE(boxes.seen.empty());
    EXPECT_EQ(boxes.seen.back().caption, "科目内訳書");
    EXPECT_EQ(boxes.seen.back().text, c.box);
    if (c.host) {
        auto kv = e2e::KeyValues(r.out);
        EXPECT_EQ(kv["disabled_while_running"], "1") << r.out;
        EXPECT_EQ(kv["enabled_after"], "1") << r.out;
        EXPECT_EQ(kv["message"], "32769 wparam=00000005 lparam=" + std::to_string(c.result)) << r.out;
    }
    if (c.report) {
        EXPECT_EQ(e2e::ReadBytes(reportPath), ExpectedReport(c.host ? 5 : 1));
    } else if (c.fullDisk) {
        // What could be written stays; it is no complete report.
        EXPECT_NE(e2e::ReadBytes(reportPath), ExpectedReport(5));
    } else if (!c.lockReport && !reportPath.empty()) {
        EXPECT_FALSE(e2e::Exists(reportPath)) << "no report after a failed run";
    }
    std::string envFile = settings + c.edition + ".env";
    if (c.settingsPath) {
        std::string stored = *c.settingsPath ? dir + c.settingsPath : std::string();
        EXPECT_EQ(e2e::ReadBytes(envFile), "USER1/1/1:0/3/" + stored + "\n");
    } else {
        EXPECT_FALSE(e2e::Exists(envFile));
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, Run, ::testing::ValuesIn(kCases), [](const ::testing::TestParamInfo<Case>& i) {
    std::string n = i.param.name;
    for (char& ch : n)
        if (ch == '-') ch = '_';
    return n;
});

}  // namespace
