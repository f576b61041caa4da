// ODBC through the un-suffixed ANSI functions (the ones Wine forwards).
#include "ledger/standin/odbc.h"

#include <algorithm>
#include <cstring>

namespace ledger {

std::string OdbcDiagnostic(SQLSMALLINT type, SQLHANDLE handle) {
    SQLCHAR state[6] = {}, text[512] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT len = 0;
    if (handle == SQL_NULL_HANDLE ||
        !SQL_SUCCEEDED(SQLGetDiagRec(type, handle, 1, state, &native, text, sizeof text, &len)))
        return "unknown ODBC failure";
    return std::string((char*)state) + ": " + (char*)text;
}

bool OdbcConnection::Open(const std::string& connection, std::string* pErr) {
    Close();
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &m_hEnv)) ||
        !SQL_SUCCEEDED(SQLSetEnvAttr(m_hEnv, SQL_ATTR_ODBC_VERSION, (SQLPOINTER)SQL_OV_ODBC3, 0)) ||
        !SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, m_hEnv, &m_hDbc))) {
        if (pErr) *pErr = "ODBC is not available";
        Close();
        return false;
    }
    SQLCHAR out[1024];
    SQLSMALLINT outLen = 0;
    SQLRETURN rc = SQLDriverConnect(m_hDbc, nullptr, (SQLCHAR*)connection.c_str(), SQL_NTS, out, sizeof out,
                                    &outLen, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) {
        if (pErr) *pErr = OdbcDiagnostic(SQL_HANDLE_DBC, m_hDbc);
        SQLFreeHandle(SQL_HANDLE_DBC, m_hDbc);
        m_hDbc = SQL_NULL_HDBC;
        Close();
        return false;
    }
    return true;
}

void OdbcConnection::Close() {
    if (m_hDbc != SQL_NULL_HDBC) {
        SQLDisconnect(m_hDbc);
        SQLFreeHandle(SQL_HANDLE_DBC, m_hDbc);
        m_hDbc = SQL_NULL_HDBC;
    }
    if (m_hEnv != SQL_NULL_HENV) {
        SQLFreeHandle(SQL_HANDLE_ENV, m_hEnv);
        m_hEnv = SQL_NULL_HENV;
    }
}

bool OdbcConnection::Exec(const char* sql, std::string* pErr) {
    SQLHSTMT h = SQL_NULL_HSTMT;
    if (!IsOpen() || !SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, m_hDbc, &h))) {
        if (pErr) *pErr = "no connection";
        return false;
    }
    SQLRETURN rc = SQLExecDirect(h, (SQLCHAR*)sql, SQL_NTS);
    bool ok = SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA;
    if (!ok && pErr) *pErr = OdbcDiagnostic(SQL_HANDLE_STMT, h);
    SQLFreeHandle(SQL_HANDLE_STMT, h);
    return ok;
}

bool OdbcConnection::Begin() {
    return SQL_SUCCEEDED(SQLSetConnectAttr(m_hDbc, SQL_ATTR_AUTOCOMMIT, (SQLPOINTER)SQL_AUTOCOMMIT_OFF, 0));
}

bool OdbcConnection::Commit() {
    bool ok = SQL_SUCCEEDED(SQLEndTran(SQL_HANDLE_DBC, m_hDbc, SQL_COMMIT));
    SQLSetConnectAttr(m_hDbc, SQL_ATTR_AUTOCOMMIT, (SQLPOINTER)SQL_AUTOCOMMIT_ON, 0);
    return ok;
}

void OdbcConnection::Rollback() {
    SQLEndTran(SQL_HANDLE_DBC, m_hDbc, SQL_ROLLBACK);
    SQLSetConnectAttr(m_hDbc, SQL_ATTR_AUTOCOMMIT, (SQLPOINTER)SQL_AUTOCOMMIT_ON, 0);
}

OdbcStatement::~OdbcStatement() {
    if (m_hStmt != SQL_NULL_HSTMT) SQLFreeHandle(SQL_HANDLE_STMT, m_hStmt);
}

bool OdbcStatement::Prepare(const char* sql) {
    // Markers are counted plainly: the statements here have no '?' in literals.
    m_params.assign(std::count(sql, sql + std::strlen(sql), '?'), Param());
    m_bFailed = !m_conn.IsOpen() || !SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, m_conn.Handle(), &m_hStmt)) ||
                !SQL_SUCCEEDED(SQLPrepare(m_hStmt, (SQLCHAR*)sql, SQL_NTS));
    SQLSMALLINT columns = 0;
    m_bQuery = !m_bFailed && SQL_SUCCEEDED(SQLNumResultCols(m_hStmt, &columns)) && columns > 0;
    return !m_bFailed;
}

void OdbcStatement::SetInt(int index, int64_t value) {
    if (index < 1 || index > (int)m_params.size() || m_hStmt == SQL_NULL_HSTMT) return;
    Param& p = m_params[index - 1];
    p.value = value;
    p.ind = 0;
    if (!p.bound)
        p.bound = SQL_SUCCEEDED(SQLBindParameter(m_hStmt, index, SQL_PARAM_INPUT, SQL_C_SBIGINT, SQL_BIGINT, 0, 0,
                                                 &p.value, 0, &p.ind));
}

void OdbcStatement::SetText(int index, const std::string& value) {
    if (index < 1 || index > (int)m_params.size() || m_hStmt == SQL_NULL_HSTMT) return;
    Param& p = m_params[index - 1];
    if (p.text.empty()) p.text.resize(MAX_TEXT);
    size_t n = value.size() < MAX_TEXT - 1 ? value.size() : MAX_TEXT - 1;
    std::memcpy(p.text.data(), value.data(), n);
    p.text[n] = '\0';
    p.ind = (SQLLEN)n;
    if (!p.bound)
        p.bound = SQL_SUCCEEDED(SQLBindParameter(m_hStmt, index, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR,
                                                 MAX_TEXT, 0, p.text.data(), MAX_TEXT, &p.ind));
}

bool OdbcStatement::Execute() {
    if (m_hStmt == SQL_NULL_HSTMT) return false;
    // Closing costs a call through the driver manager: only for queries,
    // which a loader's million inserts are not.
    if (m_bQuery) SQLFreeStmt(m_hStmt, SQL_CLOSE);
    SQLRETURN rc = SQLExecute(m_hStmt);
    m_bFailed = !(SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA);
    return !m_bFailed;
}

void OdbcStatement::BindInt(int column, int64_t* pValue) {
    if (m_hStmt != SQL_NULL_HSTMT) SQLBindCol(m_hStmt, column, SQL_C_SBIGINT, pValue, 0, nullptr);
}

bool OdbcStatement::Fetch() {
    if (m_hStmt == SQL_NULL_HSTMT || m_bFailed) return false;
    SQLRETURN rc = SQLFetch(m_hStmt);
    if (rc == SQL_NO_DATA) return false;
    m_bFailed = !SQL_SUCCEEDED(rc);
    return !m_bFailed;
}

int64_t OdbcStatement::GetInt(int column) {
    int64_t v = 0;
    SQLLEN ind = 0;
    if (!SQL_SUCCEEDED(SQLGetData(m_hStmt, column, SQL_C_SBIGINT, &v, 0, &ind))) m_bFailed = true;
    return ind == SQL_NULL_DATA ? 0 : v;
}

std::string OdbcStatement::GetText(int column) {
    char buf[MAX_TEXT];
    SQLLEN ind = 0;
    if (!SQL_SUCCEEDED(SQLGetData(m_hStmt, column, SQL_C_CHAR, buf, sizeof buf, &ind))) {
        m_bFailed = true;
        return std::string();
    }
    if (ind == SQL_NULL_DATA) return std::string();
    size_t n = ind >= 0 && (size_t)ind < sizeof buf ? (size_t)ind : std::strlen(buf);
    return std::string(buf, n);
}

std::string OdbcStatement::Error() const { return OdbcDiagnostic(SQL_HANDLE_STMT, m_hStmt); }

}  // namespace ledger
