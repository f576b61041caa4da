// UTF-8 <-> Shift-JIS through UTF-16.
#include "ledger/standin/codepage.h"

#include <windows.h>

#include <vector>

namespace ledger {

namespace {

bool ToWide(UINT cp, const std::string& in, std::wstring* out) {
    out->clear();
    if (in.empty()) return true;
    int n = MultiByteToWideChar(cp, MB_ERR_INVALID_CHARS, in.data(), (int)in.size(), nullptr, 0);
    if (n <= 0) return false;
    out->resize(n);
    return MultiByteToWideChar(cp, MB_ERR_INVALID_CHARS, in.data(), (int)in.size(), &(*out)[0], n) == n;
}

}  // namespace

bool Utf8ToSjis(const std::string& utf8, std::string* pSjis) {
    std::wstring wide;
    pSjis->clear();
    if (!ToWide(CP_UTF8, utf8, &wide)) return false;
    if (wide.empty()) return true;
    BOOL usedDefault = FALSE;
    int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), (int)wide.size(), nullptr, 0, nullptr,
                                &usedDefault);
    if (n <= 0 || usedDefault) return false;
    std::vector<char> buf(n);
    if (WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), (int)wide.size(), buf.data(), n, nullptr,
                            &usedDefault) != n ||
        usedDefault)
        return false;
    pSjis->assign(buf.data(), n);
    return true;
}

bool SjisToUtf8(const std::string& sjis, std::string* pUtf8) {
    std::wstring wide;
    pUtf8->clear();
    if (!ToWide(932, sjis, &wide)) return false;
    if (wide.empty()) return true;
    int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), (int)wide.size(), nullptr, 0, nullptr, nullptr);
    if (n <= 0) return false;
    std::vector<char> buf(n);
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), (int)wide.size(), buf.data(), n, nullptr, nullptr);
    pUtf8->assign(buf.data(), n);
    return true;
}

}  // namespace ledger
