// The search chain, byte for byte, and the balance it selects.
#include "aggregate/find_info.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "aggregate/balance.h"

namespace {

struct Entry {
    int op;
    int value;
    int link;
};

struct ChainCase {
    long start, end, chukan;   // period and interim-closing setting
    long m1, m2;               // span in calendar months
    std::vector<Entry> chain;  // expected entries (item 17, 16-bit values)
};

StDATAINFO MakeInfo(long start, long end, long chukan) {
    StDATAINFO info;
    memset(&info, 0, sizeof info);
    info.lPeriodStart = start;
    info.lPeriodEnd = end;
    info.lChukanKessan = chukan;
    return info;
}

// The bytes the summation library reads, laid out from the offsets of the
// wire format rather than from our struct.
std::vector<unsigned char> ExpectedBytes(const std::vector<Entry>& chain) {
    std::vector<unsigned char> bytes(34 * FIND_CHAIN_ENTRIES, 0);
    for (size_t i = 0; i < chain.size(); ++i) {
        unsigned char* e = &bytes[34 * i];
        e[0] = 17;
        e[6] = (unsigned char)chain[i].op;
        e[10] = 2;
        e[18] = (unsigned char)chain[i].value;
        e[30] = (unsigned char)chain[i].link;
    }
    return bytes;
}

const ChainCase kChains[] = {
    // Twelve months across a year end: last-month code 103.
    {20020401, 20030331, 0, 4, 3, {{4, 1, 1}, {6, 12, 2}, {1, 18, 0}}},
    {20020401, 20030331, 0, 2, 3, {{4, 11, 1}, {6, 12, 2}, {1, 18, 0}}},
    {20020401, 20030331, 0, 5, 9, {{4, 2, 1}, {6, 6, 0}}},
    {20020401, 20030331, 1, 5, 9, {{4, 2, 1}, {6, 6, 2}, {1, 15, 0}}},
    {20020401, 20030331, 2, 5, 9, {{4, 2, 1}, {6, 6, 0}}},
    {20020401, 20030331, 1, 4, 2, {{4, 1, 1}, {6, 11, 0}}},
    // Calendar-year period: no 100 added.
    {20230101, 20231231, 1, 1, 12, {{4, 1, 1}, {6, 12, 2}, {1, 18, 0}}},
    {20230101, 20231231, 1, 1, 6, {{4, 1, 1}, {6, 6, 2}, {1, 15, 0}}},
    // Six months ending at fiscal month 6: both closing codes.
    {20230101, 20230630, 1, 1, 6, {{4, 1, 1}, {6, 6, 2}, {1, 15, 2}, {1, 18, 0}}},
    // Months closing on the 20th: 21 March falls in accounting month 4.
    {20230321, 20240320, 0, 4, 3, {{4, 1, 1}, {6, 12, 2}, {1, 18, 0}}},
    {20230321, 20240320, 1, 5, 9, {{4, 2, 1}, {6, 6, 2}, {1, 15, 0}}},
};

TEST(FindInfoTest, WritesTheChainByteForByte) {
    for (const ChainCase& c : kChains) {
        StDATAINFO info = MakeInfo(c.start, c.end, c.chukan);
        StFINDINFO find[FIND_CHAIN_ENTRIES];
        memset(find, 0xAB, sizeof find);
        BuildFindInfo(find, &info, c.m1, c.m2);
        std::vector<unsigned char> expected = ExpectedBytes(c.chain);
        std::vector<unsigned char> actual((unsigned char*)find, (unsigned char*)find + sizeof find);
        EXPECT_EQ(expected, actual) << c.start << "-" << c.end << " months " << c.m1 << ".." << c.m2
                                    << " interim " << c.chukan;
    }
}

// A summary record whose period k carries 2^k on the debit side of the
// amounts excluding tax, so a balance shows which periods were added.
StKAMOKUSUMINFO PeriodMarkers(char taishaku) {
    StKAMOKUSUMINFO sum;
    memset(&sum, 0, sizeof sum);
    sum.cTaishaku = taishaku;
    for (int k = 0; k < KAMOKU_PERIODS; ++k) sum.llKariNuki[k] = (int64_t)1 << k;
    return sum;
}

int64_t Periods(int from, int to) {
    int64_t mask = 0;
    for (int k = from; k <= to; ++k) mask |= (int64_t)1 << k;
    return mask;
}

int64_t BalanceFor(const StKAMOKUSUMINFO& sum, long start, long end, long chukan, long m1, long m2, long tax = 0) {
    StDATAINFO info = MakeInfo(start, end, chukan);
    StFINDINFO find[FIND_CHAIN_ENTRIES];
    BuildFindInfo(find, &info, m1, m2);
    return CalcEntryBalance(&sum, find, tax, chukan).GetScaled();
}

TEST(BalanceTest, AddsTheClosingPeriodsTheSpanReaches) {
    const int64_t y = (int64_t)1 << 13, i = (int64_t)1 << 14;
    struct {
        ChainCase c;
        int64_t periods;
    } cases[] = {
        {{20230401, 20240331, 0, 4, 3, {}}, Periods(0, 12) | y},
        {{20230401, 20240331, 1, 4, 2, {}}, Periods(0, 11)},
        {{20230401, 20240331, 1, 5, 9, {}}, Periods(0, 6) | i},
        {{20230401, 20240331, 1, 6, 9, {}}, Periods(0, 6) | i},   // start month changes nothing
        {{20230401, 20240331, 0, 5, 9, {}}, Periods(0, 6)},
        {{20230401, 20240331, 2, 5, 9, {}}, Periods(0, 6)},
        {{20230401, 20240331, 1, 5, 10, {}}, Periods(0, 7)},
        {{20230101, 20231231, 1, 1, 12, {}}, Periods(0, 12) | y},
        {{20230101, 20230630, 1, 1, 6, {}}, Periods(0, 6) | i | y},  // four entries: 13 too
    };
    StKAMOKUSUMINFO sum = PeriodMarkers(1);
    for (const auto& t : cases) {
        const ChainCase& c = t.c;
        EXPECT_EQ(t.periods, BalanceFor(sum, c.start, c.end, c.chukan, c.m1, c.m2))
            << c.start << " months " << c.m1 << ".." << c.m2 << " interim " << c.chukan;
    }
}

TEST(BalanceTest, OrientsByBalanceSideWhateverTheStartIndex) {
    StKAMOKUSUMINFO sum;
    memset(&sum, 0, sizeof sum);
    sum.llKariNuki[0] = 10000000000LL;
    sum.llKariNuki[1] = 500000;
    sum.llKashiNuki[2] = 200000;
    for (long m1 : {4L, 5L}) {  // d = 1 and d = 2, h = 3
        sum.cTaishaku = 1;
        EXPECT_EQ(10000300000LL, BalanceFor(sum, 20230401, 20240331, 0, m1, 6)) << m1;
        sum.cTaishaku = 2;
        EXPECT_EQ(-10000300000LL, BalanceFor(sum, 20230401, 20240331, 0, m1, 6)) << m1;
        sum.cTaishaku = 0;
        EXPECT_EQ(-10000300000LL, BalanceFor(sum, 20230401, 20240331, 0, m1, 6)) << m1;
    }
}

TEST(BalanceTest, TaxSwitchChoosesTheArrays) {
    StKAMOKUSUMINFO sum;
    memset(&sum, 0, sizeof sum);
    sum.cTaishaku = 1;
    sum.llKariNuki[1] = 1;
    sum.llKashiNuki[1] = 10;
    sum.llKariKomi[1] = 100;
    sum.llKashiKomi[1] = 1000;
    EXPECT_EQ(-900, BalanceFor(sum, 20230401, 20240331, 0, 4, 4, 1));
    for (long tax : {0L, 2L, -1L}) EXPECT_EQ(-9, BalanceFor(sum, 20230401, 20240331, 0, 4, 4, tax)) << tax;
}

TEST(BalanceTest, BalanceAtTheBoundRaisesOverflow) {
    for (char side : {1, 2}) {
        StKAMOKUSUMINFO sum;
        memset(&sum, 0, sizeof sum);
        sum.cTaishaku = side;
        int64_t* own = side == 1 ? sum.llKariNuki : sum.llKashiNuki;
        own[0] = 999999999999999999LL;
        EXPECT_EQ(999999999999999999LL, BalanceFor(sum, 20230401, 20240331, 0, 4, 5));
        own[2] = 1;
        EXPECT_THROW(BalanceFor(sum, 20230401, 20240331, 0, 4, 5), CAmountOverflow) << (int)side;
    }
}

}  // namespace
