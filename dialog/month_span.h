// Whether a span of accounting months lies inside the accounting period.
// Platform-free.
#ifndef DIALOG_MONTH_SPAN_H
#define DIALOG_MONTH_SPAN_H

// Decimal text as the dialog reads a month: leading digits (after blanks and
// a sign), 0 without digits, taken as a 16-bit value.
short MonthFromText(const char* pszText);

// nStart, nEnd: calendar months of the span; nFirst, nLastCode: the period's
// first month and last-month code (GetPeriodMonths; code / 100 != 0 means
// the period runs into the next calendar year). 1 when the span is accepted.
int IsMonthSpanValid(short nStart, short nEnd, short nFirst, short nLastCode);

#endif
