// Value texts of the report document.
#include "report/report_core.h"

#include <cinttypes>
#include <cstdio>

#include "fw/sjis.h"

namespace report {

namespace {
const int64_t kMinUnits = -99999999999LL;
const int64_t kMaxUnits = 999999999999LL;
const size_t kCompanyNameBytes = 32;
}  // namespace

void FormatBalance(int64_t llZandaka, char* out) {
    int64_t units = llZandaka / 10000;  // C++ division truncates toward zero
    out[0] = '\0';
    if (units == 0 || units < kMinUnits || units > kMaxUnits) return;
    std::snprintf(out, kNumberSize, "%" PRId64, units);
}

void FormatCount(int nCount, char* out) { std::snprintf(out, kNumberSize, "%4d", nCount); }

size_t CutCompanyName(const char* fullWidth, char* out) {
    return sjis::CopyBounded(out, fullWidth, kCompanyNameBytes);
}

}  // namespace report
