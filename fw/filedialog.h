// CFileDialog: the common open and save dialogs.
#ifndef FW_FILEDIALOG_H
#define FW_FILEDIALOG_H

#include <windows.h>
#include <commdlg.h>

#include "fw/wnd.h"

class CFileDialog {
public:
    // filter: pairs "text|pattern|" closed by an extra "|".
    CFileDialog(BOOL bOpenFileDialog, const char* defExt = nullptr, const char* fileName = nullptr,
                DWORD flags = 0, const char* filter = nullptr, CWnd* pParent = nullptr);
    // IDOK or IDCANCEL.
    INT_PTR DoModal();
    CString GetPathName() const { return CString(m_szFile); }

    OPENFILENAMEA m_ofn;

private:
    BOOL m_bOpen;
    CString m_strFilter;  // with NULs in place of the bars
    CString m_strDefExt;
    char m_szFile[MAX_PATH + 1] = {};
};

#endif
