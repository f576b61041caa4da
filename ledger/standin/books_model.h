// The stand-in's view of the books behind the library objects: data sets,
// the account master in delivery order (cached per data set) and the
// summary records of the summation. Platform-free.
#ifndef LEDGER_STANDIN_BOOKS_MODEL_H
#define LEDGER_STANDIN_BOOKS_MODEL_H

#include <string>
#include <unordered_map>
#include <vector>

#include "ledger/records.h"
#include "ledger/standin/find_chain.h"
#include "ledger/standin/source.h"

namespace ledger {

// Results of the stand-in's operations besides 0 (success).
enum {
    ERR_ARGUMENT = -1,   // malformed chain, unknown enumerator, bad handle
    ERR_FAULT = -2,      // failure injected by LEDGER_FAULT_MOVENEXT
    ERR_BOOKS = -3,      // no source, or the books could not be read
    ERR_STATE = -4,      // called out of order (e.g. MoveNext before MoveReady)
    ERR_OVERFLOW = -5,   // a total does not fit 64 bits
};

// An account master in delivery order: each account, then its
// sub-accounts, accounts by display order and subs by display order within
// their account (ties by code).
struct Master {
    std::vector<Account> accounts;
    std::unordered_map<int32_t, size_t> index;  // code -> position
};

// The master of a data set, read once per source and cached. Null, with
// *plErr set, when the books cannot be read.
const Master* GetMaster(const std::string& dataId, long* plErr);

// The data-set list in number order, null when the books cannot be read.
// The list and the selection are read once per source (see source.h).
const std::vector<DataSet>* GetDataSets();
// The data set the current user has selected (first with that number).
// False when there is none or the books cannot be read.
bool GetSelectedDataSet(DataSet* pSet);
bool FindDataSet(const std::string& dataId, DataSet* pSet);

void FillDataInfo(const DataSet& set, StDATAINFO* pInfo);
void FillKamokuInfo(const Account& account, StKAMOKUINFO* pInfo);

// The summary records of a data set for a chain, in delivery order: an
// account without delivered sub-accounts is one record; an account with
// delivered sub-accounts is its record (cHasHojyo 1, amounts including all
// its sub-accounts), the sub-account records, then a closing record with the
// account's code and content but cHasHojyo 0. A code is delivered when the
// chain holds for it in at least one period. 0 or an ERR_ value.
long BuildSummaries(const std::string& dataId, const FindChain& chain, std::vector<StKAMOKUSUMINFO>* pOut);

}  // namespace ledger

#endif
