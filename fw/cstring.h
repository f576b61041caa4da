// CString: the framework's byte string (Shift-JIS text). Platform-free, so
// the rules that use it build natively too. Searches are multibyte-aware:
// a trail byte never matches a single-byte character.
#ifndef FW_CSTRING_H
#define FW_CSTRING_H

#include <string>

class CString {
public:
    CString() = default;
    CString(const char* s) : m_s(s ? s : "") {}
    CString(const char* s, int len) : m_s(s, (size_t)len) {}

    CString& operator=(const char* s) { m_s = s ? s : ""; return *this; }
    CString& operator+=(const char* s) { m_s += s ? s : ""; return *this; }
    CString& operator+=(const CString& s) { m_s += s.m_s; return *this; }
    CString& operator+=(char c) { m_s += c; return *this; }
    friend CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
    friend CString operator+(const CString& a, const char* b) { CString r(a); r += b; return r; }
    friend bool operator==(const CString& a, const CString& b) { return a.m_s == b.m_s; }
    friend bool operator==(const CString& a, const char* b) { return a.m_s == (b ? b : ""); }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }

    operator const char*() const { return m_s.c_str(); }
    const char* GetString() const { return m_s.c_str(); }
    int GetLength() const { return (int)m_s.size(); }
    bool IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }
    char GetAt(int i) const { return m_s[(size_t)i]; }

    void Format(const char* fmt, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

    // Position of the first (from start) or last single-byte character c,
    // or of the first occurrence of sub; -1 when there is none.
    int Find(char c, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char c) const;

    CString Left(int n) const;
    CString Mid(int first) const;
    CString Mid(int first, int n) const;
    int CompareNoCase(const char* s) const;

    // Writable buffer of at least minLen bytes plus a terminator; call
    // ReleaseBuffer(len) (len -1: up to the first NUL) when done.
    char* GetBuffer(int minLen);
    void ReleaseBuffer(int len = -1);

    // Loads a string resource of the running program (Windows only).
    bool LoadString(unsigned id);

private:
    std::string m_s;
};

#endif
