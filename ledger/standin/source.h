// Where the stand-in accounting library reads the books from. The library
// objects (data sets, account master, summation) read through the current
// source: the database opened by ClAccConnect::Initiate, or books held in
// memory by a test. Platform-free; text is Shift-JIS by the time it is here.
#ifndef LEDGER_STANDIN_SOURCE_H
#define LEDGER_STANDIN_SOURCE_H

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ledger {

struct User {
    std::string userId;
    bool locked = false;
    int32_t selectedNo1 = 0;   // further number of the selection
    int32_t selectedNo2 = 0;   // lDataNo of the selected data set
};

struct DataSet {
    int32_t dataNo = 0;
    std::string dataId;        // at most 15 bytes
    std::string companyName;   // Shift-JIS, at most 259 bytes
    int32_t periodStart = 0;   // yyyymmdd
    int32_t periodEnd = 0;
    int32_t closingDay = 31;   // 31: month end
    int32_t chukanKessan = 0;  // 1: keeps an interim closing period
    int16_t dataType = 0;      // 99: past results
    bool taxInclusiveEntry = false;
};

struct Account {
    int32_t code = 0;          // account * 10000 + sub-account
    std::string name;          // Shift-JIS, at most 56 bytes
    int8_t kind = 0;
    char taishaku = 1;         // 1: debit side
    char omit1 = 0;
    char omit2 = 0;
    uint32_t attrBits = 0;
    int32_t dispOrder = 0;
};

// Totals of one code and period: 0 brought forward, 1-12 fiscal months,
// 13 year-end closing, 14 interim closing. Ten-thousandths.
struct PeriodTotals {
    int32_t code = 0;
    int period = 0;
    int64_t kariNuki = 0, kariKomi = 0, kashiNuki = 0, kashiKomi = 0;
};

// Results are 0 for success, non-zero when the books could not be read.
class BooksSource {
public:
    virtual ~BooksSource() = default;
    virtual long GetUser(const std::string& userId, User* user, bool* found) = 0;
    virtual long GetDataSets(std::vector<DataSet>* sets) = 0;        // in data-set number order
    virtual long GetAccounts(const std::string& dataId, std::vector<Account>* accounts) = 0;
    virtual long GetTotals(const std::string& dataId, std::vector<PeriodTotals>* totals) = 0;
};

// Books held in memory, for tests.
class MemoryBooks : public BooksSource {
public:
    long GetUser(const std::string& userId, User* user, bool* found) override {
        *found = false;
        for (const User& u : users)
            if (u.userId == userId) {
                *user = u;
                *found = true;
                break;
            }
        return 0;
    }
    long GetDataSets(std::vector<DataSet>* out) override { *out = sets; return 0; }
    long GetAccounts(const std::string& dataId, std::vector<Account>* out) override {
        auto it = accounts.find(dataId);
        out->clear();
        if (it != accounts.end()) *out = it->second;
        return 0;
    }
    long GetTotals(const std::string& dataId, std::vector<PeriodTotals>* out) override {
        auto it = totals.find(dataId);
        out->clear();
        if (it != totals.end()) *out = it->second;
        return 0;
    }

    std::vector<User> users;
    std::vector<DataSet> sets;
    std::map<std::string, std::vector<Account>> accounts;
    std::map<std::string, std::vector<PeriodTotals>> totals;
};

// The source the library objects read; null before Initiate.
BooksSource* CurrentSource();
// Replaces the source (tests; Initiate). The library reads the data-set
// list, the selection and each account master once per installed source:
// a test changes memory books before installing them. The current user is the one whose
// ID is given here for memory books, or the configured one for a database.
void SetCurrentSource(std::unique_ptr<BooksSource> source, const std::string& userId);
const std::string& CurrentUserId();
// Changes whenever the source is replaced, so that caches of the books
// (account masters) know when to drop what they hold.
unsigned SourceGeneration();

}  // namespace ledger

#endif
