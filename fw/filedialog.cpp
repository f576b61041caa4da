// Common file dialogs.
#include "fw/filedialog.h"

#include <cstring>

#include "fw/sjis.h"

CFileDialog::CFileDialog(BOOL bOpenFileDialog, const char* defExt, const char* fileName, DWORD flags,
                         const char* filter, CWnd* pParent)
    : m_bOpen(bOpenFileDialog) {
    std::memset(&m_ofn, 0, sizeof m_ofn);
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hwndOwner = pParent ? pParent->m_hWnd : nullptr;
    m_ofn.Flags = flags;
    if (defExt) {
        m_strDefExt = defExt;
        m_ofn.lpstrDefExt = m_strDefExt;
    }
    if (fileName) sjis::CopyBounded(m_szFile, fileName, MAX_PATH);
    m_ofn.lpstrFile = m_szFile;
    m_ofn.nMaxFile = sizeof m_szFile;
    if (filter) {
        // Bars become NULs; the string keeps them as bytes of its own.
        int n = (int)std::strlen(filter);
        char* buf = m_strFilter.GetBuffer(n + 1);
        std::memcpy(buf, filter, (size_t)n + 1);
        for (int i = 0; i < n; i += (int)sjis::CharLen(buf + i))
            if (buf[i] == '|') buf[i] = '\0';
        m_strFilter.ReleaseBuffer(n + 1);
        m_ofn.lpstrFilter = m_strFilter;
    }
}

INT_PTR CFileDialog::DoModal() {
    m_ofn.lpstrFile = m_szFile;
    BOOL ok = m_bOpen ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    return ok ? IDOK : IDCANCEL;
}
