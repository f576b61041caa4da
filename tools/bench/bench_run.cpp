// bench_run: the processing of one run, from F12 to the written report, on
// the books configured by LEDGER_CONNECTION and LEDGER_USER (the selected
// data set, its whole year): the search chain, the aggregation with the
// progress window, the report. It first times that as a run does it, in a
// fresh process, then splits it: the summation alone (MoveReady to the last
// MoveNext), the account-master lookups of the aggregation, the report
// writing without a window, and the progress window's calls of the run
// replayed alone. Prints figures; asserts nothing.
//   bench_run REPORT.xml
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "aggregate/find_info.h"
#include "aggregate/zandaka_calc.h"
#include "ledger/books.h"
#include "ledger/connect.h"
#include "ledger/managers.h"
#include "report/progress_dlg.h"
#include "report/report_writer.h"
#include "res/resource.h"
#include "tools/bench/clock.h"

namespace {

void FreeList(ZandakaList* list) {
    for (StZANDAKAINFO* r : *list) delete r;
    list->clear();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_run REPORT.xml\n");
        return 2;
    }
    ClAccConnect* conn = ClAccConnect::Inst();
    if (conn->Initiate() != 0 || conn->ExpSysLink() != 0) {
        std::fprintf(stderr, "bench_run: cannot open the books or link the user\n");
        return 1;
    }
    ClSetData* data = static_cast<ClSetData*>(ClDataMgr::Inst()->GetSetObject(ClDataMgr::SET_DATA, 1));
    StDATAINFO info;
    std::memcpy(&info, data->GetSelectedInfo(), sizeof info);
    StFINDINFO find[4];
    std::memset(find, 0, sizeof find);
    long first = info.lPeriodStart % 10000 / 100, last = info.lPeriodEnd % 10000 / 100;

    // The run as the program makes it, in this fresh process.
    ZandakaList list;
    double tWhole, tCalc, tWrite;
    unsigned long records = 0;
    {
        CProgressDlg progress(nullptr);
        progress.Create(IDD_PROGRESS, nullptr);
        progress.ShowWindow(SW_SHOW);
        progress.Reset();
        double t0 = NowMs();
        BuildFindInfo(find, &info, first, last);
        CZandakaCalc calc;
        calc.m_pProgress = &progress;
        calc.m_pList = &list;
        int calcOk = calc.Calc(0, find, &info);
        double t1 = NowMs();
        CReportWriter writer;
        writer.m_pProgress = &progress;
        writer.m_pList = &list;
        writer.SetProgressBase(500);
        int writeOk = writer.Write(argv[1], 1, &info);
        double t2 = NowMs();
        progress.Finish();
        tWhole = t2 - t0;
        tCalc = t1 - t0;
        tWrite = t2 - t1;
        std::printf("run: %zu balances, aggregation %s, report %s\n", list.size(), calcOk ? "ok" : "FAILED",
                    writeOk ? "ok" : "FAILED");
    }

    // Summation alone.
    double tSum;
    {
        ClRuleKamoku rule;
        rule.SetCurDataID(data->GetSelectedInfo()->szDataID);
        double t0 = NowMs();
        long rc = rule.MoveReady(1, 0, 0, find, nullptr, 0);
        rule.GetSumCount(&records);
        rule.SetMovePos(0);
        StKAMOKUSUMINFO rec;
        while (rc == 0 && (rc = rule.MoveNext(&rec)) == 0) {
        }
        tSum = NowMs() - t0;
        rule.MoveFinish();
    }

    // The account-master lookups of the aggregation: one per summary record.
    double tLookups;
    {
        CZandakaCalc calc;
        double t0 = NowMs();
        for (StZANDAKAINFO* r : list) calc.GetKamokuKind(r->lCode);
        // The closing records of accounts with sub-accounts are looked up too.
        for (unsigned long i = list.size(); i < records; ++i) calc.GetKamokuKind(list.front()->lCode);
        tLookups = NowMs() - t0;
    }

    // Report writing without a window.
    double tReport;
    {
        CReportWriter writer;
        writer.m_pProgress = nullptr;
        writer.m_pList = &list;
        writer.SetProgressBase(500);
        double t0 = NowMs();
        writer.Write(argv[1], 1, &info);
        tReport = NowMs() - t0;
    }

    // The progress window's calls of the run, alone: the aggregation's
    // advances and one pulse per summary record, the report's advances and
    // pulses (one per record, one per element, one per section).
    double tProgress;
    {
        CProgressDlg progress(nullptr);
        progress.Create(IDD_PROGRESS, nullptr);
        progress.ShowWindow(SW_SHOW);
        progress.Reset();
        double t0 = NowMs();
        progress.Advance(0, 100);
        progress.Advance(100, 300);
        progress.Advance(300, 400);
        for (unsigned long i = 0; i < records; ++i) progress.Pulse();
        progress.Advance(400, 500);
        for (unsigned long i = 0; i < records + 13; ++i) progress.Pulse();
        progress.Advance(500, 600);
        progress.Advance(600, 700);
        progress.Advance(700, 1000);
        tProgress = NowMs() - t0;
        progress.Finish();
    }

    std::printf("summary records: %lu\n", records);
    std::printf("whole processing (F12 to written report): %.1f ms (aggregation %.1f, report %.1f)\n", tWhole, tCalc,
                tWrite);
    std::printf("  summation (MoveReady to last MoveNext): %.1f ms\n", tSum);
    std::printf("  account-master lookups: %.1f ms\n", tLookups);
    std::printf("  report writing: %.1f ms\n", tReport);
    std::printf("  progress-window work: %.1f ms\n", tProgress);
    std::printf("whole_ms=%.1f\n", tWhole);
    FreeList(&list);
    conn->LogOut();
    conn->Terminate();
    conn->Release();
    return 0;
}
