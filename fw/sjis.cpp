// Multibyte-aware byte rules for Shift-JIS text.
#include "fw/sjis.h"

#include <cstring>

namespace sjis {

bool IsTrailAt(const char* s, size_t i) {
    size_t j = 0;
    while (j < i && s[j] != '\0') {
        size_t n = CharLen(s + j);
        if (n == 2 && j + 1 == i) return true;
        j += n;
    }
    return false;
}

bool EndsWithBackslash(const char* s) {
    size_t len = std::strlen(s);
    return len > 0 && s[len - 1] == '\\' && !IsTrailAt(s, len - 1);
}

size_t CopyBounded(char* dst, const char* src, size_t n) {
    size_t j = 0;
    while (src[j] != '\0') {
        size_t len = CharLen(src + j);
        if (j + len > n) break;
        std::memcpy(dst + j, src + j, len);
        j += len;
    }
    dst[j] = '\0';
    return j;
}

long FindChar(const char* s, char c, size_t start) {
    for (size_t j = 0; s[j] != '\0';) {
        if (j >= start && s[j] == c) return (long)j;
        j += CharLen(s + j);
    }
    return -1;
}

long FindLastChar(const char* s, char c) {
    long found = -1;
    for (size_t j = 0; s[j] != '\0'; j += CharLen(s + j))
        if (s[j] == c) found = (long)j;
    return found;
}

}  // namespace sjis
