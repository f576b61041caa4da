// Search chains: parsing with strict checks, and evaluation.
#include "ledger/standin/find_chain.h"

namespace ledger {

namespace {

bool Compare(int16_t op, int32_t actual, int32_t value) {
    switch (op) {
    case FIND_OP_EQUAL: return actual == value;
    case FIND_OP_NOT_LESS: return actual >= value;
    case FIND_OP_NOT_GREATER: return actual <= value;
    }
    return false;
}

// Period codes in the order of the amount arrays' indexes 1 to 14.
const int32_t kPeriodCodes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 18, 15};

}  // namespace

bool FindChain::Parse(const StFINDINFO* pFind, bool bAllowPeriod) {
    m_groups.clear();
    if (!pFind) return false;
    std::vector<std::vector<Term>> groups(1);
    for (int i = 0; i < MAX_ENTRIES; ++i) {
        const StFINDINFO& e = pFind[i];
        bool itemOk = e.lItem == FIND_ITEM_KAMOKU_CODE || (bAllowPeriod && e.lItem == FIND_ITEM_PERIOD);
        bool opOk = e.nOperator == FIND_OP_EQUAL || e.nOperator == FIND_OP_NOT_LESS ||
                    e.nOperator == FIND_OP_NOT_GREATER;
        if (!itemOk || !opOk) return false;
        Term t{e.lItem, e.nOperator, 0};
        if (e.nValueType == FIND_VALUE_SHORT)
            t.lValue = e.uValue.n;
        else if (e.nValueType == FIND_VALUE_LONG)
            t.lValue = e.uValue.l;
        else
            return false;
        groups.back().push_back(t);
        switch (e.nLink) {
        case FIND_LINK_END:
            m_groups.swap(groups);
            return true;
        case FIND_LINK_AND:
            break;
        case FIND_LINK_OR:
            groups.emplace_back();
            break;
        default:
            return false;
        }
    }
    return false;
}

bool FindChain::Holds(int32_t lCode, int32_t lPeriodCode) const {
    for (const auto& group : m_groups) {
        bool all = true;
        for (const Term& t : group) {
            int32_t actual = t.lItem == FIND_ITEM_PERIOD ? lPeriodCode : lCode;
            if (!Compare(t.nOperator, actual, t.lValue)) {
                all = false;
                break;
            }
        }
        if (all) return true;
    }
    return false;
}

bool FindChain::HoldsInAnyPeriod(int32_t lCode) const {
    for (int32_t p : kPeriodCodes)
        if (Holds(lCode, p)) return true;
    return false;
}

bool FindChain::IsSingleCodeEqual(int32_t* plCode) const {
    if (m_groups.size() != 1 || m_groups[0].size() != 1) return false;
    const Term& t = m_groups[0][0];
    if (t.lItem != FIND_ITEM_KAMOKU_CODE || t.nOperator != FIND_OP_EQUAL) return false;
    *plCode = t.lValue;
    return true;
}

}  // namespace ledger
