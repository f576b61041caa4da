// Path text rules; see path_rules.h.
#include "dialog/path_rules.h"

#include <cstring>

#include "fw/sjis.h"

long FindDoubleBackslash(const char* s, size_t nFrom) {
    for (size_t j = 0; s[j] != '\0';) {
        size_t n = sjis::CharLen(s + j);
        if (n == 1 && j >= nFrom && s[j] == '\\' && s[j + 1] == '\\') return (long)j;
        j += n;
    }
    return -1;
}

int IsValidPathChars(const CString& strPath) {
    const char* s = strPath;
    size_t examined = 0;
    if (s[0] == '\\' && s[1] == '\\') {
        if (FindDoubleBackslash(s, 3) >= 0) return 0;
        examined = 2;
    } else {
        if (FindDoubleBackslash(s, 0) >= 0) return 0;
        long colon = sjis::FindChar(s, ':');
        if (colon >= 0) examined = (size_t)colon + 1;
    }
    static const char kForbidden[] = "/:,;*?\"><|";
    for (size_t j = 0; s[j] != '\0';) {
        size_t n = sjis::CharLen(s + j);
        if (n == 1 && j >= examined && std::strchr(kForbidden, s[j]) != nullptr) return 0;
        j += n;
    }
    return 1;
}

namespace {

// Text up to and including / after the last single-byte character c.
CString UpToLast(const CString& strPath, char c) {
    int pos = strPath.ReverseFind(c);
    return pos < 0 ? CString() : strPath.Left(pos + 1);
}

CString AfterLast(const CString& strPath, char c) {
    int pos = strPath.ReverseFind(c);
    return pos < 0 ? strPath : strPath.Mid(pos + 1);
}

}  // namespace

CString GetFolderPart(const CString& strPath) { return UpToLast(strPath, '\\'); }
CString GetFileNamePart(const CString& strPath) { return AfterLast(strPath, '\\'); }
CString GetDrivePart(const CString& strPath) { return UpToLast(strPath, ':'); }
CString GetAfterDrivePart(const CString& strPath) { return AfterLast(strPath, ':'); }

int IsDbcsByte(const char* pszText, int nIndex) {
    for (int j = 0; pszText[j] != '\0';) {
        if (sjis::CharLen(pszText + j) == 2) {
            if (nIndex == j || nIndex == j + 1) return 1;
            j += 2;
        } else {
            ++j;
        }
    }
    return 0;
}

int AddBackslash(char* pszText, int nSize) {
    size_t len = std::strlen(pszText);
    if (len == 0) return 0;
    if (sjis::EndsWithBackslash(pszText)) return 1;
    if (nSize <= 0 || len >= (size_t)nSize - 1) return 0;
    pszText[len] = '\\';
    pszText[len + 1] = '\0';
    return 1;
}

int ToFolderPath(char* pszPath) {
    size_t len = std::strlen(pszPath);
    if (len == 0) return 0;
    // _splitpath: a drive is a letter-and-colon prefix; the folder runs to the
    // last separator, where a slash counts as one too.
    size_t drive = (len >= 2 && pszPath[1] == ':') ? 2 : 0;
    size_t dirEnd = drive;
    for (size_t j = drive; pszPath[j] != '\0';) {
        size_t n = sjis::CharLen(pszPath + j);
        if (n == 1 && (pszPath[j] == '\\' || pszPath[j] == '/')) dirEnd = j + 1;
        j += n;
    }
    if (dirEnd == 0) return 0;
    // The kept text is a prefix of the path, so it is cut where it ends.
    pszPath[dirEnd] = '\0';
    if (!sjis::EndsWithBackslash(pszPath) && dirEnd < len) {
        pszPath[dirEnd] = '\\';
        pszPath[dirEnd + 1] = '\0';
    }
    return 1;
}

CString GetShareRoot(const CString& strPath) {
    int serverEnd = strPath.Find('\\', 3);
    if (serverEnd < 0) return CString();
    int shareEnd = strPath.Find('\\', serverEnd + 1);
    if (shareEnd < 0) return CString();
    return strPath.Left(shareEnd);
}

int DriveIndex(int nLetter) {
    int index = (nLetter >= 'A' && nLetter <= 'Z') ? nLetter - 'A' : nLetter - 'a';
    return (index >= 0 && index <= 25) ? index : -1;
}
