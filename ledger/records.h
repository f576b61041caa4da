// Records exchanged with the accounting libraries. These are wire formats:
// packed, with the sizes and offsets the libraries use, checked at compile
// time. Bytes named reserved belong to the libraries and are not read here.
#ifndef LEDGER_RECORDS_H
#define LEDGER_RECORDS_H

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

// One company data set (1505 bytes). Text fields are NUL-terminated
// Shift-JIS; each terminator stands before the next used field.
struct StDATAINFO {
    char szDataID[16];          //   0 data ID; the record's address serves as the ID text
    int32_t lDataNo;            //  16 data set number
    char reserved20[4];         //  20
    char szCompanyName[260];    //  24 company name
    int32_t lPeriodStart;       // 284 first day of the accounting period, yyyymmdd
    int32_t lPeriodEnd;         // 288 last day, yyyymmdd
    int32_t lClosingDay;        // 292 closing day of the month (31: month end); the library's own
    char reserved296[8];        // 296
    int32_t lChukanKessan;      // 304 1: the data set keeps an interim closing period
    char reserved308[18];       // 308
    int16_t nDataType;          // 326 data kind; 99: past results
    char reserved328[1177];     // 328
};

// One search condition (34 bytes); entries are chained by nLink.
struct StFINDINFO {
    int32_t lItem;              //  0 17: fiscal month index (period code); 2: account code
    char reserved4[2];          //  4
    int16_t nOperator;          //  6 1: =, 4: >=, 6: <=
    char reserved8[2];          //  8
    int16_t nValueType;         // 10 2: 16-bit value, 3: 32-bit value
    char reserved12[6];         // 12
    union {                     // 18
        int16_t n;
        int32_t l;
    } uValue;
    char reserved22[8];         // 22
    int16_t nLink;              // 30 0: last entry; 1: and next; 2: or next
    char reserved32[2];         // 32
};

enum {
    FIND_ITEM_KAMOKU_CODE = 2,
    FIND_ITEM_PERIOD = 17,
    FIND_OP_EQUAL = 1,
    FIND_OP_NOT_LESS = 4,
    FIND_OP_NOT_GREATER = 6,
    FIND_VALUE_SHORT = 2,
    FIND_VALUE_LONG = 3,
    FIND_LINK_END = 0,
    FIND_LINK_AND = 1,
    FIND_LINK_OR = 2,
};

// Number of periods in the amount arrays of a summary record: 0 brought
// forward, 1-12 fiscal months, 13 year-end closing, 14 interim closing.
enum { KAMOKU_PERIODS = 15 };

// One account or sub-account summary of the summation (636 bytes).
// Amounts are signed counts of ten-thousandths of the currency unit.
struct StKAMOKUSUMINFO {
    char reserved0[32];         //   0
    int32_t lCode;              //  32 account code * 10000 + sub-account code
    char reserved36[33];        //  36
    char szName[57];            //  69 name, Shift-JIS
    char cOmit1;                // 126 non-zero: leave out
    char cOmit2;                // 127 non-zero: leave out
    char reserved128;           // 128
    char cHasHojyo;             // 129 account whose sub-accounts follow
    char cTaishaku;             // 130 1: debit-side account; else credit side
    char reserved131[5];        // 131
    uint32_t ulAttrBits;        // 136 attribute bits
    char reserved140[12];       // 140
    int64_t llKariNuki[KAMOKU_PERIODS];   // 152 debit, excluding consumption tax
    int64_t llKariKomi[KAMOKU_PERIODS];   // 272 debit, including consumption tax
    int64_t llKashiNuki[KAMOKU_PERIODS];  // 392 credit, excluding consumption tax
    int64_t llKashiKomi[KAMOKU_PERIODS];  // 512 credit, including consumption tax
    char reserved632[4];        // 632
};

// One account-master record (217 bytes).
struct StKAMOKUINFO {
    char reserved0[16];         //   0
    int32_t lCode;              //  16 account code * 10000 + sub-account code
    char szName[57];            //  20 name, Shift-JIS
    char reserved77[35];        //  77
    int8_t cKind;               // 112 account kind
    char cTaishaku;             // 113 1: debit side (the library's own)
    char reserved114[103];      // 114
};

// Consumption-tax settings of a data set (12 bytes as far as we use it).
struct StSHOHIZEIINFO {
    char reserved0[5];          // 0
    char cKomiNyuryoku;         // 5 non-zero: amounts are entered including tax
    char reserved6[6];          // 6
};

#pragma pack(pop)

struct StBUMONINFO;  // department record; never passed but as null

static_assert(sizeof(StDATAINFO) == 1505, "StDATAINFO size");
static_assert(offsetof(StDATAINFO, lDataNo) == 16, "lDataNo");
static_assert(offsetof(StDATAINFO, szCompanyName) == 24, "szCompanyName");
static_assert(offsetof(StDATAINFO, lPeriodStart) == 284, "lPeriodStart");
static_assert(offsetof(StDATAINFO, lPeriodEnd) == 288, "lPeriodEnd");
static_assert(offsetof(StDATAINFO, lChukanKessan) == 304, "lChukanKessan");
static_assert(offsetof(StDATAINFO, nDataType) == 326, "nDataType");

static_assert(sizeof(StFINDINFO) == 34, "StFINDINFO size");
static_assert(offsetof(StFINDINFO, nOperator) == 6, "nOperator");
static_assert(offsetof(StFINDINFO, nValueType) == 10, "nValueType");
static_assert(offsetof(StFINDINFO, uValue) == 18, "uValue");
static_assert(offsetof(StFINDINFO, nLink) == 30, "nLink");

static_assert(sizeof(StKAMOKUSUMINFO) == 636, "StKAMOKUSUMINFO size");
static_assert(offsetof(StKAMOKUSUMINFO, lCode) == 32, "lCode");
static_assert(offsetof(StKAMOKUSUMINFO, szName) == 69, "szName");
static_assert(offsetof(StKAMOKUSUMINFO, cOmit1) == 126, "cOmit1");
static_assert(offsetof(StKAMOKUSUMINFO, cOmit2) == 127, "cOmit2");
static_assert(offsetof(StKAMOKUSUMINFO, cHasHojyo) == 129, "cHasHojyo");
static_assert(offsetof(StKAMOKUSUMINFO, cTaishaku) == 130, "cTaishaku");
static_assert(offsetof(StKAMOKUSUMINFO, ulAttrBits) == 136, "ulAttrBits");
static_assert(offsetof(StKAMOKUSUMINFO, llKariNuki) == 152, "llKariNuki");
static_assert(offsetof(StKAMOKUSUMINFO, llKariKomi) == 272, "llKariKomi");
static_assert(offsetof(StKAMOKUSUMINFO, llKashiNuki) == 392, "llKashiNuki");
static_assert(offsetof(StKAMOKUSUMINFO, llKashiKomi) == 512, "llKashiKomi");

static_assert(sizeof(StKAMOKUINFO) == 217, "StKAMOKUINFO size");
static_assert(offsetof(StKAMOKUINFO, lCode) == 16, "StKAMOKUINFO lCode");
static_assert(offsetof(StKAMOKUINFO, cKind) == 112, "cKind");

static_assert(sizeof(StSHOHIZEIINFO) == 12, "StSHOHIZEIINFO size");
static_assert(offsetof(StSHOHIZEIINFO, cKomiNyuryoku) == 5, "cKomiNyuryoku");

#endif
