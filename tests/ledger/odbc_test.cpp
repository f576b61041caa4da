// Under Wine: the books loader and the ODBC books source end to end on a
// temporary database, the connection's configuration and user link.
// Fields of the packed records are compared by value (+x): a reference to
// one may be misaligned.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "ledger/books.h"
#include "ledger/connect.h"
#include "ledger/managers.h"
#include "ledger/paths.h"
#include "ledger/standin/odbc.h"
#include "tests/ledger/books_fixture.h"

namespace {

std::string Env(const char* name) {
    char buf[1024];
    DWORD n = GetEnvironmentVariableA(name, buf, sizeof buf);
    return n > 0 && n < sizeof buf ? std::string(buf, n) : std::string();
}

// Linux path of the scratch folder, and its Windows form (drive Z: is /).
std::string LinuxDir() { return Env("BL_BINARY_DIR") + "/tests/ledger/scratch"; }
std::string WinPath(const std::string& linux) {
    std::string w = "Z:" + linux;
    for (char& c : w)
        if (c == '/') c = '\\';
    return w;
}

void WriteFile(const std::string& name, const std::string& utf8) {
    std::ofstream(WinPath(LinuxDir() + "/" + name), std::ios::binary) << utf8;
}

bool FileExists(const std::string& linux) {
    return GetFileAttributesA(WinPath(linux).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Runs the loader; returns its exit code, its error output in *pErr.
int Loader(const std::string& args, std::string* pErr = nullptr) {
    std::string exe = WinPath(LOADBOOKS_EXE);
    std::string errFile = WinPath(LinuxDir() + "/stderr.txt");
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    HANDLE h = CreateFileA(errFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdError = h;
    si.hStdOutput = h;
    PROCESS_INFORMATION pi = {};
    std::string cmd = "\"" + exe + "\" " + args;
    std::vector<char> line(cmd.begin(), cmd.end());
    line.push_back('\0');
    DWORD code = 999;
    // The loader reads its files from the scratch folder.
    std::string dir = WinPath(LinuxDir());
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, dir.c_str(), &si, &pi)) {
        WaitForSingleObject(pi.hProcess, 60000);
        GetExitCodeProcess(pi.hProcess, &code);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    CloseHandle(h);
    if (pErr) {
        std::ifstream in(errFile, std::ios::binary);
        pErr->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return (int)code;
}

std::string Connection(const std::string& db) { return "DRIVER=SQLite3;Database=" + db + ";NoCreat=1"; }

int64_t Count(const std::string& db, const char* table) {
    ledger::OdbcConnection conn;
    if (!conn.Open(Connection(db), nullptr)) return -1;
    ledger::OdbcStatement q(conn);
    std::string sql = std::string("SELECT COUNT(*) FROM ") + table;
    if (!q.Prepare(sql.c_str()) || !q.Execute() || !q.Fetch()) return -1;
    return q.GetInt(1);
}

const char kAccounts[] =
    u8"code,name,kind,side,order,omit1,omit2,attr_bits\n"
    u8"1110000,現金,0,1,10,0,0,0\n"
    u8"1310000,普通預金,0,1,20,0,0,0\n"
    u8"1310001,表参道銀行,0,1,2,0,0,0\n"  // 表 has trail byte 0x5C in Shift-JIS
    u8"1310002,第二銀行,0,1,1,0,0,0\n"
    u8"4110000,売上高,1,2,30,0,0,0x08000000\n";
const char kOpening[] = "code,debit,credit\n1110000,1000,0\n1310001,250.5,0\n";
const char kJournal[] =
    "date,period,debit_code,credit_code,amount_nuki,amount_komi\n"
    "20230405,,1110000,4110000,100,110\n"
    "20230930,14,1310002,1110000,0.0001,0.0001\n"
    "20240331,13,1310001,4110000,20,22\n"
    "20240315,,1110000,4110000,1.5,1.65\n";

class Books : public testing::Test {
protected:
    static void SetUpTestSuite() {
        CreateDirectoryA(WinPath(Env("BL_BINARY_DIR") + "/tests/ledger").c_str(), nullptr);
        CreateDirectoryA(WinPath(LinuxDir()).c_str(), nullptr);
        s_db = LinuxDir() + "/books.db";
        DeleteFileA(WinPath(s_db).c_str());
        WriteFile("company.txt", u8"株式会社サンプル\n");
        WriteFile("accounts.csv", kAccounts);
        WriteFile("opening.csv", kOpening);
        WriteFile("journal.csv", kJournal);
        std::string err;
        ASSERT_EQ(0, Loader("--db " + s_db +
                                " --init --dataset 3 --data-id D003 --company-file company.txt"
                                " --period-start 20230401 --period-end 20240331 --interim 1 --tax-inclusive"
                                " --accounts accounts.csv --opening opening.csv --journal journal.csv",
                            &err))
            << err;
        ASSERT_EQ(0, Loader("--db " + s_db + " --user alice --select 5,3")) << err;
        ASSERT_EQ(0, Loader("--db " + s_db + " --user mallory --select 0,3 --locked")) << err;
    }
    void SetUp() override {
        SetEnvironmentVariableA("LEDGER_CONNECTION", Connection(s_db).c_str());
        SetEnvironmentVariableA("LEDGER_USER", "alice");
    }
    void TearDown() override {
        ClAccConnect::Inst()->LogOut();
        ClAccConnect::Inst()->Terminate();
        ClAccConnect::Inst()->Release();
        SetEnvironmentVariableA("LEDGER_CONNECTION", nullptr);
        SetEnvironmentVariableA("LEDGER_USER", nullptr);
    }
    static std::string s_db;
};
std::string Books::s_db;

TEST_F(Books, LinkedUserSeesSelectedDataSetAndTotals) {
    ClAccConnect* conn = ClAccConnect::Inst();
    ASSERT_EQ(0, conn->Initiate());
    ASSERT_EQ(0, conn->ExpSysLink());
    ClSetData* data = static_cast<ClSetData*>(ClDataMgr::Inst()->GetSetObject(ClDataMgr::SET_DATA, 1));
    StDATAINFO* info = data->GetSelectedInfo();
    EXPECT_STREQ("D003", info->szDataID);
    EXPECT_EQ(3, +info->lDataNo);
    EXPECT_STREQ("株式会社サンプル", info->szCompanyName);  // Shift-JIS now
    EXPECT_EQ(20230401, +info->lPeriodStart);
    EXPECT_EQ(1, +info->lChukanKessan);

    StSHOHIZEIINFO tax;
    ClSetShohizei* shohizei = static_cast<ClSetShohizei*>(ClDataMgr::Inst()->GetSetObject(ClDataMgr::SET_SHOHIZEI, 1));
    shohizei->SetCurDataID(info->szDataID);
    ASSERT_EQ(0, shohizei->Get(&tax));
    EXPECT_EQ(1, +tax.cKomiNyuryoku);

    StFINDINFO chain = testbooks::Entry(17, 4, 2, 1, 0);  // every month from the first
    ClRuleKamoku rule;
    rule.SetCurDataID(info->szDataID);
    ASSERT_EQ(0, rule.MoveReady(1, 0, 0, &chain, nullptr, 0));
    std::vector<StKAMOKUSUMINFO> recs;
    StKAMOKUSUMINFO rec;
    while (rule.MoveNext(&rec) == 0) recs.push_back(rec);
    ASSERT_EQ(6u, recs.size());
    const int32_t codes[] = {1110000, 1310000, 1310002, 1310001, 1310000, 4110000};
    for (size_t i = 0; i < recs.size(); ++i) EXPECT_EQ(codes[i], +recs[i].lCode) << i;
    EXPECT_STREQ("表参道銀行", recs[3].szName);
    // Cash: 1000 brought forward; month 1: +100 (incl. 110); month 12: +1.5;
    // interim: -0.0001 to the second bank.
    EXPECT_EQ(10000000, +recs[0].llKariNuki[0]);
    EXPECT_EQ(1000000, +recs[0].llKariNuki[1]);
    EXPECT_EQ(1100000, +recs[0].llKariKomi[1]);
    EXPECT_EQ(15000, +recs[0].llKariNuki[12]);
    EXPECT_EQ(1, +recs[0].llKashiNuki[14]);
    // Deposits include both banks: 250.5 brought forward, 20 at year end, 0.0001 interim.
    EXPECT_EQ(2505000, +recs[1].llKariNuki[0]);
    EXPECT_EQ(200000, +recs[1].llKariNuki[13]);
    EXPECT_EQ(220000, +recs[1].llKariKomi[13]);
    EXPECT_EQ(1, +recs[1].llKariNuki[14]);
    EXPECT_EQ(0x08000000u, +recs[5].ulAttrBits);
    EXPECT_EQ(2, +recs[5].cTaishaku);
    EXPECT_EQ(1100000 + 16500 + 220000, recs[5].llKashiKomi[1] + recs[5].llKashiKomi[12] + recs[5].llKashiKomi[13]);
    rule.MoveFinish();

    StFINDINFO find = testbooks::Entry(2, 1, 3, 4110000, 0);
    ClSetKamoku* master = static_cast<ClSetKamoku*>(ClDataMgr::Inst()->GetSetObject(ClDataMgr::SET_KAMOKU, 1));
    long cursor = 0;
    master->GetCursor(&cursor);
    master->ReadyCursor(cursor);
    StKAMOKUINFO k;
    ASSERT_EQ(0, master->WalkFind(&find, &k, cursor));
    EXPECT_EQ(1, +k.cKind);
    EXPECT_STREQ("売上高", k.szName);
    master->ReleaseCursor(cursor);
}

TEST_F(Books, UserLinkResults) {
    struct Case {
        const char* user;
        long expected;
    } cases[] = {{"alice", 0}, {"bob", 1}, {"mallory", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.user);
        SetEnvironmentVariableA("LEDGER_USER", c.user);
        ASSERT_EQ(0, ClAccConnect::Inst()->Initiate());
        EXPECT_EQ(c.expected, ClAccConnect::Inst()->ExpSysLink());
        char id[65] = {};
        ClDataMgr::Inst()->GetSysUserObject()->GetCurUserID(id);
        EXPECT_STREQ(c.user, id);
        ClAccConnect::Inst()->Release();
    }
}

TEST_F(Books, UnreadableBooksGiveLinkFailure) {
    std::string copy = LinuxDir() + "/broken.db";
    ASSERT_TRUE(CopyFileA(WinPath(s_db).c_str(), WinPath(copy).c_str(), FALSE));
    {
        ledger::OdbcConnection conn;
        ASSERT_TRUE(conn.Open(Connection(copy), nullptr));
        ASSERT_TRUE(conn.Exec("DROP TABLE data_sets", nullptr));
    }
    SetEnvironmentVariableA("LEDGER_CONNECTION", Connection(copy).c_str());
    ASSERT_EQ(0, ClAccConnect::Inst()->Initiate());
    EXPECT_EQ(2, ClAccConnect::Inst()->ExpSysLink());
}

TEST_F(Books, InitiateRefusesMissingAndForeignDatabases) {
    std::string missing = LinuxDir() + "/missing.db";
    DeleteFileA(WinPath(missing).c_str());
    SetEnvironmentVariableA("LEDGER_CONNECTION", Connection(missing).c_str());
    EXPECT_NE(0, ClAccConnect::Inst()->Initiate());
    EXPECT_FALSE(FileExists(missing));
    // Without NoCreat in the configuration the library still creates nothing.
    SetEnvironmentVariableA("LEDGER_CONNECTION", ("DRIVER=SQLite3;Database=" + missing).c_str());
    EXPECT_NE(0, ClAccConnect::Inst()->Initiate());
    EXPECT_FALSE(FileExists(missing));

    std::string foreign = LinuxDir() + "/foreign.db";
    DeleteFileA(WinPath(foreign).c_str());
    {
        ledger::OdbcConnection conn;
        ASSERT_TRUE(conn.Open("DRIVER=SQLite3;Database=" + foreign, nullptr));
        ASSERT_TRUE(conn.Exec("CREATE TABLE meta(key TEXT, value TEXT)", nullptr));
    }
    SetEnvironmentVariableA("LEDGER_CONNECTION", Connection(foreign).c_str());
    EXPECT_NE(0, ClAccConnect::Inst()->Initiate());
    // A refused connection leaves no books behind for the library objects.
    EXPECT_NE(0, ClAccConnect::Inst()->ExpSysLink());
}

TEST_F(Books, LoaderRefusesBadRowsAndKeepsNothing) {
    struct Case {
        const char* file;
        const char* content;
        const char* expected;  // in the message
    } cases[] = {
        {"accounts", "code,name,kind,side,order,omit1,omit2,attr_bits\n1510000,x,0,1,40,0,0,0\n1520000,x,0,3,41,0,0,0\n",
         "bad.csv:3: field side"},
        {"accounts", "code,name,kind,side,order,omit1,omit2,attr_bits\n1510000,\xF0\x9F\x98\x80,0,1,40,0,0,0\n",
         "bad.csv:2: field name: has characters without a Shift-JIS form"},
        {"accounts", "code,name,kind,side,order,omit1,omit2,attr_bits\n1110000,x,0,1,10,0,0,0\n",
         "bad.csv:2: field code: code used twice"},
        {"accounts", "code,name,kind,side,order,omit1,omit2,attr_bits\n1610001,x,0,1,10,0,0,0\n",
         "bad.csv:2: field code: sub-account without its account"},
        {"opening", "code,debit,credit\n1110000,5,0\n9990000,1,0\n", "bad.csv:3: field code: no such account"},
        {"journal", "date,period,debit_code,credit_code,amount_nuki,amount_komi\n20230501,,1110000,4110000,1,1\n20230231,,1110000,4110000,1,1\n",
         "bad.csv:3: field date: not a date"},
        {"journal", "date,period,debit_code,credit_code,amount_nuki,amount_komi\n20240401,,1110000,4110000,1,1\n",
         "bad.csv:2: field date: outside the accounting period"},
        {"journal", "date,period,debit_code,credit_code,amount_nuki,amount_komi\n20230501,15,1110000,4110000,1,1\n",
         "bad.csv:2: field period"},
        {"journal", "date,period,debit_code,credit_code,amount_nuki,amount_komi\n20230501,,1110000,4119999,1,1\n",
         "bad.csv:2: field credit_code: no such account"},
        {"journal", "date,period,debit_code,credit_code,amount_nuki,amount_komi\n20230501,,1110000,4110000,1.00001,1\n",
         "bad.csv:2: field amount_nuki: not an amount"},
        {"journal", "date,period,debit_code,credit_code,amount_nuki,amount_komi\n20230501,,1110000,4110000,1\n",
         "bad.csv:2: field date,period,debit_code,credit_code,amount_nuki,amount_komi: expected 6 fields"},
    };
    const char* tables[] = {"accounts", "opening", "journal", "totals", "data_sets", "users"};
    std::vector<int64_t> before;
    for (const char* t : tables) before.push_back(Count(s_db, t));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        WriteFile("bad.csv", c.content);
        std::string err;
        // The same command also stores a user, who must vanish with the rest.
        EXPECT_EQ(1, Loader("--db " + s_db + " --dataset 3 --" + c.file + " bad.csv --user eve --select 1,1", &err));
        EXPECT_NE(std::string::npos, err.find(c.expected)) << err;
        EXPECT_NE(std::string::npos, err.find("nothing was loaded")) << err;
        for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(before[i], Count(s_db, tables[i])) << tables[i];
    }
}

// The demo books: every posting balances, so the debits and credits of all
// accounts (sub-accounts are inside their accounts) cancel, with tax and
// without; and the loader's totals agree with a hand check of the cash.
TEST_F(Books, DemoBooksBalance) {
    std::string demo = WinPath(LEDGER_DEMO_DIR);
    std::string db = LinuxDir() + "/demo.db";
    DeleteFileA(WinPath(db).c_str());
    std::string err;
    ASSERT_EQ(0, Loader("--db " + db + " --init --dataset 1 --data-id SMPL2023 --company-file \"" + demo +
                            "\\company.txt\" --period-start 20230401 --period-end 20240331 --interim 1"
                            " --accounts \"" + demo + "\\accounts.csv\" --opening \"" + demo +
                            "\\opening.csv\" --journal \"" + demo + "\\journal.csv\" --user demo --select 1,1",
                        &err))
        << err;
    SetEnvironmentVariableA("LEDGER_CONNECTION", Connection(db).c_str());
    SetEnvironmentVariableA("LEDGER_USER", "demo");
    ASSERT_EQ(0, ClAccConnect::Inst()->Initiate());
    ASSERT_EQ(0, ClAccConnect::Inst()->ExpSysLink());
    StFINDINFO chain = testbooks::Entry(17, 4, 2, 1, 0);
    ClRuleKamoku rule;
    rule.SetCurDataID("SMPL2023");
    ASSERT_EQ(0, rule.MoveReady(1, 0, 0, &chain, nullptr, 0));
    unsigned long count = 0;
    ASSERT_EQ(0, rule.GetSumCount(&count));
    EXPECT_LT(50u, count);
    int64_t nuki = 0, komi = 0, cash = 0;
    StKAMOKUSUMINFO rec;
    int32_t previous = -1;
    while (rule.MoveNext(&rec) == 0) {
        bool closing = rec.lCode == previous / 10000 * 10000 && previous % 10000 != 0;
        previous = rec.lCode;
        if (rec.lCode % 10000 != 0 || closing) continue;
        for (int p = 0; p < KAMOKU_PERIODS; ++p) {
            nuki += rec.llKariNuki[p] - rec.llKashiNuki[p];
            komi += rec.llKariKomi[p] - rec.llKashiKomi[p];
            if (rec.lCode == 1110000) cash += rec.llKariNuki[p] - rec.llKashiNuki[p];
        }
    }
    EXPECT_EQ(0, nuki);
    EXPECT_EQ(0, komi);
    EXPECT_EQ(25331810000, cash);  // 2,533,181 yen
}

// What the message box showed; filled by the hook, which also closes it.
struct ShownBox {
    std::string text, caption;
};
ShownBox g_shown;
HHOOK g_hook;
HWND g_box;

// Runs in the box's own message loop, once its text is in place.
void CALLBACK ReadAndCloseBox(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    char buf[512] = {};
    GetWindowTextA(g_box, buf, sizeof buf);
    g_shown.caption = buf;
    GetDlgItemTextA(g_box, 0xFFFF, buf, sizeof buf);
    g_shown.text = buf;
    PostMessageA(g_box, WM_COMMAND, IDCANCEL, 0);
}

LRESULT CALLBACK WatchBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && !g_box) {
        g_box = (HWND)wParam;
        SetTimer(nullptr, 0, 50, ReadAndCloseBox);
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

TEST(Messages, PackageNameFromTheIniReplacesTheToken) {
    // ledger.ini beside the test program, in Shift-JIS like the real one.
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string ini = exe;
    ini = ini.substr(0, ini.rfind('\\') + 1) + "ledger.ini";
    std::ofstream(ini, std::ios::binary) << "[Ledger]\r\nPackageName=会計ソフト表\r\n";
    g_hook = SetWindowsHookExA(WH_CBT, WatchBox, nullptr, GetCurrentThreadId());
    long rc = ClAccConnect::Inst()->DispMsg(nullptr, "ES_APRPACKAGENAMEを起動してください。(ES_APRPACKAGENAME)",
                                            "科目内訳書", MB_ICONEXCLAMATION | MB_OKCANCEL);
    UnhookWindowsHookEx(g_hook);
    DeleteFileA(ini.c_str());
    EXPECT_EQ(IDCANCEL, rc);
    EXPECT_EQ("科目内訳書", g_shown.caption);
    EXPECT_EQ("会計ソフト表を起動してください。(会計ソフト表)", g_shown.text);
}

TEST(Folders, ConfiguredFoldersEndWithOneBackslash) {
    struct Case {
        const char* configured;  // null: unset
        const char* expected;
    } cases[] = {
        {nullptr, ""},
        {"C:\\out", "C:\\out\\"},
        {"C:\\out\\", "C:\\out\\"},
        {"C:\\表", "C:\\表\\"},  // ends in the trail byte 0x5C, not a backslash
        {"\\\\srv\\share\\表\\", "\\\\srv\\share\\表\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        SetEnvironmentVariableA("LEDGER_OUTPUT_FOLDER", c.configured);
        SetEnvironmentVariableA("LEDGER_SETTINGS_FOLDER", c.configured);
        const char* out = ClFileMgr::Inst()->GetAppFolderPath(ClFileMgr::FOLDER_OUTPUT);
        ASSERT_NE(nullptr, out);
        EXPECT_STREQ(c.expected, out);
        EXPECT_STREQ(c.expected, ClFileMgr::Inst()->GetAppFolderPath(ClFileMgr::FOLDER_SETTINGS));
    }
    SetEnvironmentVariableA("LEDGER_OUTPUT_FOLDER", nullptr);
    SetEnvironmentVariableA("LEDGER_SETTINGS_FOLDER", nullptr);
    EXPECT_STREQ("", ClFileMgr::Inst()->GetAppFolderPath(7));
}

}  // namespace
