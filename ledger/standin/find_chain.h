// Evaluation of a StFINDINFO search chain. Entries are read in order; "and"
// (link 1) binds tighter than "or" (link 2), so a chain reads as an or of
// and-groups: A and B or C is (A and B) or C. Platform-free.
#ifndef LEDGER_STANDIN_FIND_CHAIN_H
#define LEDGER_STANDIN_FIND_CHAIN_H

#include <cstdint>
#include <vector>

#include "ledger/records.h"

namespace ledger {

class FindChain {
public:
    // A chain longer than this without a terminating entry is refused.
    enum { MAX_ENTRIES = 64 };

    // Reads the chain at pFind. False, with the chain left empty, when it is
    // null or malformed: an unknown item, operator, value type or link, or no
    // terminating entry within MAX_ENTRIES. bAllowPeriod false refuses the
    // period item (the account master has no periods).
    bool Parse(const StFINDINFO* pFind, bool bAllowPeriod);

    // Whether the chain holds for an entry code and a period code (1-12
    // fiscal months, 15 interim closing, 18 year-end closing).
    bool Holds(int32_t lCode, int32_t lPeriodCode) const;
    // Whether it holds for the code in at least one period.
    bool HoldsInAnyPeriod(int32_t lCode) const;
    // For chains parsed without the period item.
    bool HoldsForCode(int32_t lCode) const { return Holds(lCode, 0); }

    // True when the chain is exactly "account code = value"; fills *plCode.
    bool IsSingleCodeEqual(int32_t* plCode) const;

private:
    struct Term {
        int32_t lItem;
        int16_t nOperator;
        int32_t lValue;
    };
    std::vector<std::vector<Term>> m_groups;  // or of and-groups
};

}  // namespace ledger

#endif
