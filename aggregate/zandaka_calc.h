// CZandakaCalc: totals every account and sub-account of the selected data
// set into the balance list, driving the progress window as it goes.
#ifndef AGGREGATE_ZANDAKA_CALC_H
#define AGGREGATE_ZANDAKA_CALC_H

#include "aggregate/zandaka.h"
#include "ledger/books.h"
#include "ledger/records.h"

class CProgressDlg;

class CZandakaCalc {
public:
    CZandakaCalc();
    virtual ~CZandakaCalc();

    // Appends one record per summary record that passes the filters, in the
    // summation's order, and moves the progress window from 0 to 500.
    // nTax 1 totals the amounts including consumption tax. pFind is the
    // four-entry chain of BuildFindInfo; of pInfo only lChukanKessan is read.
    // Returns 1, or 0 when the summation failed or a balance reached the
    // amount bound; the records appended before the failure stay.
    int Calc(long nTax, StFINDINFO* pFind, const StDATAINFO* pInfo);
    // The account-master kind of the entry code, or -1 when it has none.
    short GetKamokuKind(long lCode);
    void ReleaseRule();

    CProgressDlg* m_pProgress;  // not owned
    ZandakaList* m_pList;       // owned by the application object
    ClRuleKamoku* m_pRule;      // null until Calc; null again after a success

private:
    int Prepare();
    // 1 when the summary record belongs in the list (its balance is already
    // computed: the bound is checked for dropped entries too).
    int Keep(const StKAMOKUSUMINFO& sum);
};

#endif
