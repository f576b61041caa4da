// CAmount: storage split, sign of zero, and the bound of the sum.
#include "aggregate/amount.h"

#include <gtest/gtest.h>

namespace {

const int64_t kLimit = 1000000000000000000LL;

struct StoreCase {
    int64_t scaled;
    int16_t sign;
    int64_t whole;
    int32_t frac;
};

TEST(AmountTest, StoresSignWholeAndFraction) {
    const StoreCase cases[] = {
        {0, 1, 0, 0},
        {-1, -1, 0, 1},
        {123456789, 1, 12345, 6789},
        {-20000, -1, 2, 0},
        {kLimit - 1, 1, 99999999999999, 9999},
        {INT64_MIN, -1, 922337203685477, 5808},
    };
    for (const StoreCase& c : cases) {
        CAmount a(c.scaled);
        EXPECT_EQ(c.sign, a.m_nSign) << c.scaled;
        EXPECT_EQ(c.whole, a.m_llInt) << c.scaled;
        EXPECT_EQ(c.frac, a.m_lFrac) << c.scaled;
        EXPECT_EQ(c.scaled, a.GetScaled());
    }
    CAmount zero;
    EXPECT_EQ(1, zero.m_nSign);
    EXPECT_EQ(0, zero.GetScaled());
}

TEST(AmountTest, ZeroResultsArePositive) {
    CAmount five(5), minusFive(-5);
    EXPECT_EQ(1, (five + minusFive).m_nSign);
    EXPECT_EQ(1, (five - five).m_nSign);
    CAmount acc(5);
    acc += minusFive;
    EXPECT_EQ(1, acc.m_nSign);
    EXPECT_EQ(0, acc.GetScaled());
    CAmount negZero(-3);
    negZero = acc;
    EXPECT_EQ(1, negZero.m_nSign);
}

TEST(AmountTest, SumBoundIsExactInBothDirections) {
    struct {
        int64_t a, b;
        bool overflows;
    } cases[] = {
        {kLimit - 2, 1, false},
        {-(kLimit - 2), -1, false},
        {kLimit - 1, 1, true},
        {-(kLimit - 1), -1, true},
        {kLimit, -1, false},          // an operand may exceed; the result counts
        {INT64_MAX, 1, true},         // past int64_t itself
        {INT64_MIN, -1, true},
    };
    for (const auto& c : cases) {
        CAmount a(c.a), b(c.b);
        if (c.overflows) {
            try {
                CAmount r = a + b;
                ADD_FAILURE() << c.a << " + " << c.b << " gave " << r.GetScaled();
            } catch (const CAmountOverflow& e) {
                EXPECT_EQ(-1, e.nCode);
            }
            EXPECT_EQ(c.a, a.GetScaled());
            EXPECT_EQ(c.b, b.GetScaled());
        } else {
            EXPECT_EQ(c.a + c.b, (a + b).GetScaled());
        }
    }
}

TEST(AmountTest, DifferenceAndInPlaceAdditionHaveNoBound) {
    CAmount big(kLimit - 1);
    EXPECT_EQ(kLimit + 4, (big - CAmount(-5)).GetScaled());
    big += CAmount(10);
    EXPECT_EQ(kLimit + 9, big.GetScaled());
    CAmount neg = CAmount(-kLimit) - CAmount(1);
    EXPECT_EQ(-1, neg.m_nSign);
    EXPECT_EQ(-kLimit - 1, neg.GetScaled());
}

}  // namespace
