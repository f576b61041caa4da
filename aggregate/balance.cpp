// Closing balance of one summary record.
#include "aggregate/balance.h"

#include "aggregate/find_info.h"

namespace {

enum {
    PERIOD_BROUGHT_FORWARD = 0,
    PERIOD_LAST_MONTH = 12,
    PERIOD_YEAR_END = 13,   // amounts of period code 18
    PERIOD_INTERIM = 14,    // amounts of period code 15
    CODE_YEAR_END = 18,
    INTERIM_MONTH = 6,
};

// The chain asks for the year-end closing period. With an interim closing
// as well (four entries) code 18 is the fourth entry, and the year-end
// postings belong to the balance just the same.
bool SelectsYearEnd(const StFINDINFO* pFind) {
    for (int i = 2; i < FIND_CHAIN_ENTRIES; ++i) {
        if (pFind[i - 1].nLink == FIND_LINK_END) return false;
        if (pFind[i].uValue.n == CODE_YEAR_END) return true;
    }
    return false;
}

}  // namespace

CAmount CalcEntryBalance(const StKAMOKUSUMINFO* pSum, const StFINDINFO* pFind, long nTax, long lChukanKessan) {
    const int64_t* debit = nTax == 1 ? pSum->llKariKomi : pSum->llKariNuki;
    const int64_t* credit = nTax == 1 ? pSum->llKashiKomi : pSum->llKashiNuki;
    int d = pFind[0].uValue.n;
    int h = pFind[1].uValue.n;
    // A chain from BuildFindInfo has 1 <= d, h <= 12; anything else must
    // not read outside the arrays.
    int broughtEnd = d < 1 ? 1 : (d > PERIOD_LAST_MONTH + 1 ? PERIOD_LAST_MONTH + 1 : d);
    int spanEnd = h > PERIOD_LAST_MONTH ? PERIOD_LAST_MONTH : h;
    bool debitSide = pSum->cTaishaku == 1;

    CAmount dt, ct;
    for (int k = PERIOD_BROUGHT_FORWARD; k < broughtEnd; ++k) {
        dt += CAmount(debit[k]);
        ct += CAmount(credit[k]);
    }
    CAmount bf = debitSide ? dt - ct : ct - dt;

    dt = CAmount();
    ct = CAmount();
    if (SelectsYearEnd(pFind)) {
        dt += CAmount(debit[PERIOD_YEAR_END]);
        ct += CAmount(credit[PERIOD_YEAR_END]);
    }
    for (int k = broughtEnd; k <= spanEnd; ++k) {
        dt += CAmount(debit[k]);
        ct += CAmount(credit[k]);
    }
    if (lChukanKessan == 1 && h == INTERIM_MONTH) {
        dt += CAmount(debit[PERIOD_INTERIM]);
        ct += CAmount(credit[PERIOD_INTERIM]);
    }
    return debitSide ? (bf + dt) - ct : (bf + ct) - dt;
}
