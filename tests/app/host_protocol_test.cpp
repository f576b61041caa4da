// The launch protocol end to end: the simulator plays the tax-form
// application and starts a real edition program, which must disable the
// window while it runs, enable it again and post its result - or leave the
// window alone when it never got that far.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/support/books.h"
#include "tests/support/e2e.h"

namespace {

const char kLevelOk[] = "[ProgramLevel]\r\nKX13_U=3\r\n";

// A books database with one user, USER1, made once for the whole program.
const std::string& BooksDb() {
    static std::string db;
    if (db.empty()) {
        std::string dir = e2e::FreshDir("host-books");
        db = dir + "books.db";
        std::string out;
        EXPECT_EQ(e2e::Loader("--db \"" + e2e::UnixPath(db) + "\" --init", &out), 0) << out;
        EXPECT_EQ(e2e::Loader("--db \"" + e2e::UnixPath(db) + "\" --user USER1 --select 1,1", &out), 0) << out;
        // A second database whose user table is gone: the books cannot be read.
        std::string broken = dir + "broken.db";
        e2e::Copy(db, broken);
        EXPECT_TRUE(e2e::ExecSql(broken, "DROP TABLE users"));
    }
    return db;
}

struct Case {
    const char* name;
    const char* edition;
    const char* connection;  // "ok", "missing", "broken"
    const char* user;
    const char* level;        // OrvaneDef.ini content, or null for none
    const char* hostArgs;     // extra simulator arguments
    int disabled;
    const char* message;      // what the simulator received
    const char* boxStart;     // start of the message shown, or null for none
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class HostProtocol : public ::testing::TestWithParam<Case> {};

TEST_P(HostProtocol, Run) {
    const Case& c = GetParam();
    std::string db = BooksDb();
    std::string dir = e2e::FreshDir(std::string("host-") + c.name);
    std::string exe = e2e::InstallEdition(dir, c.edition);
    ASSERT_FALSE(exe.empty());
    if (c.level) e2e::WriteBytes(dir + "OrvaneDef.ini", c.level);

    std::string conn = std::string(c.connection) == "ok"       ? e2e::Connection(db)
                       : std::string(c.connection) == "broken" ? e2e::Connection(db.substr(0, db.size() - 8) + "broken.db")
                                                               : e2e::Connection(dir + "missing.db");
    e2e::SetEnv("LEDGER_CONNECTION", conn.c_str());
    e2e::SetEnv("LEDGER_USER", c.user);
    e2e::SetEnv("LEDGER_SETTINGS_FOLDER", (dir + "settings").c_str());
    e2e::SetEnv("LEDGER_OUTPUT_FOLDER", dir.c_str());
    e2e::SetEnv("LEDGER_PACKAGE_NAME", "科目内訳書システム");

    e2e::BoxAnswerer boxes;
    boxes.anyProcess = true;  // the component is the simulator's child
    e2e::Result r = e2e::Run("\"" + e2e::BinDir() + "hostsim.exe\" " + c.hostArgs + " \"" + exe + "\"", 120,
                             [&](DWORD pid) { boxes(pid); });
    ASSERT_FALSE(r.timedOut) << r.out;
    if (c.boxStart) {
        ASSERT_EQ(boxes.seen.size(), 1u) << r.out;
        EXPECT_EQ(boxes.seen[0].caption, "科目内訳書");
        EXPECT_EQ(boxes.seen[0].text.rfind(c.boxStart, 0), 0u) << boxes.seen[0].text;
    } else {
        EXPECT_TRUE(boxes.seen.empty()) << boxes.seen[0].text;
    }
    auto kv = e2e::KeyValues(r.out);
    EXPECT_EQ(kv["disabled_while_running"], std::to_string(c.disabled)) << r.out;
    EXPECT_EQ(kv["enabled_after"], "1") << r.out;
    EXPECT_EQ(kv["message"], c.message) << r.out;
    EXPECT_FALSE(e2e::Exists(dir + "missing.db")) << "a missing database must not be created";
}

const Case kCases[] = {
    // The connection cannot start: the arguments were never read.
    {"no-connection", "BreakdownLinkA", "missing", "USER1", kLevelOk, "--msg 32769 --func 5", 0, "none", nullptr},
    // Link refused: cancelled, for every edition.
    {"unknown-user-A", "BreakdownLinkA", "ok", "NOBODY", kLevelOk, "--msg 32769 --func 5", 1,
     "32769 wparam=00000005 lparam=1", nullptr},
    {"unknown-user-B", "BreakdownLinkB", "ok", "NOBODY", kLevelOk, "--msg 40000 --func 7", 1,
     "40000 wparam=00000007 lparam=1", nullptr},
    {"unknown-user-C", "BreakdownLinkC", "ok", "NOBODY", kLevelOk, "--msg 32769 --func 65535", 1,
     "32769 wparam=ffffffff lparam=1", nullptr},
    // The books cannot be read: failed.
    {"broken-books", "BreakdownLinkA", "broken", "USER1", kLevelOk, "--msg 32769 --func 5", 1,
     "32769 wparam=00000005 lparam=2", nullptr},
    // The installation does not fit: failed, after the level message.
    {"no-definition", "BreakdownLinkA", "ok", "USER1", nullptr, "--msg 32769 --func 5", 1,
     "32769 wparam=00000005 lparam=2", "動作環境が不正です。\n科目内訳書システムが正しく"},
    {"level-too-high", "BreakdownLinkA", "ok", "USER1", "[ProgramLevel]\r\nKX13_U=4\r\n", "--msg 32769 --func 5", 1,
     "32769 wparam=00000005 lparam=2", "ご利用の連動コンポーネントは、インストールされている科目内訳書システムでは使用できません。\n連動"},
    // Two commas only: no host mode, nothing disabled or posted.
    {"two-commas", "BreakdownLinkA", "ok", "NOBODY", kLevelOk, "--args %HWND%,32769,5", 0, "none", nullptr},
};

INSTANTIATE_TEST_SUITE_P(Cases, HostProtocol, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& i) {
                             std::string n = i.param.name;
                             for (char& ch : n)
                                 if (ch == '-') ch = '_';
                             return n;
                         });

}  // namespace
