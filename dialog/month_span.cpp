// Month span rule; see month_span.h.
#include "dialog/month_span.h"

#include <cstdlib>

short MonthFromText(const char* pszText) { return (short)std::atol(pszText); }

int IsMonthSpanValid(short nStart, short nEnd, short nFirst, short nLastCode) {
    const int S = nStart, E = nEnd, A = nFirst;
    const bool wraps = nLastCode / 100 != 0;
    const int L = nLastCode % 100;
    if (E < 1 || E > 12) return 0;
    if (!wraps) {
        if (S < A || E > L || (A >= 1 && L <= 12 && S > E)) return 0;
    } else {
        if ((1 <= S && S <= L && (S > E || E > L)) || (L < S && S < A) || (L < E && E < A)) return 0;
    }
    return 1;
}
