// The report's value texts: balance, running number, company name cut.
// Platform-free.
#ifndef REPORT_REPORT_CORE_H
#define REPORT_REPORT_CORE_H

#include <cstddef>
#include <cstdint>

namespace report {

// Room for any text FormatBalance or FormatCount writes, NUL included.
const size_t kNumberSize = 32;

// Balance text of an amount in ten-thousandths: whole units, truncated toward
// zero (12,345.9999 gives "12345", -0.5 gives ""). Empty when the units are 0
// or outside -99,999,999,999 to 999,999,999,999, the range the importing
// application takes. out holds kNumberSize bytes.
void FormatBalance(int64_t llZandaka, char* out);

// Running number of an account or sub-account: "%4d", so 1 is "   1" and
// 10000 is "10000". out holds kNumberSize bytes.
void FormatCount(int nCount, char* out);

// Company name as the report shows it: at most 32 bytes (16 full-width
// characters), cut before a double-byte character that would not fit whole.
// out holds at least 33 bytes. Returns the length.
size_t CutCompanyName(const char* fullWidth, char* out);

}  // namespace report

#endif
