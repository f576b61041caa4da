// The books in a database reached through ODBC (SQLite through its ODBC
// driver). Text is stored as UTF-8 and handed out as Shift-JIS. Windows only.
#ifndef LEDGER_STANDIN_ODBC_BOOKS_H
#define LEDGER_STANDIN_ODBC_BOOKS_H

#include <string>
#include <vector>

#include "ledger/standin/odbc.h"
#include "ledger/standin/source.h"

namespace ledger {

// Identifies a books database: meta('format') holds this text, meta('version')
// the schema version.
extern const char* const kBooksFormat;
enum { BOOKS_SCHEMA_VERSION = 1 };

// Creates the tables of an empty database (the loader's --init).
bool CreateBooksSchema(OdbcConnection& conn, std::string* pErr);
// True when the database holds books of this schema version.
bool IsBooksDatabase(OdbcConnection& conn);

class OdbcBooks : public BooksSource {
public:
    enum OpenResult { OPEN_OK = 0, OPEN_UNREACHABLE = 1, OPEN_NOT_BOOKS = 2 };
    // Connects and checks that the database is a books database of this
    // schema version.
    OpenResult Open(const std::string& connection, std::string* pErr);

    long GetUser(const std::string& userId, User* user, bool* found) override;
    long GetDataSets(std::vector<DataSet>* sets) override;
    long GetAccounts(const std::string& dataId, std::vector<Account>* accounts) override;
    long GetTotals(const std::string& dataId, std::vector<PeriodTotals>* totals) override;

private:
    OdbcConnection m_conn;
};

}  // namespace ledger

#endif
