// Test books through the loader and raw SQL.
#include "tests/support/books.h"

#include <windows.h>
#include <sql.h>
#include <sqlext.h>

#include "tests/support/e2e.h"

namespace e2e {

std::string UnixPath(const std::string& w) {
    std::string s = w;
    if (s.size() >= 2 && (s[0] == 'Z' || s[0] == 'z') && s[1] == ':') s = s.substr(2);
    for (char& c : s)
        if (c == '\\') c = '/';
    return s;
}

std::string Connection(const std::string& db) {
    return "DRIVER=SQLite3;Database=" + UnixPath(db) + ";NoCreat=1";
}

int Loader(const std::string& args, std::string* out) {
    Result r = Run("\"" + BinDir() + "loadbooks.exe\" " + args, 300);
    if (out) *out += r.out;
    return r.timedOut ? -1 : (int)r.exitCode;
}

bool ExecSql(const std::string& db, const std::string& sql) {
    SQLHENV env = nullptr;
    SQLHDBC dbc = nullptr;
    SQLHSTMT st = nullptr;
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, (SQLPOINTER)SQL_OV_ODBC3, 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    std::string conn = Connection(db);
    SQLCHAR outConn[1024];
    SQLSMALLINT outLen = 0;
    bool ok = SQL_SUCCEEDED(SQLDriverConnect(dbc, nullptr, (SQLCHAR*)conn.c_str(), SQL_NTS, outConn, sizeof outConn,
                                             &outLen, SQL_DRIVER_NOPROMPT));
    if (ok) {
        SQLAllocHandle(SQL_HANDLE_STMT, dbc, &st);
        ok = SQL_SUCCEEDED(SQLExecDirect(st, (SQLCHAR*)sql.c_str(), SQL_NTS));
        SQLFreeHandle(SQL_HANDLE_STMT, st);
        SQLDisconnect(dbc);
    }
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return ok;
}

}  // namespace e2e
