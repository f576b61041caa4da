// CWnd wrappers of foreign windows.
#include "fw/wnd.h"

#include <map>
#include <memory>

CWnd* CWnd::FromHandle(HWND hwnd) {
    if (hwnd == nullptr) return nullptr;
    static std::map<HWND, std::unique_ptr<CWnd>> wrappers;
    std::unique_ptr<CWnd>& w = wrappers[hwnd];
    if (!w) w.reset(new CWnd(hwnd));
    return w.get();
}

CString CWnd::GetWindowText() const {
    CString s;
    int n = ::GetWindowTextLengthA(m_hWnd);
    char* buf = s.GetBuffer(n + 1);
    ::GetWindowTextA(m_hWnd, buf, n + 1);
    s.ReleaseBuffer();
    return s;
}
