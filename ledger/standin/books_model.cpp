// Data sets, cached account masters and the summary records.
#include "ledger/standin/books_model.h"

#include <algorithm>
#include <cstring>
#include <tuple>

#include "fw/sjis.h"

namespace ledger {

namespace {

struct MasterCache {
    unsigned generation = 0;
    std::unordered_map<std::string, Master> masters;
};

MasterCache& Cache() {
    static MasterCache cache;
    return cache;
}

bool IsSub(int32_t code) { return code % 10000 != 0; }

void SortForDelivery(std::vector<Account>* accounts) {
    std::unordered_map<int32_t, int32_t> accountOrder;  // account number -> display order
    for (const Account& a : *accounts)
        if (!IsSub(a.code)) accountOrder[a.code / 10000] = a.dispOrder;
    auto key = [&](const Account& a) {
        auto it = accountOrder.find(a.code / 10000);
        int32_t groupOrder = it != accountOrder.end() ? it->second : a.dispOrder;
        return std::make_tuple(groupOrder, a.code / 10000, IsSub(a.code), a.dispOrder, a.code);
    };
    std::stable_sort(accounts->begin(), accounts->end(),
                     [&](const Account& x, const Account& y) { return key(x) < key(y); });
}

// Debit/credit, excluding/including tax, per period.
struct Amounts {
    int64_t v[4][KAMOKU_PERIODS] = {};
};

bool AddInto(Amounts* into, const Amounts& from) {
    for (int a = 0; a < 4; ++a)
        for (int p = 0; p < KAMOKU_PERIODS; ++p)
            if (__builtin_add_overflow(into->v[a][p], from.v[a][p], &into->v[a][p])) return false;
    return true;
}

void FillSummary(const Account& a, const Amounts& amounts, char cHasHojyo, StKAMOKUSUMINFO* s) {
    std::memset(s, 0, sizeof *s);
    s->lCode = a.code;
    sjis::CopyBounded(s->szName, a.name.c_str(), sizeof s->szName - 1);
    s->cOmit1 = a.omit1;
    s->cOmit2 = a.omit2;
    s->cHasHojyo = cHasHojyo;
    s->cTaishaku = a.taishaku;
    s->ulAttrBits = a.attrBits;
    std::memcpy(s->llKariNuki, amounts.v[0], sizeof s->llKariNuki);
    std::memcpy(s->llKariKomi, amounts.v[1], sizeof s->llKariKomi);
    std::memcpy(s->llKashiNuki, amounts.v[2], sizeof s->llKashiNuki);
    std::memcpy(s->llKashiKomi, amounts.v[3], sizeof s->llKashiKomi);
}

}  // namespace

const Master* GetMaster(const std::string& dataId, long* plErr) {
    MasterCache& cache = Cache();
    if (cache.generation != SourceGeneration()) {
        cache.masters.clear();
        cache.generation = SourceGeneration();
    }
    auto it = cache.masters.find(dataId);
    if (it != cache.masters.end()) return &it->second;
    BooksSource* source = CurrentSource();
    Master master;
    if (!source || source->GetAccounts(dataId, &master.accounts) != 0) {
        *plErr = ERR_BOOKS;
        return nullptr;
    }
    SortForDelivery(&master.accounts);
    for (size_t i = 0; i < master.accounts.size(); ++i) master.index.emplace(master.accounts[i].code, i);
    return &cache.masters.emplace(dataId, std::move(master)).first->second;
}

namespace {

// What the library objects read of the data-set list and the selection,
// once per source: account lookups resolve the selected data set each time.
struct Snapshot {
    unsigned generation = 0;
    bool setsRead = false, setsOk = false;
    std::vector<DataSet> sets;
    bool selectionRead = false, selectionOk = false;
    DataSet selected;
};

Snapshot& CurrentSnapshot() {
    static Snapshot snap;
    if (snap.generation != SourceGeneration()) {
        snap = Snapshot();
        snap.generation = SourceGeneration();
    }
    return snap;
}

}  // namespace

const std::vector<DataSet>* GetDataSets() {
    Snapshot& snap = CurrentSnapshot();
    if (!snap.setsRead) {
        BooksSource* source = CurrentSource();
        snap.setsOk = source && source->GetDataSets(&snap.sets) == 0;
        snap.setsRead = CurrentSource() != nullptr;  // nothing to remember without a source
    }
    return snap.setsOk ? &snap.sets : nullptr;
}

bool GetSelectedDataSet(DataSet* pSet) {
    Snapshot& snap = CurrentSnapshot();
    if (!snap.selectionRead) {
        BooksSource* source = CurrentSource();
        User user;
        bool found = false;
        const std::vector<DataSet>* sets = GetDataSets();
        if (sets && source->GetUser(CurrentUserId(), &user, &found) == 0 && found) {
            for (const DataSet& s : *sets)
                if (s.dataNo == user.selectedNo2) {
                    snap.selected = s;
                    snap.selectionOk = true;
                    break;
                }
        }
        snap.selectionRead = CurrentSource() != nullptr;
    }
    if (snap.selectionOk) *pSet = snap.selected;
    return snap.selectionOk;
}

bool FindDataSet(const std::string& dataId, DataSet* pSet) {
    const std::vector<DataSet>* sets = GetDataSets();
    if (!sets) return false;
    for (const DataSet& s : *sets)
        if (s.dataId == dataId) {
            *pSet = s;
            return true;
        }
    return false;
}

void FillDataInfo(const DataSet& set, StDATAINFO* pInfo) {
    std::memset(pInfo, 0, sizeof *pInfo);
    sjis::CopyBounded(pInfo->szDataID, set.dataId.c_str(), sizeof pInfo->szDataID - 1);
    pInfo->lDataNo = set.dataNo;
    sjis::CopyBounded(pInfo->szCompanyName, set.companyName.c_str(), sizeof pInfo->szCompanyName - 1);
    pInfo->lPeriodStart = set.periodStart;
    pInfo->lPeriodEnd = set.periodEnd;
    pInfo->lClosingDay = set.closingDay;
    pInfo->lChukanKessan = set.chukanKessan;
    pInfo->nDataType = set.dataType;
}

void FillKamokuInfo(const Account& account, StKAMOKUINFO* pInfo) {
    std::memset(pInfo, 0, sizeof *pInfo);
    pInfo->lCode = account.code;
    sjis::CopyBounded(pInfo->szName, account.name.c_str(), sizeof pInfo->szName - 1);
    pInfo->cKind = account.kind;
    pInfo->cTaishaku = account.taishaku;
}

long BuildSummaries(const std::string& dataId, const FindChain& chain, std::vector<StKAMOKUSUMINFO>* pOut) {
    pOut->clear();
    long err = 0;
    DataSet set;
    if (!GetDataSets()) return ERR_BOOKS;
    if (!FindDataSet(dataId, &set)) return ERR_ARGUMENT;
    const Master* master = GetMaster(dataId, &err);
    std::vector<PeriodTotals> totals;
    if (!master) return err;
    if (CurrentSource()->GetTotals(dataId, &totals) != 0) return ERR_BOOKS;

    std::vector<Amounts> amounts(master->accounts.size());
    for (const PeriodTotals& t : totals) {
        auto it = master->index.find(t.code);
        if (it == master->index.end() || t.period < 0 || t.period >= KAMOKU_PERIODS) continue;
        Amounts one;
        one.v[0][t.period] = t.kariNuki;
        one.v[1][t.period] = t.kariKomi;
        one.v[2][t.period] = t.kashiNuki;
        one.v[3][t.period] = t.kashiKomi;
        if (!AddInto(&amounts[it->second], one)) return ERR_OVERFLOW;
    }

    const std::vector<Account>& accounts = master->accounts;
    StKAMOKUSUMINFO rec;
    for (size_t i = 0; i < accounts.size();) {
        // A group: an account and the sub-accounts that follow it.
        size_t end = i + 1;
        while (end < accounts.size() && IsSub(accounts[end].code) &&
               accounts[end].code / 10000 == accounts[i].code / 10000)
            ++end;
        if (IsSub(accounts[i].code)) {  // sub-account without its account
            for (size_t j = i; j < end; ++j)
                if (chain.HoldsInAnyPeriod(accounts[j].code)) {
                    FillSummary(accounts[j], amounts[j], 0, &rec);
                    pOut->push_back(rec);
                }
            i = end;
            continue;
        }
        Amounts total = amounts[i];
        std::vector<size_t> subs;
        for (size_t j = i + 1; j < end; ++j) {
            if (!AddInto(&total, amounts[j])) return ERR_OVERFLOW;
            if (chain.HoldsInAnyPeriod(accounts[j].code)) subs.push_back(j);
        }
        bool own = chain.HoldsInAnyPeriod(accounts[i].code);
        if (own) {
            FillSummary(accounts[i], total, subs.empty() ? 0 : 1, &rec);
            pOut->push_back(rec);
        }
        for (size_t j : subs) {
            FillSummary(accounts[j], amounts[j], 0, &rec);
            pOut->push_back(rec);
        }
        if (own && !subs.empty()) {
            FillSummary(accounts[i], total, 0, &rec);
            pOut->push_back(rec);
        }
        i = end;
    }
    return 0;
}

}  // namespace ledger
