// The balance list from the accounting library's summation.
#include "aggregate/zandaka_calc.h"

#include <cstring>
#include <new>

#include "aggregate/balance.h"
#include "fw/sjis.h"
#include "ledger/managers.h"
#include "report/progress_dlg.h"

namespace {

const uint32_t kOmitAttrBits = 0x18000000;  // bits 27 and 28
const long kErrNoMemory = -1001;

}  // namespace

CZandakaCalc::CZandakaCalc() : m_pProgress(nullptr), m_pList(nullptr), m_pRule(nullptr) {}

CZandakaCalc::~CZandakaCalc() { ReleaseRule(); }

void CZandakaCalc::ReleaseRule() {
    delete m_pRule;
    m_pRule = nullptr;
}

// A summation object left from a failed run is already attached.
int CZandakaCalc::Prepare() {
    if (m_pRule != nullptr) return 1;
    m_pRule = new (std::nothrow) ClRuleKamoku;
    if (m_pRule == nullptr) return 0;
    ClDataMgr* dataMgr = ClDataMgr::Inst();
    m_pRule->AttachSetMgr(dataMgr->GetSetMgr());
    ClSetData* sets = static_cast<ClSetData*>(dataMgr->GetSetObject(ClDataMgr::SET_DATA, 1));
    m_pRule->SetCurDataID((const char*)sets->GetSelectedInfo());
    m_pRule->AttachOptLink(ClLinkMgr::Inst()->GetOptLink());
    return 1;
}

int CZandakaCalc::Calc(long nTax, StFINDINFO* pFind, const StDATAINFO* pInfo) {
    m_pProgress->Advance(0, 100);
    if (!Prepare()) return 0;
    m_pProgress->Advance(100, 300);
    m_pRule->MoveReady(ClRuleKamoku::_RuleKamokuSumType_Base, ClRuleKamoku::_RuleKamokuSumType_Bmn,
                       ClRuleKamoku::_RuleKamokuSumType_Disptype, pFind, nullptr,
                       ClRuleKamoku::_RuleKamokuSumType_Past);
    unsigned long count = 0;
    if (m_pRule->GetSumCount(&count) != 0) return 0;
    m_pProgress->Advance(300, 400);
    if (m_pRule->SetMovePos(0) != 0) return 0;

    // The counter is as wide as the count: large books keep every record.
    long status = 0;
    for (unsigned long i = 0; i < count; ++i) {
        m_pProgress->Pulse();
        StKAMOKUSUMINFO sum;
        memset(&sum, 0, sizeof sum);
        status = m_pRule->MoveNext(&sum);
        if (status != 0) break;
        CAmount balance;
        try {
            balance = CalcEntryBalance(&sum, pFind, nTax, pInfo->lChukanKessan);
        } catch (const CAmountOverflow&) {
            // No balance can be given for this entry, so the list would be
            // wrong: the whole aggregation fails.
            return 0;
        }
        if (!Keep(sum)) continue;
        StZANDAKAINFO* rec = new (std::nothrow) StZANDAKAINFO;
        if (rec == nullptr) {
            status = kErrNoMemory;
            break;
        }
        memset(rec, 0, sizeof *rec);
        rec->lCode = sum.lCode;
        sum.szName[sizeof sum.szName - 1] = '\0';
        sjis::CopyBounded(rec->szName, sum.szName, sizeof rec->szName - 1);
        rec->cHasHojyo = sum.cHasHojyo;
        rec->llZandaka = balance.GetScaled();
        m_pList->push_back(rec);
    }
    if (status != 0 && status != ClRuleKamoku::MOVE_END) return 0;

    m_pProgress->Advance(400, 500);
    m_pRule->MoveFinish();
    ReleaseRule();
    return 1;
}

int CZandakaCalc::Keep(const StKAMOKUSUMINFO& sum) {
    if (sum.cOmit1 != 0) return 0;
    if (sum.cOmit2 != 0) return 0;
    if ((sum.ulAttrBits & kOmitAttrBits) != 0) return 0;
    short kind = GetKamokuKind(sum.lCode);
    return kind == 0 || kind == 1;
}

short CZandakaCalc::GetKamokuKind(long lCode) {
    ClSetKamoku* master = static_cast<ClSetKamoku*>(ClDataMgr::Inst()->GetSetObject(ClDataMgr::SET_KAMOKU, 1));
    StFINDINFO find;
    memset(&find, 0, sizeof find);
    find.lItem = FIND_ITEM_KAMOKU_CODE;
    find.nOperator = FIND_OP_EQUAL;
    find.nValueType = FIND_VALUE_LONG;
    find.uValue.l = (int32_t)lCode;
    find.nLink = FIND_LINK_END;

    StKAMOKUINFO info;
    memset(&info, 0, sizeof info);
    long cursor = 0;
    master->GetCursor(&cursor);
    master->ReadyCursor(cursor);
    master->WalkFind(&find, &info, cursor);
    if (info.lCode != (int32_t)lCode) {
        memset(&info, 0, sizeof info);
        info.cKind = -1;
    }
    master->ReleaseCursor(cursor);
    return info.cKind;
}
