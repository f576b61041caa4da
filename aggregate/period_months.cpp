// First accounting month and last-month code of a period.
#include "aggregate/period_months.h"

#include <new>

#include "ledger/period.h"

void GetPeriodMonths(long lPeriodStart, long lPeriodEnd, short* pFirst, short* pLast) {
    long first = lPeriodStart % 10000 / 100;
    long last = lPeriodEnd % 10000 / 100;
    ClAccPeriod* period = new (std::nothrow) ClAccPeriod;
    if (period == nullptr) return;
    period->SetPeriod(lPeriodStart, lPeriodEnd);
    long closingDay = 0;
    period->GetClosingDayByEndDate(lPeriodEnd, 0, &closingDay);
    period->SetClosingDay(closingDay);
    period->GetAMonthByDate(lPeriodStart, &first, 0);
    delete period;
    // Only the first month goes through the closing-day arithmetic.
    if (last < first) last += 100;
    if (pFirst) *pFirst = (short)first;
    if (pLast) *pLast = (short)last;
}
