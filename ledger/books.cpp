// The stand-in data library: data-set list, consumption-tax settings,
// account master and account summation, read through the current source.
#include "ledger/books.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "fw/sjis.h"
#include "ledger/standin/books_model.h"

using namespace ledger;

namespace {

// Cursor handles are process-wide and never reused within a process.
long NextHandle() {
    static long next = 0;
    return ++next;
}

struct DataCursor {
    std::vector<DataSet> sets;
    size_t pos = 0;
};
std::map<long, DataCursor>& DataCursors() {
    static std::map<long, DataCursor> cursors;
    return cursors;
}

struct KamokuCursor {
    std::string dataId;
    size_t pos = 0;
};
std::map<long, KamokuCursor>& KamokuCursors() {
    static std::map<long, KamokuCursor> cursors;
    return cursors;
}

// The data set a library object works on: the one named by SetCurDataID,
// else the current user's selection.
std::string ResolveDataId(const char* szDataID) {
    if (szDataID[0] != '\0') return szDataID;
    DataSet set;
    return GetSelectedDataSet(&set) ? set.dataId : std::string();
}

void CopyDataId(char* dst, const char* src) {
    if (src)
        sjis::CopyBounded(dst, src, 15);
    else
        dst[0] = '\0';
}

}  // namespace

long ClSetBase::AttachSetMgr(ClSetMgr*) { return 0; }

long ClSetBase::SetCurDataID(const char* pszDataID) {
    CopyDataId(m_szDataID, pszDataID);
    return 0;
}

long ClSetData::GetDatCursor(long* plCursor) {
    long handle = NextHandle();
    DataCursor& c = DataCursors()[handle];
    if (plCursor) *plCursor = handle;
    const std::vector<DataSet>* sets = GetDataSets();
    if (!sets) return ERR_BOOKS;  // the cursor exists and walks nothing
    c.sets = *sets;
    return 0;
}

long ClSetData::ReadyDat(long lCursor, long) {
    auto it = DataCursors().find(lCursor);
    if (it == DataCursors().end()) return ERR_ARGUMENT;
    it->second.pos = 0;
    return 0;
}

long ClSetData::WalkDat(StDATAINFO* pInfo, long lCursor) {
    auto it = DataCursors().find(lCursor);
    if (it == DataCursors().end() || !pInfo) return ERR_ARGUMENT;
    DataCursor& c = it->second;
    if (c.pos >= c.sets.size()) return 1;
    FillDataInfo(c.sets[c.pos++], pInfo);
    return 0;
}

long ClSetData::ReleaseDatCursor(long lCursor) {
    return DataCursors().erase(lCursor) ? 0 : ERR_ARGUMENT;
}

StDATAINFO* ClSetData::GetSelectedInfo() {
    static StDATAINFO selected;
    DataSet set;
    if (GetSelectedDataSet(&set))
        FillDataInfo(set, &selected);
    else
        std::memset(&selected, 0, sizeof selected);
    return &selected;
}

long ClSetShohizei::Get(StSHOHIZEIINFO* pInfo) {
    DataSet set;
    if (!pInfo) return ERR_ARGUMENT;
    if (!FindDataSet(ResolveDataId(m_szDataID), &set)) return ERR_BOOKS;
    std::memset(pInfo, 0, sizeof *pInfo);
    pInfo->cKomiNyuryoku = set.taxInclusiveEntry ? 1 : 0;
    return 0;
}

long ClSetKamoku::GetCursor(long* plCursor) {
    long handle = NextHandle();
    KamokuCursors()[handle].dataId = ResolveDataId(m_szDataID);
    if (plCursor) *plCursor = handle;
    return 0;
}

long ClSetKamoku::ReadyCursor(long lCursor) {
    auto it = KamokuCursors().find(lCursor);
    if (it == KamokuCursors().end()) return ERR_ARGUMENT;
    it->second.pos = 0;
    return 0;
}

long ClSetKamoku::WalkFind(StFINDINFO* pFind, StKAMOKUINFO* pInfo, long lCursor) {
    auto it = KamokuCursors().find(lCursor);
    FindChain chain;
    if (!pInfo) return ERR_ARGUMENT;
    std::memset(pInfo, 0, sizeof *pInfo);
    if (it == KamokuCursors().end() || !chain.Parse(pFind, false)) return ERR_ARGUMENT;
    KamokuCursor& c = it->second;
    long err = 0;
    const Master* master = GetMaster(c.dataId, &err);
    if (!master) return err;
    int32_t code = 0;
    if (chain.IsSingleCodeEqual(&code)) {  // the common lookup: one map probe
        auto found = master->index.find(code);
        if (found == master->index.end() || found->second < c.pos) return 1;
        c.pos = found->second + 1;
        FillKamokuInfo(master->accounts[found->second], pInfo);
        return 0;
    }
    for (; c.pos < master->accounts.size(); ++c.pos)
        if (chain.HoldsForCode(master->accounts[c.pos].code)) {
            FillKamokuInfo(master->accounts[c.pos++], pInfo);
            return 0;
        }
    return 1;
}

long ClSetKamoku::ReleaseCursor(long lCursor) {
    return KamokuCursors().erase(lCursor) ? 0 : ERR_ARGUMENT;
}

long ClRuleBase::AttachSetMgr(ClSetMgr*) { return 0; }

long ClRuleBase::SetCurDataID(const char* pszDataID) {
    CopyDataId(m_szDataID, pszDataID);
    return 0;
}

long ClRuleBase::AttachOptLink(ClOptLink*) { return 0; }

struct ClRuleKamoku::Impl {
    std::vector<StKAMOKUSUMINFO> records;
    size_t pos = 0;
    long status = ERR_STATE;  // of the last MoveReady; MoveNext needs 0
    long faultAt = -1;        // 0-based MoveNext call that fails, or -1
    long calls = 0;
};

ClRuleKamoku::ClRuleKamoku() : m_pImpl(new Impl) {}

ClRuleKamoku::~ClRuleKamoku() { delete m_pImpl; }

long ClRuleKamoku::MoveReady(int nBase, int nBmn, int nDisptype, StFINDINFO* pFind, StBUMONINFO* pBumon,
                             int nPast) {
    Impl& s = *m_pImpl;
    s = Impl();
    FindChain chain;
    // Only the summation by account, without departments, of the current
    // year is provided; anything else is refused rather than approximated.
    if (nBase != _RuleKamokuSumType_Base || nBmn != 0 || nDisptype != 0 || nPast != 0 || pBumon ||
        !chain.Parse(pFind, true)) {
        s.status = ERR_ARGUMENT;
        return s.status;
    }
    s.status = BuildSummaries(ResolveDataId(m_szDataID), chain, &s.records);
    if (s.status != 0) s.records.clear();
    if (const char* fault = std::getenv("LEDGER_FAULT_MOVENEXT")) {
        char* end = nullptr;
        long k = std::strtol(fault, &end, 10);
        if (end != fault && k >= 0) s.faultAt = k;
    }
    return s.status;
}

long ClRuleKamoku::GetSumCount(unsigned long* pulCount) {
    if (m_pImpl->status != 0) return m_pImpl->status;
    if (!pulCount) return ERR_ARGUMENT;
    *pulCount = (unsigned long)m_pImpl->records.size();
    return 0;
}

long ClRuleKamoku::SetMovePos(long lPos) {
    if (m_pImpl->status != 0) return m_pImpl->status;
    if (lPos < 0 || (size_t)lPos > m_pImpl->records.size()) return ERR_ARGUMENT;
    m_pImpl->pos = (size_t)lPos;
    return 0;
}

long ClRuleKamoku::MoveNext(StKAMOKUSUMINFO* pInfo) {
    Impl& s = *m_pImpl;
    if (s.status != 0) return s.status;
    if (!pInfo) return ERR_ARGUMENT;
    if (s.calls++ == s.faultAt) return ERR_FAULT;
    if (s.pos >= s.records.size()) return MOVE_END;
    *pInfo = s.records[s.pos++];
    return 0;
}

long ClRuleKamoku::MoveFinish() {
    *m_pImpl = Impl();
    return 0;
}
