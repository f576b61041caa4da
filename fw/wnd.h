// CWnd: a thin holder of a window handle. It never owns the window unless a
// derived class says so; the calls forward to the Win32 function of the
// same name.
#ifndef FW_WND_H
#define FW_WND_H

#include <windows.h>

#include "fw/cstring.h"

class CWnd {
public:
    CWnd() = default;
    explicit CWnd(HWND hwnd) : m_hWnd(hwnd) {}
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // A lasting wrapper for a window of any process; null for a null handle.
    // The wrappers live until the program ends.
    static CWnd* FromHandle(HWND hwnd);

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }
    void Attach(HWND hwnd) { m_hWnd = hwnd; }
    HWND Detach() { HWND h = m_hWnd; m_hWnd = nullptr; return h; }

    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL ShowWindow(int cmd) { return ::ShowWindow(m_hWnd, cmd); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    BOOL BringWindowToTop() { return ::BringWindowToTop(m_hWnd); }
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
    HWND SetFocus() { return ::SetFocus(m_hWnd); }
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    CString GetWindowText() const;
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) { return ::SendMessageA(m_hWnd, msg, wp, lp); }
    BOOL PostMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) { return ::PostMessageA(m_hWnd, msg, wp, lp); }
    int MessageBox(const char* text, const char* caption, UINT type) { return ::MessageBoxA(m_hWnd, text, caption, type); }

    HWND m_hWnd = nullptr;
};

#endif
