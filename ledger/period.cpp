// Accounting months of a period with a closing day.
#include "ledger/period.h"

namespace {

bool IsLeap(long y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

long DaysInMonth(long y, long m) {
    static const long days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12) return 31;
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

// The accounting month holding a date, as year * 12 + (month - 1), so that
// consecutive accounting months differ by one.
long AccountingMonthSerial(long date, long closingDay) {
    long y = date / 10000, m = date % 10000 / 100, d = date % 100;
    if (closingDay < DaysInMonth(y, m) && d > closingDay) {
        if (++m > 12) {
            m = 1;
            ++y;
        }
    }
    return y * 12 + (m - 1);
}

}  // namespace

long ClAccPeriod::SetPeriod(long lStart, long lEnd) {
    m_lStart = lStart;
    m_lEnd = lEnd;
    return 0;
}

long ClAccPeriod::GetClosingDayByEndDate(long lEnd, short, long* plClosingDay) {
    long y = lEnd / 10000, m = lEnd % 10000 / 100, d = lEnd % 100;
    if (plClosingDay) *plClosingDay = d >= DaysInMonth(y, m) ? 31 : d;
    return 0;
}

long ClAccPeriod::SetClosingDay(long lClosingDay) {
    m_lClosingDay = lClosingDay < 1 ? 31 : lClosingDay;
    return 0;
}

long ClAccPeriod::GetAMonthByDate(long lDate, long* plMonth, short) {
    if (plMonth) *plMonth = AccountingMonthSerial(lDate, m_lClosingDay) % 12 + 1;
    return 0;
}

long ClAccPeriod::GetMonthIndexByDate(long lDate, long* plIndex) {
    long index = 0;
    if (lDate >= m_lStart && lDate <= m_lEnd)
        index = AccountingMonthSerial(lDate, m_lClosingDay) - AccountingMonthSerial(m_lStart, m_lClosingDay) + 1;
    if (plIndex) *plIndex = index;
    return index > 0 ? 0 : 1;
}
