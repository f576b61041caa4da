// CZandakaCalc over books held in memory: what reaches the balance list,
// what is left out, and how a failed summation ends.
#include "aggregate/zandaka_calc.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "aggregate/find_info.h"
#include "ledger/standin/source.h"
#include "report/progress_dlg.h"
#include "res/resource.h"

namespace {

const char kDataId[] = "D0001";

// Entry code of an account or one of its sub-accounts.
int32_t K(int32_t account, int32_t sub = 0) { return account * 10000 + sub; }

ledger::Account Acc(int32_t code, const char* name, int8_t kind = 0, char taishaku = 1) {
    ledger::Account a;
    a.code = code;
    a.name = name;
    a.kind = kind;
    a.taishaku = taishaku;
    a.dispOrder = code / 10000;
    return a;
}

ledger::PeriodTotals Debit(int32_t code, int period, int64_t amount) {
    ledger::PeriodTotals t;
    t.code = code;
    t.period = period;
    t.kariNuki = amount;
    return t;
}

struct Kept {
    int32_t code;
    int hasHojyo;
    int64_t balance;
    bool operator==(const Kept& o) const {
        return code == o.code && hasHojyo == o.hasHojyo && balance == o.balance;
    }
};

void PrintTo(const Kept& k, std::ostream* os) { *os << "{" << k.code << "," << k.hasHojyo << "," << k.balance << "}"; }

class ZandakaCalcTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_progress.Create(IDD_PROGRESS, nullptr));
        m_progress.ShowWindow(SW_SHOW);
        m_progress.Reset();
        m_calc.m_pProgress = &m_progress;
        m_calc.m_pList = &m_list;
    }
    void TearDown() override {
        for (StZANDAKAINFO* rec : m_list) delete rec;
        _putenv("LEDGER_FAULT_MOVENEXT=");
    }

    // One data set of April to March, selected by the current user.
    void Install(const std::vector<ledger::Account>& accounts, const std::vector<ledger::PeriodTotals>& totals) {
        std::unique_ptr<ledger::MemoryBooks> books(new ledger::MemoryBooks);
        ledger::User user;
        user.userId = "tester";
        user.selectedNo2 = 1;
        books->users.push_back(user);
        ledger::DataSet set;
        set.dataNo = 1;
        set.dataId = kDataId;
        set.companyName = "テスト商会";
        set.periodStart = 20230401;
        set.periodEnd = 20240331;
        books->sets.push_back(set);
        books->accounts[kDataId] = accounts;
        books->totals[kDataId] = totals;
        ledger::SetCurrentSource(std::move(books), "tester");
    }

    // Totals the span April to the given month.
    int Calc(long endMonth = 3) {
        StDATAINFO info;
        memset(&info, 0, sizeof info);
        info.lPeriodStart = 20230401;
        info.lPeriodEnd = 20240331;
        BuildFindInfo(m_find, &info, 4, endMonth);
        return m_calc.Calc(0, m_find, &info);
    }

    std::vector<Kept> List() const {
        std::vector<Kept> out;
        for (const StZANDAKAINFO* rec : m_list) out.push_back({rec->lCode, rec->cHasHojyo, rec->llZandaka});
        return out;
    }

    CProgressDlg m_progress;
    ZandakaList m_list;
    CZandakaCalc m_calc;
    StFINDINFO m_find[FIND_CHAIN_ENTRIES];
};

TEST_F(ZandakaCalcTest, KeepsWhatPassesTheFiltersInDeliveryOrder) {
    std::vector<ledger::Account> accounts = {
        Acc(K(100), "現金"),
        Acc(K(110), "除外1"), Acc(K(120), "除外2"), Acc(K(130), "属性27"), Acc(K(140), "属性28"),
        Acc(K(150), "属性26"), Acc(K(160), "種別2", 2), Acc(K(170), "種別負", -1),
        Acc(K(180), "買掛金", 1, 2),
        Acc(K(200), "普通預金"), Acc(K(200, 1), "A銀行"), Acc(K(200, 2), "B銀行"),
    };
    accounts[1].omit1 = 1;
    accounts[2].omit2 = 1;
    accounts[3].attrBits = 1u << 27;
    accounts[4].attrBits = 1u << 28;
    accounts[5].attrBits = 1u << 26;
    Install(accounts, {Debit(K(100), 0, 50000), Debit(K(100), 12, 7), Debit(K(100), 13, 3), Debit(K(180), 1, 20000),
                       Debit(K(200, 1), 2, 100), Debit(K(200, 2), 0, 1)});

    ASSERT_EQ(1, Calc());
    std::vector<Kept> expected = {
        {K(100), 0, 50010}, {K(150), 0, 0}, {K(180), 0, -20000},
        {K(200), 1, 101}, {K(200, 1), 0, 100}, {K(200, 2), 0, 1}, {K(200), 0, 101},
    };
    EXPECT_EQ(expected, List());
    EXPECT_EQ(std::string("現金"), m_list.front()->szName);
    EXPECT_EQ(nullptr, m_calc.m_pRule);
    EXPECT_EQ(504, m_progress.m_ctlOverallBar.GetPos());

    EXPECT_EQ(0, m_calc.GetKamokuKind(K(100)));
    EXPECT_EQ(2, m_calc.GetKamokuKind(K(160)));
    EXPECT_EQ(-1, m_calc.GetKamokuKind(K(170)));
    EXPECT_EQ(-1, m_calc.GetKamokuKind(K(990)));
}

TEST_F(ZandakaCalcTest, EmptyBooksSucceedWithNothingAppended) {
    Install({}, {});
    EXPECT_EQ(1, Calc());
    EXPECT_TRUE(m_list.empty());
    EXPECT_EQ(504, m_progress.m_ctlOverallBar.GetPos());
}

TEST_F(ZandakaCalcTest, FailedReadKeepsEarlierEntriesAndTheSummation) {
    Install({Acc(K(100), "現金"), Acc(K(110), "小口"), Acc(K(120), "預金"), Acc(K(130), "売掛金")}, {});
    _putenv("LEDGER_FAULT_MOVENEXT=3");
    EXPECT_EQ(0, Calc());
    std::vector<Kept> expected = {{K(100), 0, 0}, {K(110), 0, 0}, {K(120), 0, 0}};
    EXPECT_EQ(expected, List());
    EXPECT_NE(nullptr, m_calc.m_pRule);
    EXPECT_EQ(403, m_progress.m_ctlOverallBar.GetPos());  // no step after the loop

    // A later run uses the summation it left.
    _putenv("LEDGER_FAULT_MOVENEXT=");
    EXPECT_EQ(1, Calc());
    EXPECT_EQ(7u, m_list.size());
    EXPECT_EQ(nullptr, m_calc.m_pRule);
}

TEST_F(ZandakaCalcTest, BalanceAtTheAmountBoundFailsTheRun) {
    std::vector<ledger::Account> accounts = {Acc(K(100), "現金"), Acc(K(110), "除外"), Acc(K(120), "預金")};
    accounts[1].omit1 = 1;  // dropped, but its balance is computed first
    Install(accounts, {Debit(K(110), 0, 999999999999999999LL), Debit(K(110), 1, 1)});
    EXPECT_EQ(0, Calc());
    std::vector<Kept> expected = {{K(100), 0, 0}};
    EXPECT_EQ(expected, List());
}

TEST_F(ZandakaCalcTest, NamesAreCutAtACharacterBoundary) {
    Install({Acc(K(100), "ABCDEFGHIJKLMNO漢字"),   // 15 bytes, then a character that does not fit
             Acc(K(110), "ABCDEFGHIJKLMN表"),      // exactly 16 bytes, trail byte 0x5C
             Acc(K(120), "預金預金預金預金預金")},  // 20 bytes of double-byte characters
            {});
    ASSERT_EQ(1, Calc());
    std::vector<std::string> names;
    for (const StZANDAKAINFO* rec : m_list) names.push_back(rec->szName);
    std::vector<std::string> expected = {"ABCDEFGHIJKLMNO", "ABCDEFGHIJKLMN表", "預金預金預金預金"};
    EXPECT_EQ(expected, names);
}

TEST_F(ZandakaCalcTest, KeepsEveryRecordOfLargeBooks) {
    const int32_t n = 32770;  // past a 16-bit pass counter
    std::vector<ledger::Account> accounts;
    for (int32_t i = 1; i <= n; ++i) accounts.push_back(Acc(K(i), "科目"));
    Install(accounts, {Debit(K(n), 0, 42)});
    ASSERT_EQ(1, Calc());
    ASSERT_EQ((size_t)n, m_list.size());
    EXPECT_EQ(K(n), m_list.back()->lCode);
    EXPECT_EQ(42, m_list.back()->llZandaka);
}

}  // namespace
