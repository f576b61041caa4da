// Connection library of the accounting application: one connection per
// process, for the logged-in user. Results are 0 for success.
#ifndef LEDGER_CONNECT_H
#define LEDGER_CONNECT_H

#include <windows.h>

class ClSysEnvMgr {
public:
    // Edition of the calling program, given to ClAccConnect::SetAppType.
    enum _AppType {
        _AppType_Standard = 0,
        _AppType_Professional = 3,
        _AppType_Enterprise = 4,
    };
};

class ClAccConnect {
public:
    static ClAccConnect* Inst();

    // The two values the caller sets on the connection: the program's title
    // text (before SetAppType) and the host window (after Initiate).
    void SetTitleText(const char* title);
    void SetHostWindow(HWND hwnd);
    const char* GetTitleText() const { return m_pszTitle; }
    HWND GetHostWindow() const { return m_hHostWnd; }

    long SetAppType(int appType);
    long SetUseDataType(int useDataType);
    // 0 when the books database could be opened and is a books database.
    long Initiate();
    // 0: the current user is known and linked; 1: refused (unknown or
    // locked user); any other value: the books could not be read.
    long ExpSysLink();
    // Shows text modally; the token ES_APRPACKAGENAME is replaced by the
    // installed package's name. Returns the message box result.
    long DispMsg(HWND owner, const char* text, const char* caption, UINT type);
    // Safe in any order and more than once.
    long LogOut();
    long Terminate();
    long Release();

private:
    ClAccConnect() = default;
    const char* m_pszTitle = nullptr;
    HWND m_hHostWnd = nullptr;
    int m_nAppType = 0;
    int m_nUseDataType = 0;
    bool m_bOwnsSource = false;  // Initiate opened the books; Release closes them
};

#endif
