// Exact fixed-point amounts.
#include "aggregate/amount.h"

#include <cassert>

// Arithmetic goes through uint64_t so that even the extremes of int64_t
// (which the books never reach) wrap instead of being undefined.
void CAmount::Store(int64_t llScaled) {
    uint64_t magnitude = llScaled < 0 ? 0 - (uint64_t)llScaled : (uint64_t)llScaled;
    m_nSign = llScaled < 0 ? -1 : 1;
    m_llInt = (int64_t)(magnitude / 10000);
    m_lFrac = (int32_t)(magnitude % 10000);
    CheckInvariant();
}

int64_t CAmount::GetScaled() const {
    uint64_t magnitude = (uint64_t)m_llInt * 10000 + (uint64_t)m_lFrac;
    return (int64_t)(m_nSign < 0 ? 0 - magnitude : magnitude);
}

CAmount& CAmount::operator=(const CAmount& other) {
    m_llInt = other.m_llInt;
    m_lFrac = other.m_lFrac;
    m_nSign = other.m_nSign;
    return *this;
}

CAmount& CAmount::operator+=(const CAmount& other) {
    Store((int64_t)((uint64_t)GetScaled() + (uint64_t)other.GetScaled()));
    return *this;
}

CAmount operator+(const CAmount& a, const CAmount& b) {
    int64_t r;
    // A result outside int64_t is far beyond the limit as well.
    if (__builtin_add_overflow(a.GetScaled(), b.GetScaled(), &r)) throw CAmountOverflow{-1};
    uint64_t magnitude = r < 0 ? 0 - (uint64_t)r : (uint64_t)r;
    if (magnitude >= (uint64_t)CAmount::kSumLimit) throw CAmountOverflow{-1};
    return CAmount(r);
}

CAmount operator-(const CAmount& a, const CAmount& b) {
    return CAmount((int64_t)((uint64_t)a.GetScaled() - (uint64_t)b.GetScaled()));
}

void CAmount::CheckInvariant() const {
    assert(m_llInt >= 0);
    assert(m_lFrac >= 0 && m_lFrac <= 9999);
    assert(m_nSign == 1 || (m_nSign == -1 && (m_llInt != 0 || m_lFrac != 0)));
}
