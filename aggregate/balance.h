// The closing balance of one account or sub-account at the end of the span
// a search chain selects.
#ifndef AGGREGATE_BALANCE_H
#define AGGREGATE_BALANCE_H

#include "aggregate/amount.h"
#include "ledger/records.h"

// Balance of pSum on its own side (debit minus credit for a debit-side
// account, cTaishaku 1; credit minus debit otherwise): brought forward
// (periods 0 to d-1) plus fiscal months d to h, plus the year-end closing
// (period 13) when the chain selects code 18 in its third or fourth entry,
// plus the interim closing (period 14) when lChukanKessan is 1 and h is 6.
// d and h are the values of pFind[0] and pFind[1]; pFind holds the four
// entries BuildFindInfo writes. nTax 1 totals the amounts including
// consumption tax, any other value those excluding it.
// Throws CAmountOverflow when the balance reaches 10^18 ten-thousandths.
CAmount CalcEntryBalance(const StKAMOKUSUMINFO* pSum, const StFINDINFO* pFind, long nTax, long lChukanKessan);

#endif
