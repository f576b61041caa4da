// loadbooks: creates a books database for the stand-in accounting library
// and loads data sets, account masters, brought-forward amounts, journals
// and users into it. Everything one command loads is one transaction: a bad
// row names its file, line and field, and nothing of that command is kept.
// Usage: see Usage() below and ledger/standin/README.md.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <unordered_map>
#include <vector>

#include "ledger/period.h"
#include "ledger/standin/books_files.h"
#include "ledger/standin/codepage.h"
#include "ledger/standin/odbc_books.h"

using namespace ledger;

namespace {

const char kUsage[] =
    "usage: loadbooks (--db LINUX_PATH | --connection ODBC_STRING) [--init]\n"
    "  [--dataset N [--data-id ID (--company NAME | --company-file UTF8_FILE) --period-start yyyymmdd --period-end yyyymmdd\n"
    "               [--closing-day D] [--interim 1] [--past] [--tax-inclusive]]\n"
    "   [--accounts accounts.csv] [--opening opening.csv] [--journal journal.csv]]\n"
    "  [--user USER --select NO1,NO2 [--locked]]\n";

struct Options {
    std::string db, connection;
    bool init = false;
    bool hasDataSet = false, defineDataSet = false;
    int32_t dataNo = 0;
    std::string dataId, company, companyFile;
    int32_t periodStart = 0, periodEnd = 0, closingDay = 0, interim = 0;
    bool past = false, taxInclusive = false;
    std::string accounts, opening, journal;
    std::string user;
    bool select = false, locked = false;
    int32_t no1 = 0, no2 = 0;
};

// Thrown for a refused load; the message is printed as it stands.
struct LoadError {
    std::string message;
};

[[noreturn]] void Fail(const std::string& message) { throw LoadError{message}; }

int32_t ToInt(const std::string& opt, const std::string& text) {
    int64_t v = 0;
    char* end = nullptr;
    v = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || v < INT32_MIN || v > INT32_MAX) Fail(opt + ": not a number: " + text);
    return (int32_t)v;
}

Options ParseArgs(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) Fail(a + ": value missing");
            return argv[++i];
        };
        if (a == "--db") o.db = value();
        else if (a == "--connection") o.connection = value();
        else if (a == "--init") o.init = true;
        else if (a == "--dataset") { o.hasDataSet = true; o.dataNo = ToInt(a, value()); }
        else if (a == "--data-id") { o.defineDataSet = true; o.dataId = value(); }
        else if (a == "--company") o.company = value();
        else if (a == "--company-file") o.companyFile = value();
        else if (a == "--period-start") o.periodStart = ToInt(a, value());
        else if (a == "--period-end") o.periodEnd = ToInt(a, value());
        else if (a == "--closing-day") o.closingDay = ToInt(a, value());
        else if (a == "--interim") o.interim = ToInt(a, value());
        else if (a == "--past") o.past = true;
        else if (a == "--tax-inclusive") o.taxInclusive = true;
        else if (a == "--accounts") o.accounts = value();
        else if (a == "--opening") o.opening = value();
        else if (a == "--journal") o.journal = value();
        else if (a == "--user") o.user = value();
        else if (a == "--locked") o.locked = true;
        else if (a == "--select") {
            std::string v = value();
            size_t comma = v.find(',');
            if (comma == std::string::npos) Fail("--select: expected NO1,NO2");
            o.select = true;
            o.no1 = ToInt(a, v.substr(0, comma));
            o.no2 = ToInt(a, v.substr(comma + 1));
        } else Fail("unknown option " + a);
    }
    if (o.db.empty() == o.connection.empty()) Fail("give one of --db and --connection");
    if ((!o.accounts.empty() || !o.opening.empty() || !o.journal.empty() || o.defineDataSet) && !o.hasDataSet)
        Fail("--accounts, --opening, --journal and --data-id need --dataset");
    if (o.defineDataSet) {
        if (o.dataId.empty() || o.dataId.size() > 15) Fail("--data-id: 1 to 15 bytes");
        for (unsigned char c : o.dataId)
            if (c < 0x21 || c > 0x7E) Fail("--data-id: printable ASCII only");
        if (!IsValidDate(o.periodStart) || !IsValidDate(o.periodEnd) || o.periodEnd < o.periodStart)
            Fail("--period-start/--period-end: two dates yyyymmdd, start first");
        if (o.closingDay < 0 || o.closingDay > 31) Fail("--closing-day: 1 to 31 (31: month end)");
    }
    if ((o.select || o.locked) && o.user.empty()) Fail("--select and --locked need --user");
    return o;
}

// Checks a UTF-8 text for a Shift-JIS form of at most maxBytes bytes.
void CheckSjisText(const std::string& utf8, size_t maxBytes, const std::string& where) {
    std::string sjis;
    if (!Utf8ToSjis(utf8, &sjis)) Fail(where + ": has characters without a Shift-JIS form");
    if (sjis.size() > maxBytes)
        Fail(where + ": longer than " + std::to_string(maxBytes) + " bytes in Shift-JIS");
}

// Calls fn(line number, fields) for each data line of a CSV file, header
// skipped; streamed, since a journal may have millions of lines.
template <class Fn>
void ForEachCsvRow(const std::string& path, Fn fn) {
    std::ifstream in(path, std::ios::binary);
    if (!in) Fail(path + ": cannot be read");
    std::string line;
    std::vector<std::string> fields;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (number == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (number == 1 || line.empty()) continue;
        if (!SplitCsvLine(line, &fields)) Fail(path + ":" + std::to_string(number) + ": unbalanced quotes");
        fn(number, fields);
    }
}

// "file:line", for messages only.
std::string Where(const std::string& path, int line) { return path + ":" + std::to_string(line); }

std::string At(const std::string& path, int line, const RowError& e) {
    return Where(path, line) + ": field " + e.field + ": " + e.reason;
}

void Check(OdbcStatement& st, bool ok, const std::string& what) {
    if (!ok) Fail(what + ": " + st.Error());
}

// Totals of this load and of the database, added exactly.
class Totals {
public:
    // path and line name the source of the amounts in a message.
    void Add(int32_t code, int period, int64_t kn, int64_t kk, int64_t sn, int64_t sk, const std::string& path,
             int line) {
        Row& r = m_rows[Key(code, period)];
        r.code = code;
        r.period = period;
        const int64_t add[4] = {kn, kk, sn, sk};
        for (int i = 0; i < 4; ++i)
            if (__builtin_add_overflow(r.v[i], add[i], &r.v[i]))
                Fail(Where(path, line) + ": the total of code " + std::to_string(code) + " exceeds 64 bits");
    }
    bool Empty() const { return m_rows.empty(); }
    // Adds the stored totals of the touched codes and periods, then writes
    // the sums back.
    void Store(OdbcConnection& conn, int32_t dataNo) {
        OdbcStatement read(conn);
        int64_t v[6] = {};
        Check(read, read.Prepare("SELECT code, period, kari_nuki, kari_komi, kashi_nuki, kashi_komi"
                                 " FROM totals WHERE data_no = ?"),
              "reading totals");
        read.SetInt(1, dataNo);
        for (int i = 0; i < 6; ++i) read.BindInt(i + 1, &v[i]);
        Check(read, read.Execute(), "reading totals");
        while (read.Fetch()) {
            auto it = m_rows.find(Key((int32_t)v[0], (int)v[1]));
            if (it != m_rows.end())
                Add((int32_t)v[0], (int)v[1], v[2], v[3], v[4], v[5], "stored totals", 0);
        }
        Check(read, !read.Failed(), "reading totals");
        OdbcStatement write(conn);
        Check(write, write.Prepare("INSERT OR REPLACE INTO totals(data_no, code, period, kari_nuki, kari_komi,"
                                   " kashi_nuki, kashi_komi) VALUES(?, ?, ?, ?, ?, ?, ?)"),
              "writing totals");
        for (const auto& kv : m_rows) {
            const Row& r = kv.second;
            write.SetInt(1, dataNo);
            write.SetInt(2, r.code);
            write.SetInt(3, r.period);
            for (int i = 0; i < 4; ++i) write.SetInt(4 + i, r.v[i]);
            Check(write, write.Execute(), "writing totals");
        }
    }

private:
    struct Row {
        int32_t code = 0;
        int period = 0;
        int64_t v[4] = {};
    };
    static int64_t Key(int32_t code, int period) { return (int64_t)code * 16 + period; }
    std::unordered_map<int64_t, Row> m_rows;
};

// Inserts rows of integers, many rows per execution: one execution per row
// would cost a round trip through the driver manager each.
class BatchInsert {
public:
    enum { ROWS = 512 };
    // sqlHead: "INSERT INTO t(a, b, c) VALUES"; columns: values per row.
    BatchInsert(OdbcConnection& conn, const std::string& sqlHead, int columns)
        : m_many(conn), m_one(conn), m_columns(columns) {
        std::string row = "(?";
        for (int i = 1; i < columns; ++i) row += ", ?";
        row += ")";
        std::string many = sqlHead + " " + row;
        for (int i = 1; i < ROWS; ++i) many += ", " + row;
        Check(m_many, m_many.Prepare(many.c_str()), "insert");
        Check(m_one, m_one.Prepare((sqlHead + " " + row).c_str()), "insert");
        m_pending.reserve((size_t)ROWS * columns);
    }
    void Add(const int64_t* values, const std::string& path, int line) {
        if (m_pending.empty()) m_firstLine = line;
        m_pending.insert(m_pending.end(), values, values + m_columns);
        if (m_pending.size() == (size_t)ROWS * m_columns) Flush(path, line);
    }
    // Writes what is pending; a failure names the lines of the batch.
    void Flush(const std::string& path, int lastLine) {
        size_t rows = m_pending.size() / m_columns;
        OdbcStatement& st = rows == ROWS ? m_many : m_one;
        for (size_t start = 0; start < rows; start += (rows == ROWS ? ROWS : 1)) {
            size_t n = rows == ROWS ? ROWS : 1;
            for (size_t i = 0; i < n * m_columns; ++i) st.SetInt((int)i + 1, m_pending[start * m_columns + i]);
            if (!st.Execute())
                Fail(path + ":" + std::to_string(m_firstLine) + "-" + std::to_string(lastLine) + ": " + st.Error());
        }
        m_pending.clear();
    }

private:
    OdbcStatement m_many, m_one;
    int m_columns;
    std::vector<int64_t> m_pending;
    int m_firstLine = 0;
};

struct DataSetInfo {
    int32_t start = 0, end = 0, closingDay = 31;
};

DataSetInfo ReadDataSet(OdbcConnection& conn, int32_t dataNo) {
    OdbcStatement q(conn);
    Check(q, q.Prepare("SELECT period_start, period_end, closing_day FROM data_sets WHERE data_no = ?"),
          "reading data set");
    q.SetInt(1, dataNo);
    Check(q, q.Execute(), "reading data set");
    if (!q.Fetch()) Fail("--dataset " + std::to_string(dataNo) + ": no such data set (define it with --data-id)");
    DataSetInfo d;
    d.start = (int32_t)q.GetInt(1);
    d.end = (int32_t)q.GetInt(2);
    d.closingDay = (int32_t)q.GetInt(3);
    return d;
}

std::set<int32_t> ReadCodes(OdbcConnection& conn, int32_t dataNo) {
    OdbcStatement q(conn);
    int64_t code = 0;
    Check(q, q.Prepare("SELECT code FROM accounts WHERE data_no = ?"), "reading accounts");
    q.SetInt(1, dataNo);
    q.BindInt(1, &code);
    Check(q, q.Execute(), "reading accounts");
    std::set<int32_t> codes;
    while (q.Fetch()) codes.insert((int32_t)code);
    return codes;
}

// The company name in UTF-8: from --company (program's code page) or from
// the first line of --company-file (UTF-8; a command line can carry only
// what the shell's locale can, which under Wine is not always Japanese).
std::string CompanyName(const Options& o) {
    std::string company;
    if (!o.companyFile.empty()) {
        std::ifstream in(o.companyFile, std::ios::binary);
        if (!in || !std::getline(in, company)) Fail("--company-file: cannot be read");
        if (company.compare(0, 3, "\xEF\xBB\xBF") == 0) company.erase(0, 3);
        if (!company.empty() && company.back() == '\r') company.pop_back();
    } else if (!SjisToUtf8(o.company, &company)) {
        Fail("--company: not Shift-JIS text");
    }
    if (company.empty()) Fail("--company: empty");
    CheckSjisText(company, 259, "--company");
    return company;
}

void DefineDataSet(OdbcConnection& conn, const Options& o) {
    std::string company = CompanyName(o);
    OdbcStatement st(conn);
    Check(st, st.Prepare("INSERT INTO data_sets(data_no, data_id, company_name, period_start, period_end,"
                         " closing_day, chukan_kessan, data_type, tax_inclusive) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)"),
          "data set");
    st.SetInt(1, o.dataNo);
    st.SetText(2, o.dataId);
    st.SetText(3, company);
    st.SetInt(4, o.periodStart);
    st.SetInt(5, o.periodEnd);
    long closing = o.closingDay;
    if (closing == 0) ClAccPeriod().GetClosingDayByEndDate(o.periodEnd, 0, &closing);
    st.SetInt(6, closing);
    st.SetInt(7, o.interim);
    st.SetInt(8, o.past ? 99 : 0);
    st.SetInt(9, o.taxInclusive ? 1 : 0);
    Check(st, st.Execute(), "data set " + std::to_string(o.dataNo) + " (number or ID already used?)");
}

void LoadAccounts(OdbcConnection& conn, const Options& o) {
    OdbcStatement st(conn);
    Check(st, st.Prepare("INSERT INTO accounts(data_no, code, name, kind, taishaku, omit1, omit2, attr_bits,"
                         " disp_order) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)"),
          "accounts");
    std::set<int32_t> codes = ReadCodes(conn, o.dataNo);
    std::vector<std::pair<int, AccountRow>> subs;
    ForEachCsvRow(o.accounts, [&](int line, const std::vector<std::string>& fields) {
        AccountRow r;
        RowError e;
        if (!ParseAccountRow(fields, &r, &e)) Fail(At(o.accounts, line, e));
        std::string where = Where(o.accounts, line);
        CheckSjisText(r.name, 56, where + ": field name");
        if (!codes.insert(r.code).second) Fail(where + ": field code: code used twice: " + std::to_string(r.code));
        if (r.code % 10000 != 0) subs.emplace_back(line, r);
        st.SetInt(1, o.dataNo);
        st.SetInt(2, r.code);
        st.SetText(3, r.name);
        st.SetInt(4, r.kind);
        st.SetInt(5, r.side);
        st.SetInt(6, r.omit1);
        st.SetInt(7, r.omit2);
        st.SetInt(8, r.attrBits);
        st.SetInt(9, r.order);
        Check(st, st.Execute(), where);
    });
    for (const auto& s : subs)
        if (!codes.count(s.second.code / 10000 * 10000))
            Fail(o.accounts + ":" + std::to_string(s.first) + ": field code: sub-account without its account");
}

void CheckCode(const std::set<int32_t>& codes, int32_t code, const std::string& path, int line, const char* field) {
    if (!codes.count(code))
        Fail(Where(path, line) + ": field " + field + ": no such account: " + std::to_string(code));
}

void LoadOpening(OdbcConnection& conn, const Options& o, const std::set<int32_t>& codes, Totals* totals) {
    OdbcStatement st(conn);
    Check(st, st.Prepare("INSERT INTO opening(data_no, code, debit, credit) VALUES(?, ?, ?, ?)"), "opening");
    ForEachCsvRow(o.opening, [&](int line, const std::vector<std::string>& fields) {
        OpeningRow r;
        RowError e;
        if (!ParseOpeningRow(fields, &r, &e)) Fail(At(o.opening, line, e));
        CheckCode(codes, r.code, o.opening, line, "code");
        totals->Add(r.code, 0, r.debit, r.debit, r.credit, r.credit, o.opening, line);
        st.SetInt(1, o.dataNo);
        st.SetInt(2, r.code);
        st.SetInt(3, r.debit);
        st.SetInt(4, r.credit);
        Check(st, st.Execute(), Where(o.opening, line));
    });
}

void LoadJournal(OdbcConnection& conn, const Options& o, const std::set<int32_t>& codes, Totals* totals) {
    DataSetInfo d = ReadDataSet(conn, o.dataNo);
    ClAccPeriod period;
    period.SetPeriod(d.start, d.end);
    period.SetClosingDay(d.closingDay);
    BatchInsert insert(conn,
                       "INSERT INTO journal(data_no, date, period, debit_code, credit_code, amount_nuki,"
                       " amount_komi) VALUES",
                       7);
    int lastLine = 0;
    ForEachCsvRow(o.journal, [&](int line, const std::vector<std::string>& fields) {
        JournalRow r;
        RowError e;
        if (!ParseJournalRow(fields, &r, &e)) Fail(At(o.journal, line, e));
        long index = 0;
        if (period.GetMonthIndexByDate(r.date, &index) != 0)
            Fail(Where(o.journal, line) + ": field date: outside the accounting period: " + std::to_string(r.date));
        if (r.period == 0) r.period = (int32_t)index;
        CheckCode(codes, r.debitCode, o.journal, line, "debit_code");
        CheckCode(codes, r.creditCode, o.journal, line, "credit_code");
        totals->Add(r.debitCode, r.period, r.nuki, r.komi, 0, 0, o.journal, line);
        totals->Add(r.creditCode, r.period, 0, 0, r.nuki, r.komi, o.journal, line);
        const int64_t row[7] = {o.dataNo, r.date, r.period, r.debitCode, r.creditCode, r.nuki, r.komi};
        insert.Add(row, o.journal, line);
        lastLine = line;
    });
    insert.Flush(o.journal, lastLine);
}

void StoreUser(OdbcConnection& conn, const Options& o) {
    std::string user;
    if (!SjisToUtf8(o.user, &user) || user.empty() || o.user.size() > 64) Fail("--user: 1 to 64 bytes of text");
    OdbcStatement st(conn);
    Check(st, st.Prepare("INSERT OR REPLACE INTO users(user_id, locked, selected_no1, selected_no2)"
                         " VALUES(?, ?, ?, ?)"),
          "user");
    st.SetText(1, user);
    st.SetInt(2, o.locked ? 1 : 0);
    st.SetInt(3, o.no1);
    st.SetInt(4, o.no2);
    Check(st, st.Execute(), "user");
}

void Load(OdbcConnection& conn, const Options& o) {
    std::string err;
    if (o.init) {
        if (!CreateBooksSchema(conn, &err)) Fail("--init: " + err + " (is the database new?)");
    } else if (!IsBooksDatabase(conn)) {
        Fail("not a books database (create one with --init)");
    }
    if (o.defineDataSet) DefineDataSet(conn, o);
    if (o.hasDataSet) {
        if (!o.defineDataSet) ReadDataSet(conn, o.dataNo);
        if (!o.accounts.empty()) LoadAccounts(conn, o);
        Totals totals;
        std::set<int32_t> codes = ReadCodes(conn, o.dataNo);
        if (!o.opening.empty()) LoadOpening(conn, o, codes, &totals);
        if (!o.journal.empty()) LoadJournal(conn, o, codes, &totals);
        if (!totals.Empty()) totals.Store(conn, o.dataNo);
    }
    if (!o.user.empty()) StoreUser(conn, o);
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    try {
        o = ParseArgs(argc, argv);
    } catch (const LoadError& e) {
        std::fprintf(stderr, "loadbooks: %s\n%s", e.message.c_str(), kUsage);
        return 2;
    }
    // Only --init may create the database file; a mistyped path must not
    // leave an empty database behind.
    std::string connection =
        o.connection.empty() ? "DRIVER=SQLite3;Database=" + o.db + (o.init ? "" : ";NoCreat=1") : o.connection;
    OdbcConnection conn;
    std::string err;
    if (!conn.Open(connection, &err)) {
        std::fprintf(stderr, "loadbooks: cannot open the database: %s\n", err.c_str());
        return 2;
    }
    if (!conn.Begin()) {
        std::fprintf(stderr, "loadbooks: cannot start a transaction\n");
        return 2;
    }
    try {
        Load(conn, o);
    } catch (const LoadError& e) {
        conn.Rollback();
        std::fprintf(stderr, "loadbooks: %s\nloadbooks: nothing was loaded\n", e.message.c_str());
        return 1;
    }
    if (!conn.Commit()) {
        std::fprintf(stderr, "loadbooks: the load could not be committed; nothing was loaded\n");
        return 1;
    }
    return 0;
}
