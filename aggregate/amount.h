// CAmount: an exact money amount in ten-thousandths of the currency unit,
// kept as a sign and a magnitude split into whole units and a fraction.
#ifndef AGGREGATE_AMOUNT_H
#define AGGREGATE_AMOUNT_H

#include <cstdint>

// Thrown by the range-checked sum (a + b) when the result's magnitude is
// 10^18 ten-thousandths (10^14 units) or more; nCode is always -1.
struct CAmountOverflow {
    int nCode;
};

// The value is m_nSign * (m_llInt * 10000 + m_lFrac) ten-thousandths. Nothing
// is rounded: storing a count v only splits |v| by 10000, and the sign is -1
// only for a strictly negative value, so zero is always positive.
// Example: -123456789 (-12 345.6789 units) is stored as sign -1, integer
// part 12345, fraction 6789; GetScaled() gives -123456789 back.
class CAmount {
public:
    // The sum refuses a magnitude of this many ten-thousandths or more.
    static const int64_t kSumLimit = 1000000000000000000LL;

    CAmount() : m_llInt(0), m_lFrac(0), m_nSign(1) {}
    explicit CAmount(int64_t llScaled) { Store(llScaled); }
    CAmount(const CAmount& other) = default;
    virtual ~CAmount() {}

    CAmount& operator=(const CAmount& other);
    // No bound; the accounting data stays far inside 64 bits.
    CAmount& operator+=(const CAmount& other);

    // The value as a signed count of ten-thousandths.
    int64_t GetScaled() const;

    int64_t m_llInt;   // magnitude / 10000, never negative
    int32_t m_lFrac;   // magnitude % 10000, 0-9999
    int16_t m_nSign;   // +1 or -1

private:
    void Store(int64_t llScaled);
    void CheckInvariant() const;
};

// Range-checked sum: throws CAmountOverflow{-1} when |a + b| >= 10^18 and
// leaves both operands as they were.
CAmount operator+(const CAmount& a, const CAmount& b);
// Difference; no bound.
CAmount operator-(const CAmount& a, const CAmount& b);

#endif
