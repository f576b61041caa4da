// A thin layer over ODBC for the stand-in: one connection, prepared
// statements with parameters bound once and updated between executions.
// Windows only; every value in a statement is a bound parameter.
#ifndef LEDGER_STANDIN_ODBC_H
#define LEDGER_STANDIN_ODBC_H

#include <windows.h>
#include <sql.h>
#include <sqlext.h>

#include <cstdint>
#include <string>
#include <vector>

namespace ledger {

class OdbcConnection {
public:
    OdbcConnection() = default;
    ~OdbcConnection() { Close(); }
    OdbcConnection(const OdbcConnection&) = delete;
    OdbcConnection& operator=(const OdbcConnection&) = delete;

    // False with a diagnostic in *pErr when the connection fails.
    bool Open(const std::string& connection, std::string* pErr);
    void Close();
    bool IsOpen() const { return m_hDbc != SQL_NULL_HDBC; }
    SQLHDBC Handle() const { return m_hDbc; }

    // A statement without parameters (schema, transactions of the loader).
    bool Exec(const char* sql, std::string* pErr);
    // Manual commit from Begin to Commit or Rollback.
    bool Begin();
    bool Commit();
    void Rollback();

private:
    SQLHENV m_hEnv = SQL_NULL_HENV;
    SQLHDBC m_hDbc = SQL_NULL_HDBC;
};

class OdbcStatement {
public:
    enum { MAX_TEXT = 512 };

    explicit OdbcStatement(OdbcConnection& conn) : m_conn(conn) {}
    ~OdbcStatement();
    OdbcStatement(const OdbcStatement&) = delete;
    OdbcStatement& operator=(const OdbcStatement&) = delete;

    bool Prepare(const char* sql);
    // Parameters are numbered from 1 up to the number of markers in the
    // statement; each is bound on its first Set and then only updated, so a
    // statement with many rows of markers costs one execution, not one per row.
    void SetInt(int index, int64_t value);
    void SetText(int index, const std::string& value);
    bool Execute();
    // Columns bound before the first Fetch of an execution (numbered from 1).
    void BindInt(int column, int64_t* pValue);
    // True when a row was fetched; false at the end or on failure (Failed).
    bool Fetch();
    // Unbound columns after the bound ones, read from the current row.
    int64_t GetInt(int column);
    std::string GetText(int column);
    bool Failed() const { return m_bFailed; }
    std::string Error() const;

private:
    struct Param {
        bool bound = false;
        int64_t value = 0;
        std::vector<char> text;  // sized on the first SetText
        SQLLEN ind = 0;
    };
    OdbcConnection& m_conn;
    SQLHSTMT m_hStmt = SQL_NULL_HSTMT;
    std::vector<Param> m_params;  // sized at Prepare; never reallocated after binding
    bool m_bFailed = false;
    bool m_bQuery = false;  // the statement has a result set to close before it runs again
};

// Diagnostic text of the last failure on a handle.
std::string OdbcDiagnostic(SQLSMALLINT type, SQLHANDLE handle);

}  // namespace ledger

#endif
