// Data library of the accounting application: the data-set list, the
// consumption-tax settings, the account master and account summation.
// Results are 0 for success unless stated otherwise.
#ifndef LEDGER_BOOKS_H
#define LEDGER_BOOKS_H

#include "ledger/period.h"
#include "ledger/records.h"

class ClSetMgr;
class ClOptLink;

class ClSetBase {
public:
    virtual ~ClSetBase() = default;
    long AttachSetMgr(ClSetMgr* pMgr);
    // Later calls work on the data set with this ID.
    long SetCurDataID(const char* pszDataID);

protected:
    char m_szDataID[16] = {};
};

// The data sets of the installation.
class ClSetData : public ClSetBase {
public:
    long GetDatCursor(long* plCursor);
    long ReadyDat(long lCursor, long lMode);
    // 0: the next data set was copied into *pInfo; non-zero: no more.
    long WalkDat(StDATAINFO* pInfo, long lCursor);
    long ReleaseDatCursor(long lCursor);
    // The record of the data set the current user has selected (zero-filled
    // when there is none); owned by the library.
    StDATAINFO* GetSelectedInfo();
};

class ClSetShohizei : public ClSetBase {
public:
    // Fills the 12-byte settings of the current data set.
    long Get(StSHOHIZEIINFO* pInfo);
};

// The account master of the current data set.
class ClSetKamoku : public ClSetBase {
public:
    long GetCursor(long* plCursor);
    long ReadyCursor(long lCursor);
    // First record that satisfies the condition; non-zero when none does.
    long WalkFind(StFINDINFO* pFind, StKAMOKUINFO* pInfo, long lCursor);
    long ReleaseCursor(long lCursor);
};

class ClRuleBase {
public:
    virtual ~ClRuleBase() = default;
    long AttachSetMgr(ClSetMgr* pMgr);
    long SetCurDataID(const char* pszDataID);
    long AttachOptLink(ClOptLink* pOpt);

protected:
    char m_szDataID[16] = {};
};

// Account summation: one summary record per account and sub-account with
// the debit and credit totals of every period of the fiscal year.
class ClRuleKamoku : public ClRuleBase {
public:
    enum _RuleKamokuSumType {
        _RuleKamokuSumType_Past = 0,
        _RuleKamokuSumType_Bmn = 0,
        _RuleKamokuSumType_Disptype = 0,
        _RuleKamokuSumType_Base = 1,
    };
    enum { MOVE_END = 5000 };  // MoveNext: no more records

    ClRuleKamoku();
    ~ClRuleKamoku() override;
    long MoveReady(int nBase, int nBmn, int nDisptype, StFINDINFO* pFind, StBUMONINFO* pBumon, int nPast);
    long GetSumCount(unsigned long* pulCount);
    long SetMovePos(long lPos);
    // 0: a record was delivered; MOVE_END: no more; other: failure.
    long MoveNext(StKAMOKUSUMINFO* pInfo);
    long MoveFinish();

private:
    struct Impl;
    Impl* m_pImpl;
};

#endif
