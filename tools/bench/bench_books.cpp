// bench_books: opens the books configured by LEDGER_CONNECTION and
// LEDGER_USER and times one summation of the selected data set's year
// (MoveReady to the last MoveNext), twice (the first reads the account
// master too), and 5,000 account-master lookups. Prints figures; asserts
// nothing.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "ledger/books.h"
#include "ledger/connect.h"
#include "ledger/managers.h"
#include "tools/bench/clock.h"

namespace {

StFINDINFO Entry(int32_t item, int16_t op, int16_t value, int16_t link) {
    StFINDINFO e;
    std::memset(&e, 0, sizeof e);
    e.lItem = item;
    e.nOperator = op;
    e.nValueType = FIND_VALUE_SHORT;
    e.uValue.n = value;
    e.nLink = link;
    return e;
}

}  // namespace

int main() {
    ClAccConnect* conn = ClAccConnect::Inst();
    if (conn->Initiate() != 0 || conn->ExpSysLink() != 0) {
        std::fprintf(stderr, "bench_books: cannot open the books or link the user\n");
        return 1;
    }
    ClSetData* data = static_cast<ClSetData*>(ClDataMgr::Inst()->GetSetObject(ClDataMgr::SET_DATA, 1));
    const char* dataId = data->GetSelectedInfo()->szDataID;
    StFINDINFO chain[3] = {Entry(FIND_ITEM_PERIOD, FIND_OP_NOT_LESS, 1, FIND_LINK_AND),
                           Entry(FIND_ITEM_PERIOD, FIND_OP_NOT_GREATER, 12, FIND_LINK_OR),
                           Entry(FIND_ITEM_PERIOD, FIND_OP_EQUAL, 18, FIND_LINK_END)};
    std::vector<int32_t> codes;
    for (int run = 1; run <= 2; ++run) {
        ClRuleKamoku rule;
        rule.SetCurDataID(dataId);
        double t0 = NowMs();
        long rc = rule.MoveReady(1, 0, 0, chain, nullptr, 0);
        unsigned long count = 0;
        rule.GetSumCount(&count);
        rule.SetMovePos(0);
        StKAMOKUSUMINFO rec;
        unsigned long delivered = 0;
        int64_t check = 0;
        while (rc == 0 && (rc = rule.MoveNext(&rec)) == 0) {
            ++delivered;
            check += rec.llKariNuki[1] - rec.llKashiNuki[1];
            if (run == 1) codes.push_back(rec.lCode);
        }
        double t1 = NowMs();
        rule.MoveFinish();
        std::printf("summation run %d: %lu records (count %lu, status %ld, check %lld) in %.1f ms\n", run,
                    delivered, count, rc, (long long)check, t1 - t0);
    }
    ClSetKamoku* master = static_cast<ClSetKamoku*>(ClDataMgr::Inst()->GetSetObject(ClDataMgr::SET_KAMOKU, 1));
    double t0 = NowMs();
    int found = 0;
    for (size_t i = 0; i < 5000 && !codes.empty(); ++i) {
        StFINDINFO find;
        std::memset(&find, 0, sizeof find);
        find.lItem = FIND_ITEM_KAMOKU_CODE;
        find.nOperator = FIND_OP_EQUAL;
        find.nValueType = FIND_VALUE_LONG;
        find.uValue.l = codes[i % codes.size()];
        StKAMOKUINFO info;
        long cursor = 0;
        master->GetCursor(&cursor);
        master->ReadyCursor(cursor);
        found += master->WalkFind(&find, &info, cursor) == 0;
        master->ReleaseCursor(cursor);
    }
    std::printf("5000 account-master lookups: %d found in %.1f ms\n", found, NowMs() - t0);
    conn->LogOut();
    conn->Terminate();
    conn->Release();
    return 0;
}
