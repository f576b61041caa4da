// Accounting months of periods with various closing days.
#include "ledger/period.h"

#include <gtest/gtest.h>

namespace {

struct MonthCase {
    long start, end, date;
    long closingDay;   // expected from GetClosingDayByEndDate(end)
    long month;        // GetAMonthByDate(date)
    long index;        // GetMonthIndexByDate(date); 0 outside the period
};

const MonthCase kCases[] = {
    {20230401, 20240331, 20230401, 31, 4, 1},     // month end, April start
    {20230401, 20240331, 20240331, 31, 3, 12},
    {20230401, 20240331, 20231231, 31, 12, 9},
    {20230401, 20240331, 20240401, 31, 4, 0},     // the day after the period
    {20230401, 20240331, 20230331, 31, 3, 0},     // the day before
    {20230521, 20240520, 20230521, 20, 6, 1},     // 20th closing: 21 May is in June's month
    {20230521, 20240520, 20230620, 20, 6, 1},
    {20230521, 20240520, 20230621, 20, 7, 2},
    {20230521, 20240520, 20231221, 20, 1, 8},     // crosses the year within the closing
    {20230521, 20240520, 20240520, 20, 5, 12},
    {20240101, 20241231, 20240229, 31, 2, 2},     // leap day
    {20230301, 20240229, 20240229, 31, 2, 12},    // period ending on a leap day: month end
    {20220301, 20230228, 20230228, 31, 2, 12},    // 28 February of a common year is month end
    {20230401, 20230930, 20230915, 31, 9, 6},     // six-month period
    {20230415, 20240414, 20230415, 14, 5, 1},     // mid-month start, 14th closing
    {20230415, 20240414, 20240414, 14, 4, 12},
};

TEST(Period, MonthsOfDatesTable) {
    for (const MonthCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.start << "-" << c.end << " date " << c.date);
        ClAccPeriod period;
        long closing = 0, month = 0, index = -1;
        period.SetPeriod(c.start, c.end);
        period.GetClosingDayByEndDate(c.end, 0, &closing);
        EXPECT_EQ(c.closingDay, closing);
        period.SetClosingDay(closing);
        period.GetAMonthByDate(c.date, &month, 0);
        EXPECT_EQ(c.month, month);
        EXPECT_EQ(c.index == 0 ? 1 : 0, period.GetMonthIndexByDate(c.date, &index));
        EXPECT_EQ(c.index, index);
    }
}

}  // namespace
