// CString operations that need no platform.
#include "fw/cstring.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "fw/sjis.h"

void CString::Format(const char* fmt, ...) {
    va_list ap;
    va_start(ap, fmt);
    va_list ap2;
    va_copy(ap2, ap);
    int n = std::vsnprintf(nullptr, 0, fmt, ap);
    va_end(ap);
    if (n < 0) {
        va_end(ap2);
        m_s.clear();
        return;
    }
    std::string out((size_t)n + 1, '\0');
    std::vsnprintf(&out[0], out.size(), fmt, ap2);
    va_end(ap2);
    out.resize((size_t)n);
    m_s.swap(out);
}

int CString::Find(char c, int start) const {
    if (start < 0) start = 0;
    return (int)sjis::FindChar(m_s.c_str(), c, (size_t)start);
}

int CString::Find(const char* sub, int start) const {
    if (start < 0) start = 0;
    const char* s = m_s.c_str();
    size_t n = std::strlen(sub);
    for (size_t j = 0; s[j] != '\0'; j += sjis::CharLen(s + j))
        if ((int)j >= start && std::strncmp(s + j, sub, n) == 0) return (int)j;
    return -1;
}

int CString::ReverseFind(char c) const { return (int)sjis::FindLastChar(m_s.c_str(), c); }

CString CString::Left(int n) const {
    if (n < 0) n = 0;
    return CString(m_s.substr(0, (size_t)n).c_str());
}

CString CString::Mid(int first) const {
    if (first < 0) first = 0;
    if ((size_t)first >= m_s.size()) return CString();
    return CString(m_s.substr((size_t)first).c_str());
}

CString CString::Mid(int first, int n) const {
    if (first < 0) first = 0;
    if (n < 0) n = 0;
    if ((size_t)first >= m_s.size()) return CString();
    return CString(m_s.substr((size_t)first, (size_t)n).c_str());
}

int CString::CompareNoCase(const char* s) const {
    const unsigned char* a = (const unsigned char*)m_s.c_str();
    const unsigned char* b = (const unsigned char*)(s ? s : "");
    for (;; ++a, ++b) {
        int ca = (*a >= 'A' && *a <= 'Z') ? *a + 32 : *a;
        int cb = (*b >= 'A' && *b <= 'Z') ? *b + 32 : *b;
        if (ca != cb || ca == 0) return ca - cb;
    }
}

char* CString::GetBuffer(int minLen) {
    if (minLen < 0) minLen = 0;
    // One byte more than asked, so the caller may write minLen bytes and a NUL
    // inside the string itself; ReleaseBuffer trims it again.
    size_t want = m_s.size() > (size_t)minLen ? m_s.size() : (size_t)minLen;
    m_s.resize(want + 1, '\0');
    return &m_s[0];
}

void CString::ReleaseBuffer(int len) {
    if (len < 0) len = (int)std::strlen(m_s.c_str());
    if ((size_t)len > m_s.size()) len = (int)m_s.size();
    m_s.resize((size_t)len);
}
