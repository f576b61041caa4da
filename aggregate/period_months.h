// First accounting month and last-month code of an accounting period.
#ifndef AGGREGATE_PERIOD_MONTHS_H
#define AGGREGATE_PERIOD_MONTHS_H

// Dates yyyymmdd. *pFirst: the accounting month (1-12) holding the start
// date; *pLast: the end date's calendar month, plus 100 when it is smaller
// than the first month. A null pointer skips that output.
void GetPeriodMonths(long lPeriodStart, long lPeriodEnd, short* pFirst, short* pLast);

#endif
