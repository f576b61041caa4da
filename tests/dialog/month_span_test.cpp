// Month span check over whole periods: which end months are accepted.
#include "dialog/month_span.h"

#include <gtest/gtest.h>

#include <string>

#include "aggregate/period_months.h"

namespace {

// The accepted end months 0-13 of a period, as a string of '1'/'0'.
std::string AcceptedEndMonths(long lStart, long lEnd) {
    short first = 0, last = 0;
    GetPeriodMonths(lStart, lEnd, &first, &last);
    std::string accepted;
    for (short e = 0; e <= 13; ++e) accepted += IsMonthSpanValid(first, e, first, last) ? '1' : '0';
    return accepted;
}

TEST(MonthSpan, Periods) {
    struct { long start, end; const char* accepted; } cases[] = {
        //                        0123456789abcd
        {20020401, 20030331, "01111111111110"},  // April to March: every month
        {20021001, 20030331, "01110000001110"},  // October to March
        {20020401, 20020930, "00001111110000"},  // April to September
        {20020101, 20021231, "01111111111110"},  // calendar year
    };
    for (const auto& c : cases) EXPECT_EQ(c.accepted, AcceptedEndMonths(c.start, c.end)) << c.start;
}

TEST(MonthSpan, MonthText) {
    struct { const char* text; short value; } cases[] = {
        {"", 0}, {"3", 3}, {"03", 3}, {"12", 12}, {"1a", 1}, {"a1", 0}, {" 7", 7},
    };
    for (const auto& c : cases) EXPECT_EQ(c.value, MonthFromText(c.text)) << c.text;
}

}  // namespace
