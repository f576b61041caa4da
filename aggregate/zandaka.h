// The balance list: one record per kept account or sub-account, in the
// summation's delivery order. Filled by the aggregation, read by the report;
// the application object owns the list and every record in it.
#ifndef AGGREGATE_ZANDAKA_H
#define AGGREGATE_ZANDAKA_H

#include <cstdint>
#include <list>

struct StZANDAKAINFO {
    int32_t lCode;       // account code * 10000 + sub-account code (0 on an account)
    char szName[17];     // Shift-JIS, at most 16 bytes, NUL-terminated
    char cHasHojyo;      // account whose sub-account records follow it
    int64_t llZandaka;   // balance in ten-thousandths of the currency unit
};

typedef std::list<StZANDAKAINFO*> ZandakaList;

#endif
