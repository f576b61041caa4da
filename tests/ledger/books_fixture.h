// Small memory books shared by the ledger tests: one data set with cash,
// deposits with two bank sub-accounts shown in reverse code order, and
// sales on the credit side; or a list of bare data sets. Also a builder of
// search conditions.
#ifndef TESTS_LEDGER_BOOKS_FIXTURE_H
#define TESTS_LEDGER_BOOKS_FIXTURE_H

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ledger/records.h"
#include "ledger/standin/source.h"

namespace testbooks {

inline ledger::PeriodTotals T(int32_t code, int period, int64_t kn, int64_t kk, int64_t sn, int64_t sk) {
    ledger::PeriodTotals t;
    t.code = code;
    t.period = period;
    t.kariNuki = kn;
    t.kariKomi = kk;
    t.kashiNuki = sn;
    t.kashiKomi = sk;
    return t;
}

inline ledger::Account A(int32_t code, const char* name, int order, char taishaku = 1, int8_t kind = 0) {
    ledger::Account a;
    a.code = code;
    a.name = name;
    a.dispOrder = order;
    a.taishaku = taishaku;
    a.kind = kind;
    return a;
}

inline std::unique_ptr<ledger::MemoryBooks> Make() {
    std::unique_ptr<ledger::MemoryBooks> b(new ledger::MemoryBooks);
    ledger::DataSet s;
    s.dataNo = 7;
    s.dataId = "D007";
    s.companyName = "Sample Trading";
    s.periodStart = 20230401;
    s.periodEnd = 20240331;
    s.chukanKessan = 1;
    s.taxInclusiveEntry = true;
    b->sets.push_back(s);
    ledger::User u;
    u.userId = "alice";
    u.selectedNo1 = 3;
    u.selectedNo2 = 7;
    b->users.push_back(u);
    ledger::Account sales = A(5000000, "Sales", 30, 2, 1);
    sales.omit2 = 1;
    sales.attrBits = 0x08000000;
    b->accounts["D007"] = {
        sales,
        A(1000000, "Cash", 10),
        A(2000000, "Deposits", 20),
        A(2000001, "Bank One", 2),   // shown after Bank Two
        A(2000002, "Bank Two", 1),
    };
    b->totals["D007"] = {
        T(1000000, 0, 100, 100, 0, 0),
        T(1000000, 1, 10, 11, 5, 6),
        T(2000000, 1, 1, 1, 0, 0),          // posted to the account itself
        T(2000001, 0, 1000, 1000, 0, 0),
        T(2000001, 13, 7, 8, 0, 0),
        T(2000002, 14, 0, 0, 30, 33),
        T(5000000, 12, 0, 0, 500, 550),
    };
    return b;
}

// One search condition.
inline StFINDINFO Entry(int32_t item, int16_t op, int16_t type, int32_t value, int16_t link) {
    StFINDINFO e;
    std::memset(&e, 0, sizeof e);
    e.lItem = item;
    e.nOperator = op;
    e.nValueType = type;
    if (type == FIND_VALUE_LONG)
        e.uValue.l = value;
    else
        e.uValue.n = (int16_t)value;
    e.nLink = link;
    return e;
}

// Data sets numbered as given, IDs "S0", "S1", ...; alice, the current
// user, selects number `selected` (further number 42).
inline void InstallSets(const std::vector<int32_t>& numbers, int32_t selected) {
    std::unique_ptr<ledger::MemoryBooks> b(new ledger::MemoryBooks);
    for (size_t i = 0; i < numbers.size(); ++i) {
        ledger::DataSet s;
        s.dataNo = numbers[i];
        s.dataId = "S" + std::to_string(i);
        s.companyName = "Company " + std::to_string(i);
        s.periodStart = 20230401;
        s.periodEnd = 20240331;
        s.dataType = (int16_t)(i == 4 ? 99 : 0);
        b->sets.push_back(s);
    }
    ledger::User u;
    u.userId = "alice";
    u.selectedNo1 = 42;
    u.selectedNo2 = selected;
    b->users.push_back(u);
    ledger::SetCurrentSource(std::move(b), "alice");
}

// Selections over such lists, with the data set that must be found.
struct SelectionCase {
    const char* what;
    std::vector<int32_t> numbers;
    int32_t selected;
    const char* id;  // expected data ID; "" when none matches (record all zeros)
};
inline const std::vector<SelectionCase>& SelectionCases() {
    static const std::vector<SelectionCase> cases = {
        {"third of five", {1, 2, 3, 4, 5}, 3, "S2"},
        {"none matching", {1, 2, 3, 4, 5}, 9, ""},
        {"number 0 exists", {1, 0, 3, 4, 5}, 0, "S1"},
        {"duplicates: first in walk order", {1, 2, 3, 3, 5}, 3, "S2"},
        {"empty list", {}, 0, ""},
    };
    return cases;
}

inline void Install(std::unique_ptr<ledger::MemoryBooks> b, const char* user = "alice") {
    ledger::SetCurrentSource(std::move(b), user);
}

}  // namespace testbooks

#endif
