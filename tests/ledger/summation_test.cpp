// Summation and account master over memory books: delivery order, amounts,
// chain evaluation and refusal of malformed chains.
// Fields of the packed records are compared by value (+x): a reference to
// one may be misaligned.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "ledger/books.h"
#include "ledger/managers.h"
#include "tests/ledger/books_fixture.h"

namespace {

using testbooks::Entry;

void SetEnv(const char* name, const char* value) {
#ifdef _WIN32
    _putenv_s(name, value ? value : "");
#else
    if (value)
        setenv(name, value, 1);
    else
        unsetenv(name);
#endif
}

// Periods 1 to 12 and the year-end closing, as the report asks for a year.
std::vector<StFINDINFO> YearChain() {
    return {Entry(17, 4, 2, 1, 1), Entry(17, 6, 2, 12, 2), Entry(17, 1, 2, 18, 0)};
}

std::vector<StKAMOKUSUMINFO> Deliver(ClRuleKamoku& rule, std::vector<StFINDINFO> chain, unsigned long* pCount) {
    rule.SetCurDataID("D007");
    EXPECT_EQ(0, rule.MoveReady(1, 0, 0, chain.data(), nullptr, 0));
    EXPECT_EQ(0, rule.GetSumCount(pCount));
    EXPECT_EQ(0, rule.SetMovePos(0));
    std::vector<StKAMOKUSUMINFO> out;
    StKAMOKUSUMINFO rec;
    long rc;
    while ((rc = rule.MoveNext(&rec)) == 0) out.push_back(rec);
    EXPECT_EQ(ClRuleKamoku::MOVE_END, rc);
    return out;
}

class Summation : public testing::Test {
protected:
    void SetUp() override { testbooks::Install(testbooks::Make()); }
};

TEST_F(Summation, DeliversAccountsSubsAndClosingRecordInDisplayOrder) {
    ClRuleKamoku rule;
    unsigned long count = 0;
    std::vector<StKAMOKUSUMINFO> recs = Deliver(rule, YearChain(), &count);
    struct Expect {
        int32_t code;
        char hasHojyo;
        const char* name;
    } expected[] = {
        {1000000, 0, "Cash"},     {2000000, 1, "Deposits"}, {2000002, 0, "Bank Two"},
        {2000001, 0, "Bank One"}, {2000000, 0, "Deposits"}, {5000000, 0, "Sales"},
    };
    ASSERT_EQ(6u, recs.size());
    EXPECT_EQ(6u, count);  // the closing record counts
    for (size_t i = 0; i < recs.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(expected[i].code, +recs[i].lCode);
        EXPECT_EQ(expected[i].hasHojyo, +recs[i].cHasHojyo);
        EXPECT_STREQ(expected[i].name, recs[i].szName);
    }
    // The closing record repeats the account's content.
    EXPECT_EQ(0, std::memcmp(recs[1].llKariNuki, recs[4].llKariNuki, 4 * sizeof recs[1].llKariNuki));
}

TEST_F(Summation, AccountAmountsIncludeSubsAndEveryPeriodIsFilled) {
    ClRuleKamoku rule;
    unsigned long count = 0;
    // Only month 1 is selected; every period must still be filled.
    std::vector<StKAMOKUSUMINFO> recs = Deliver(rule, {Entry(17, 1, 2, 1, 0)}, &count);
    ASSERT_EQ(6u, recs.size());
    const StKAMOKUSUMINFO& cash = recs[0];
    EXPECT_EQ(100, +cash.llKariNuki[0]);
    EXPECT_EQ(10, +cash.llKariNuki[1]);
    EXPECT_EQ(11, +cash.llKariKomi[1]);
    EXPECT_EQ(5, +cash.llKashiNuki[1]);
    EXPECT_EQ(6, +cash.llKashiKomi[1]);
    EXPECT_EQ(1, +cash.cTaishaku);
    const StKAMOKUSUMINFO& deposits = recs[1];
    EXPECT_EQ(1000, +deposits.llKariNuki[0]);
    EXPECT_EQ(1, +deposits.llKariNuki[1]);
    EXPECT_EQ(7, +deposits.llKariNuki[13]);  // year-end closing of Bank One
    EXPECT_EQ(8, +deposits.llKariKomi[13]);
    EXPECT_EQ(30, +deposits.llKashiNuki[14]);  // interim closing of Bank Two
    EXPECT_EQ(33, +deposits.llKashiKomi[14]);
    const StKAMOKUSUMINFO& bankOne = recs[3];
    EXPECT_EQ(1000, +bankOne.llKariNuki[0]);
    EXPECT_EQ(0, +bankOne.llKashiNuki[14]);
    const StKAMOKUSUMINFO& sales = recs[5];
    EXPECT_EQ(550, +sales.llKashiKomi[12]);
    EXPECT_EQ(2, +sales.cTaishaku);
    EXPECT_EQ(0, +sales.cOmit1);
    EXPECT_EQ(1, +sales.cOmit2);
    EXPECT_EQ(0x08000000u, +sales.ulAttrBits);
}

TEST_F(Summation, AndBindsTighterThanOr) {
    // code = Cash and month 1, or code = Bank One  -> Cash, Bank One
    // (Bank One alone, as its account is not selected).
    ClRuleKamoku rule;
    unsigned long count = 0;
    std::vector<StKAMOKUSUMINFO> recs =
        Deliver(rule, {Entry(2, 1, 3, 1000000, 1), Entry(17, 1, 2, 1, 2), Entry(2, 1, 3, 2000001, 0)}, &count);
    ASSERT_EQ(2u, recs.size());
    EXPECT_EQ(1000000, +recs[0].lCode);
    EXPECT_EQ(2000001, +recs[1].lCode);
    EXPECT_EQ(0, +recs[1].cHasHojyo);
    // An account whose subs are not selected is a single record.
    recs = Deliver(rule, {Entry(2, 1, 3, 2000000, 0)}, &count);
    ASSERT_EQ(1u, recs.size());
    EXPECT_EQ(0, +recs[0].cHasHojyo);
    EXPECT_EQ(1000, +recs[0].llKariNuki[0]);  // still includes its subs
    // A period no chain entry allows selects nothing.
    recs = Deliver(rule, {Entry(17, 1, 2, 16, 0)}, &count);
    EXPECT_EQ(0u, count);
    EXPECT_TRUE(recs.empty());
}

TEST_F(Summation, MalformedChainsAndArgumentsAreRefused) {
    std::vector<StFINDINFO> endless(70, Entry(17, 4, 2, 1, 1));
    struct Case {
        const char* what;
        std::vector<StFINDINFO> chain;
        int base, bmn, past;
    } cases[] = {
        {"unknown item", {Entry(3, 1, 2, 1, 0)}, 1, 0, 0},
        {"unknown operator", {Entry(17, 2, 2, 1, 0)}, 1, 0, 0},
        {"unknown value type", {Entry(17, 1, 4, 1, 0)}, 1, 0, 0},
        {"unknown link", {Entry(17, 1, 2, 1, 3)}, 1, 0, 0},
        {"bad entry after a good one", {Entry(17, 1, 2, 1, 1), Entry(17, 9, 2, 1, 0)}, 1, 0, 0},
        {"no terminating entry", endless, 1, 0, 0},
        {"unknown base", YearChain(), 2, 0, 0},
        {"department summation", YearChain(), 1, 1, 0},
        {"past summation", YearChain(), 1, 0, 1},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        ClRuleKamoku rule;
        rule.SetCurDataID("D007");
        unsigned long count = 99;
        StKAMOKUSUMINFO rec;
        EXPECT_NE(0, rule.MoveReady(c.base, c.bmn, 0, c.chain.data(), nullptr, c.past));
        EXPECT_NE(0, rule.GetSumCount(&count));
        EXPECT_EQ(99u, count);
        long rc = rule.MoveNext(&rec);
        EXPECT_NE(0, rc);
        EXPECT_NE(ClRuleKamoku::MOVE_END, rc);
    }
    ClRuleKamoku rule;
    EXPECT_NE(0, rule.MoveReady(1, 0, 0, nullptr, nullptr, 0));
    StKAMOKUSUMINFO rec;
    ClRuleKamoku fresh;  // MoveNext before MoveReady
    EXPECT_NE(0, fresh.MoveNext(&rec));
    EXPECT_NE(ClRuleKamoku::MOVE_END, fresh.MoveNext(&rec));
}

TEST_F(Summation, UnknownDataSetIsRefusedNotEmpty) {
    ClRuleKamoku rule;
    std::vector<StFINDINFO> chain = YearChain();
    rule.SetCurDataID("NOPE");
    unsigned long count = 0;
    EXPECT_NE(0, rule.MoveReady(1, 0, 0, chain.data(), nullptr, 0));
    EXPECT_NE(0, rule.GetSumCount(&count));
}

TEST_F(Summation, FaultKnobFailsTheKthMoveNext) {
    SetEnv("LEDGER_FAULT_MOVENEXT", "2");
    ClRuleKamoku rule;
    std::vector<StFINDINFO> chain = YearChain();
    rule.SetCurDataID("D007");
    ASSERT_EQ(0, rule.MoveReady(1, 0, 0, chain.data(), nullptr, 0));
    SetEnv("LEDGER_FAULT_MOVENEXT", nullptr);
    StKAMOKUSUMINFO rec;
    EXPECT_EQ(0, rule.MoveNext(&rec));
    EXPECT_EQ(0, rule.MoveNext(&rec));
    EXPECT_EQ(-2, rule.MoveNext(&rec));
}

TEST_F(Summation, OverflowingTotalsAreRefused) {
    auto b = testbooks::Make();
    b->totals["D007"].push_back(testbooks::T(2000001, 1, INT64_MAX, 0, 0, 0));
    b->totals["D007"].push_back(testbooks::T(2000002, 1, 1, 0, 0, 0));
    testbooks::Install(std::move(b));
    ClRuleKamoku rule;
    std::vector<StFINDINFO> chain = YearChain();
    rule.SetCurDataID("D007");
    EXPECT_NE(0, rule.MoveReady(1, 0, 0, chain.data(), nullptr, 0));
}

TEST_F(Summation, AccountMasterLookupByCode) {
    ClSetKamoku* master = static_cast<ClSetKamoku*>(ClDataMgr::Inst()->GetSetObject(ClDataMgr::SET_KAMOKU, 1));
    struct Case {
        int32_t code;
        long rc;
        int8_t kind;
        const char* name;
    } cases[] = {{5000000, 0, 1, "Sales"}, {2000001, 0, 0, "Bank One"}, {3000000, 1, 0, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        StFINDINFO find = Entry(2, 1, 3, c.code, 0);
        StKAMOKUINFO info;
        std::memset(&info, 0x55, sizeof info);
        long cursor = 0;
        master->GetCursor(&cursor);
        master->ReadyCursor(cursor);
        EXPECT_EQ(c.rc, master->WalkFind(&find, &info, cursor));
        EXPECT_EQ(c.rc == 0 ? c.code : 0, +info.lCode);
        EXPECT_EQ(c.kind, +info.cKind);
        EXPECT_STREQ(c.name, info.szName);
        EXPECT_NE(0, master->WalkFind(&find, &info, cursor));  // codes are unique
        EXPECT_EQ(0, master->ReleaseCursor(cursor));
    }
    StFINDINFO period = Entry(17, 1, 2, 1, 0);  // the master has no periods
    StKAMOKUINFO info;
    long cursor = 0;
    master->GetCursor(&cursor);
    EXPECT_NE(0, master->WalkFind(&period, &info, cursor));
    master->ReleaseCursor(cursor);
}

}  // namespace
