// Reading the books database.
#include "ledger/standin/odbc_books.h"

#include "ledger/standin/books_model.h"
#include "ledger/standin/codepage.h"

namespace ledger {

const char* const kBooksFormat = "ledger-books";

namespace {

const char* const kSchema[] = {
    "CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT NOT NULL)",
    "CREATE TABLE users(user_id TEXT PRIMARY KEY, locked INTEGER NOT NULL DEFAULT 0,"
    " selected_no1 INTEGER NOT NULL DEFAULT 0, selected_no2 INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE data_sets(data_no INTEGER PRIMARY KEY, data_id TEXT NOT NULL UNIQUE,"
    " company_name TEXT NOT NULL, period_start INTEGER NOT NULL, period_end INTEGER NOT NULL,"
    " closing_day INTEGER NOT NULL, chukan_kessan INTEGER NOT NULL, data_type INTEGER NOT NULL,"
    " tax_inclusive INTEGER NOT NULL)",
    "CREATE TABLE accounts(data_no INTEGER NOT NULL, code INTEGER NOT NULL, name TEXT NOT NULL,"
    " kind INTEGER NOT NULL, taishaku INTEGER NOT NULL, omit1 INTEGER NOT NULL, omit2 INTEGER NOT NULL,"
    " attr_bits INTEGER NOT NULL, disp_order INTEGER NOT NULL, PRIMARY KEY(data_no, code))",
    // Brought-forward amounts (period 0 of the totals).
    "CREATE TABLE opening(data_no INTEGER NOT NULL, code INTEGER NOT NULL, debit INTEGER NOT NULL,"
    " credit INTEGER NOT NULL)",
    // Postings; period 1-12 fiscal months, 13 year-end closing, 14 interim.
    "CREATE TABLE journal(data_no INTEGER NOT NULL, date INTEGER NOT NULL, period INTEGER NOT NULL,"
    " debit_code INTEGER NOT NULL, credit_code INTEGER NOT NULL, amount_nuki INTEGER NOT NULL,"
    " amount_komi INTEGER NOT NULL)",
    // Kept consistent with opening and journal by the loader, in the same
    // transaction, so that a summation reads one row per code and period.
    "CREATE TABLE totals(data_no INTEGER NOT NULL, code INTEGER NOT NULL, period INTEGER NOT NULL,"
    " kari_nuki INTEGER NOT NULL, kari_komi INTEGER NOT NULL, kashi_nuki INTEGER NOT NULL,"
    " kashi_komi INTEGER NOT NULL, PRIMARY KEY(data_no, code, period))",
};

}  // namespace

bool CreateBooksSchema(OdbcConnection& conn, std::string* pErr) {
    for (const char* sql : kSchema)
        if (!conn.Exec(sql, pErr)) return false;
    OdbcStatement meta(conn);
    if (!meta.Prepare("INSERT INTO meta(key, value) VALUES(?, ?)")) return false;
    meta.SetText(1, "format");
    meta.SetText(2, kBooksFormat);
    bool ok = meta.Execute();
    meta.SetText(1, "version");
    meta.SetText(2, std::to_string((int)BOOKS_SCHEMA_VERSION));
    ok = ok && meta.Execute();
    if (!ok && pErr) *pErr = meta.Error();
    return ok;
}

bool IsBooksDatabase(OdbcConnection& conn) {
    OdbcStatement q(conn);
    std::string format, version;
    if (q.Prepare("SELECT key, value FROM meta WHERE key IN (?, ?)")) {
        q.SetText(1, "format");
        q.SetText(2, "version");
        if (q.Execute())
            while (q.Fetch()) {
                std::string key = q.GetText(1);
                (key == "format" ? format : version) = q.GetText(2);
            }
    }
    return format == kBooksFormat && version == std::to_string((int)BOOKS_SCHEMA_VERSION);
}

OdbcBooks::OpenResult OdbcBooks::Open(const std::string& connection, std::string* pErr) {
    if (!m_conn.Open(connection, pErr)) return OPEN_UNREACHABLE;
    if (!IsBooksDatabase(m_conn)) {
        if (pErr) *pErr = "not a books database of version " + std::to_string((int)BOOKS_SCHEMA_VERSION);
        m_conn.Close();
        return OPEN_NOT_BOOKS;
    }
    return OPEN_OK;
}

long OdbcBooks::GetUser(const std::string& userId, User* user, bool* found) {
    *found = false;
    std::string utf8;
    if (!SjisToUtf8(userId, &utf8)) return 0;  // no such user can be stored
    OdbcStatement q(m_conn);
    if (!q.Prepare("SELECT locked, selected_no1, selected_no2 FROM users WHERE user_id = ?")) return ERR_BOOKS;
    q.SetText(1, utf8);
    if (!q.Execute()) return ERR_BOOKS;
    if (q.Fetch()) {
        user->userId = userId;
        user->locked = q.GetInt(1) != 0;
        user->selectedNo1 = (int32_t)q.GetInt(2);
        user->selectedNo2 = (int32_t)q.GetInt(3);
        *found = true;
    }
    return q.Failed() ? ERR_BOOKS : 0;
}

long OdbcBooks::GetDataSets(std::vector<DataSet>* sets) {
    sets->clear();
    OdbcStatement q(m_conn);
    if (!q.Prepare("SELECT data_no, period_start, period_end, closing_day, chukan_kessan, data_type,"
                   " tax_inclusive, data_id, company_name FROM data_sets ORDER BY data_no") ||
        !q.Execute())
        return ERR_BOOKS;
    while (q.Fetch()) {
        DataSet s;
        s.dataNo = (int32_t)q.GetInt(1);
        s.periodStart = (int32_t)q.GetInt(2);
        s.periodEnd = (int32_t)q.GetInt(3);
        s.closingDay = (int32_t)q.GetInt(4);
        s.chukanKessan = (int32_t)q.GetInt(5);
        s.dataType = (int16_t)q.GetInt(6);
        s.taxInclusiveEntry = q.GetInt(7) != 0;
        s.dataId = q.GetText(8);
        if (!Utf8ToSjis(q.GetText(9), &s.companyName)) return ERR_BOOKS;
        sets->push_back(s);
    }
    return q.Failed() ? ERR_BOOKS : 0;
}

long OdbcBooks::GetAccounts(const std::string& dataId, std::vector<Account>* accounts) {
    accounts->clear();
    OdbcStatement q(m_conn);
    if (!q.Prepare("SELECT code, kind, taishaku, omit1, omit2, attr_bits, disp_order, name FROM accounts"
                   " WHERE data_no = (SELECT data_no FROM data_sets WHERE data_id = ?)"))
        return ERR_BOOKS;
    q.SetText(1, dataId);
    if (!q.Execute()) return ERR_BOOKS;
    while (q.Fetch()) {
        Account a;
        a.code = (int32_t)q.GetInt(1);
        a.kind = (int8_t)q.GetInt(2);
        a.taishaku = (char)q.GetInt(3);
        a.omit1 = (char)q.GetInt(4);
        a.omit2 = (char)q.GetInt(5);
        a.attrBits = (uint32_t)q.GetInt(6);
        a.dispOrder = (int32_t)q.GetInt(7);
        if (!Utf8ToSjis(q.GetText(8), &a.name)) return ERR_BOOKS;
        accounts->push_back(a);
    }
    return q.Failed() ? ERR_BOOKS : 0;
}

long OdbcBooks::GetTotals(const std::string& dataId, std::vector<PeriodTotals>* totals) {
    totals->clear();
    OdbcStatement q(m_conn);
    if (!q.Prepare("SELECT code, period, kari_nuki, kari_komi, kashi_nuki, kashi_komi FROM totals"
                   " WHERE data_no = (SELECT data_no FROM data_sets WHERE data_id = ?)"))
        return ERR_BOOKS;
    q.SetText(1, dataId);
    int64_t v[6] = {};
    for (int i = 0; i < 6; ++i) q.BindInt(i + 1, &v[i]);
    if (!q.Execute()) return ERR_BOOKS;
    while (q.Fetch()) {
        PeriodTotals t;
        t.code = (int32_t)v[0];
        t.period = (int)v[1];
        t.kariNuki = v[2];
        t.kariKomi = v[3];
        t.kashiNuki = v[4];
        t.kashiKomi = v[5];
        totals->push_back(t);
    }
    return q.Failed() ? ERR_BOOKS : 0;
}

}  // namespace ledger
