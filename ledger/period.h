// Period arithmetic of the accounting library: accounting months of a
// period whose months close on a given day. Platform-free.
//
// An accounting month is named by the calendar month in which it closes: with
// closing day 20, month 5 runs from 21 April to 20 May. Closing day 31 (or any
// day past a month's end) closes at each month's end, so accounting months
// are calendar months.
#ifndef LEDGER_PERIOD_H
#define LEDGER_PERIOD_H

class ClAccPeriod {
public:
    ClAccPeriod() = default;
    virtual ~ClAccPeriod() = default;

    // Dates are yyyymmdd.
    long SetPeriod(long lStart, long lEnd);
    // The closing day implied by the period's end date: its day, or 31 when
    // that day is the last of its month. The flag is reserved (0).
    long GetClosingDayByEndDate(long lEnd, short nFlag, long* plClosingDay);
    long SetClosingDay(long lClosingDay);
    // The accounting month (1-12) that holds lDate. The flag is reserved (0).
    long GetAMonthByDate(long lDate, long* plMonth, short nFlag);
    // The fiscal month index (1 = first accounting month of the period) that
    // holds lDate, or 0 when the date lies outside the period.
    long GetMonthIndexByDate(long lDate, long* plIndex);

private:
    long m_lStart = 0;
    long m_lEnd = 0;
    long m_lClosingDay = 31;
};

#endif
