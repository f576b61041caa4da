// The search conditions of one run: the span of fiscal months to total,
// written as the summation library's StFINDINFO chain.
#ifndef AGGREGATE_FIND_INFO_H
#define AGGREGATE_FIND_INFO_H

#include "ledger/records.h"

// Number of StFINDINFO entries the chain may take.
enum { FIND_CHAIN_ENTRIES = 4 };

// Writes into pFind[0..3] (all four zeroed first): index >= d and index <= h,
// or code 15 (interim closing, only when the data set keeps one and h is 6),
// or code 18 (year-end closing, only when lEndMonth is the period's last
// month). d and h are the fiscal month indexes of the calendar months
// lStartMonth and lEndMonth, which must lie inside pInfo's period.
void BuildFindInfo(StFINDINFO* pFind, const StDATAINFO* pInfo, long lStartMonth, long lEndMonth);

#endif
