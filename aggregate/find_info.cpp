// Search conditions from the chosen span of months.
#include "aggregate/find_info.h"

#include <cstring>

#include "aggregate/period_months.h"

namespace {

void SetPeriodEntry(StFINDINFO* pEntry, short nOperator, short nValue) {
    pEntry->lItem = FIND_ITEM_PERIOD;
    pEntry->nOperator = nOperator;
    pEntry->nValueType = FIND_VALUE_SHORT;
    pEntry->uValue.n = nValue;
    pEntry->nLink = FIND_LINK_END;
}

}  // namespace

void BuildFindInfo(StFINDINFO* pFind, const StDATAINFO* pInfo, long lStartMonth, long lEndMonth) {
    memset(pFind, 0, sizeof(StFINDINFO) * FIND_CHAIN_ENTRIES);

    short first = 0, lastCode = 0;
    GetPeriodMonths(pInfo->lPeriodStart, pInfo->lPeriodEnd, &first, &lastCode);
    long lastMonth = lastCode % 100;
    bool crossesYear = lastCode / 100 != 0;

    long d;
    if (lStartMonth == first)
        d = 1;
    else if (lStartMonth > first)
        d = lStartMonth - first + 1;
    else
        d = lStartMonth - first + 13;

    // Months below the last month's number lie in the next calendar year
    // when the period crosses one; the last month itself always closes it.
    long h;
    if (lEndMonth == lastMonth)
        h = lastMonth - first + (crossesYear ? 13 : 1);
    else if (lEndMonth > lastMonth)
        h = lEndMonth - first + 1;
    else
        h = lEndMonth - first + (crossesYear ? 13 : 1);

    SetPeriodEntry(&pFind[0], FIND_OP_NOT_LESS, (short)d);
    pFind[0].nLink = FIND_LINK_AND;
    SetPeriodEntry(&pFind[1], FIND_OP_NOT_GREATER, (short)h);
    int last = 1;
    if (pInfo->lChukanKessan == 1 && h == 6) {
        pFind[last].nLink = FIND_LINK_OR;
        SetPeriodEntry(&pFind[++last], FIND_OP_EQUAL, 15);
    }
    if (lEndMonth == lastMonth) {
        pFind[last].nLink = FIND_LINK_OR;
        SetPeriodEntry(&pFind[++last], FIND_OP_EQUAL, 18);
    }
}
