// Parsing of the books files' rows.
#include "ledger/standin/books_files.h"

#include <cstdlib>

namespace ledger {

namespace {

std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r"), e = s.find_last_not_of(" \t\r");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

bool ParseInt(const std::string& text, int64_t lo, int64_t hi, int64_t* pValue) {
    std::string t = Trim(text);
    if (t.empty()) return false;
    size_t i = t[0] == '-' ? 1 : 0;
    if (i == t.size() || t.size() > 12) return false;
    for (size_t j = i; j < t.size(); ++j)
        if (t[j] < '0' || t[j] > '9') return false;
    int64_t v = std::strtoll(t.c_str(), nullptr, 10);
    if (v < lo || v > hi) return false;
    *pValue = v;
    return true;
}

// Fields by position with their names, for the messages.
class Fields {
public:
    Fields(const std::vector<std::string>& f, RowError* pErr) : m_f(f), m_pErr(pErr) {}

    bool Count(size_t n, const char* names) {
        if (m_f.size() == n) return true;
        m_pErr->field = names;
        m_pErr->reason = "expected " + std::to_string(n) + " fields, found " + std::to_string(m_f.size());
        return false;
    }
    bool Int(size_t i, const char* name, int64_t lo, int64_t hi, int32_t* pValue) {
        int64_t v = 0;
        if (!ParseInt(m_f[i], lo, hi, &v))
            return Fail(i, name, "not a whole number from " + std::to_string(lo) + " to " + std::to_string(hi));
        *pValue = (int32_t)v;
        return true;
    }
    bool Amount(size_t i, const char* name, int64_t* pValue) {
        return ParseAmount(m_f[i], pValue) || Fail(i, name, "not an amount with at most 4 decimals");
    }
    bool Fail(size_t i, const char* name, const std::string& reason) {
        m_pErr->field = name;
        m_pErr->reason = reason + ": '" + m_f[i] + "'";
        return false;
    }
    const std::string& operator[](size_t i) const { return m_f[i]; }

private:
    const std::vector<std::string>& m_f;
    RowError* m_pErr;
};

const int64_t kMaxCode = 999999999;

}  // namespace

bool SplitCsvLine(const std::string& line, std::vector<std::string>* pFields) {
    pFields->clear();
    std::string field;
    size_t i = 0;
    for (;;) {
        field.clear();
        if (i < line.size() && line[i] == '"') {
            for (++i;; ++i) {
                if (i >= line.size()) return false;
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        ++i;
                    } else {
                        ++i;
                        break;
                    }
                } else {
                    field += line[i];
                }
            }
            if (i < line.size() && line[i] != ',') return false;
        } else {
            while (i < line.size() && line[i] != ',') field += line[i++];
        }
        pFields->push_back(field);
        if (i >= line.size()) return true;
        ++i;  // the comma
    }
}

bool ParseAmount(const std::string& text, int64_t* pValue) {
    std::string t = Trim(text);
    size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) negative = t[i++] == '-';
    int64_t units = 0, fraction = 0;
    size_t digits = 0, decimals = 0;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i, ++digits) {
        if (digits >= 14) return false;  // keeps 10^14 units * 10^4 far inside 64 bits
        units = units * 10 + (t[i] - '0');
    }
    if (i < t.size() && t[i] == '.') {
        for (++i; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i, ++decimals) {
            if (decimals >= 4) return false;
            fraction = fraction * 10 + (t[i] - '0');
        }
        if (decimals == 0) return false;
    }
    if (i != t.size() || digits == 0) return false;
    for (size_t d = decimals; d < 4; ++d) fraction *= 10;
    int64_t v = units * 10000 + fraction;
    *pValue = negative ? -v : v;
    return true;
}

bool IsValidDate(int32_t date) {
    int32_t y = date / 10000, m = date % 10000 / 100, d = date % 100;
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1900 || y > 2999 || m < 1 || m > 12 || d < 1) return false;
    bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= days[m - 1] + (m == 2 && leap ? 1 : 0);
}

bool ParseAccountRow(const std::vector<std::string>& f, AccountRow* pRow, RowError* pErr) {
    Fields x(f, pErr);
    if (!x.Count(8, "code,name,kind,side,order,omit1,omit2,attr_bits")) return false;
    int32_t attr = 0;
    if (!x.Int(0, "code", 10000, kMaxCode, &pRow->code) || !x.Int(2, "kind", -128, 127, &pRow->kind) ||
        !x.Int(3, "side", 1, 2, &pRow->side) || !x.Int(4, "order", -kMaxCode, kMaxCode, &pRow->order) ||
        !x.Int(5, "omit1", 0, 1, &pRow->omit1) || !x.Int(6, "omit2", 0, 1, &pRow->omit2))
        return false;
    std::string name = Trim(f[1]);
    if (name.empty() || name.size() > 56 * 3) return x.Fail(1, "name", "empty or longer than 56 characters");
    pRow->name = name;
    std::string a = Trim(f[7]);
    if (a.size() > 2 && a[0] == '0' && (a[1] == 'x' || a[1] == 'X')) {
        char* end = nullptr;
        unsigned long long v = std::strtoull(a.c_str() + 2, &end, 16);
        if (*end != '\0' || a.size() > 10 || v > 0xFFFFFFFFull) return x.Fail(7, "attr_bits", "not 32 bits in hex");
        pRow->attrBits = (uint32_t)v;
    } else if (x.Int(7, "attr_bits", 0, 0x7FFFFFFF, &attr)) {
        pRow->attrBits = (uint32_t)attr;
    } else {
        return false;
    }
    return true;
}

bool ParseOpeningRow(const std::vector<std::string>& f, OpeningRow* pRow, RowError* pErr) {
    Fields x(f, pErr);
    return x.Count(3, "code,debit,credit") && x.Int(0, "code", 10000, kMaxCode, &pRow->code) &&
           x.Amount(1, "debit", &pRow->debit) && x.Amount(2, "credit", &pRow->credit);
}

bool ParseJournalRow(const std::vector<std::string>& f, JournalRow* pRow, RowError* pErr) {
    Fields x(f, pErr);
    if (!x.Count(6, "date,period,debit_code,credit_code,amount_nuki,amount_komi")) return false;
    if (!x.Int(0, "date", 19000101, 29991231, &pRow->date) || !IsValidDate(pRow->date))
        return x.Fail(0, "date", "not a date yyyymmdd");
    pRow->period = 0;
    if (!Trim(f[1]).empty() && !x.Int(1, "period", 1, 14, &pRow->period)) return false;
    return x.Int(2, "debit_code", 10000, kMaxCode, &pRow->debitCode) &&
           x.Int(3, "credit_code", 10000, kMaxCode, &pRow->creditCode) &&
           x.Amount(4, "amount_nuki", &pRow->nuki) && x.Amount(5, "amount_komi", &pRow->komi);
}

}  // namespace ledger
