// Modal and modeless dialogs and data exchange.
#include "fw/dialog.h"

#include <commctrl.h>

#include "fw/app.h"

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    control.Attach(::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id));
}

void DDX_Text(CDataExchange* pDX, int id, CString& value) {
    HWND item = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id);
    if (pDX->m_bSaveAndValidate) {
        int n = ::GetWindowTextLengthA(item);
        char* buf = value.GetBuffer(n + 1);
        ::GetWindowTextA(item, buf, n + 1);
        value.ReleaseBuffer();
    } else {
        ::SetWindowTextA(item, value);
    }
}

void DDV_MaxChars(CDataExchange* pDX, int id, CString& value, int nChars) {
    if (pDX->m_bSaveAndValidate) {
        if (value.GetLength() > nChars) value = value.Left(nChars);
    } else {
        ::SendMessageA(::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id), EM_LIMITTEXT, (WPARAM)nChars, 0);
    }
}

CDialog::CDialog(UINT idTemplate, CWnd* pParent) : m_nIDTemplate(idTemplate), m_pParentWnd(pParent) {}

CDialog::~CDialog() {
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

HWND CDialog::CreateIndirect(HWND hwndOwner) {
    // Templates may hold common controls (progress bars).
    static bool commonControls = false;
    if (!commonControls) {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
        ::InitCommonControlsEx(&icc);
        commonControls = true;
    }
    return ::CreateDialogParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), hwndOwner,
                                DialogProc, (LPARAM)this);
}

BOOL CDialog::Create(UINT idTemplate, CWnd* pParent) {
    m_nIDTemplate = idTemplate;
    m_pParentWnd = pParent;
    m_bModal = FALSE;
    return CreateIndirect(pParent ? pParent->m_hWnd : nullptr) != nullptr;
}

INT_PTR CDialog::DoModal() {
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    m_bModal = TRUE;
    m_bEnded = FALSE;
    m_nModalResult = -1;
    // An owner that is already disabled (a launching program's window) stays
    // as it is; only one we disabled is enabled again.
    BOOL enableOwner = FALSE;
    if (owner != nullptr && ::IsWindowEnabled(owner)) {
        ::EnableWindow(owner, FALSE);
        enableOwner = TRUE;
    }
    if (CreateIndirect(owner) == nullptr) {
        if (enableOwner) ::EnableWindow(owner, TRUE);
        return -1;
    }
    if (!m_bEnded) {
        ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
        MSG msg;
        while (!m_bEnded) {
            BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
            if (got == 0) {
                ::PostQuitMessage((int)msg.wParam);
                break;
            }
            if (got == -1) break;
            if (!PreTranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
    }
    if (enableOwner) ::EnableWindow(owner, TRUE);
    if (owner != nullptr && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(owner);
    ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    return m_nModalResult;
}

void CDialog::EndDialog(int result) {
    m_nModalResult = result;
    m_bEnded = TRUE;
    if (m_hWnd != nullptr) {
        if (m_bModal)
            ::ShowWindow(m_hWnd, SW_HIDE);
        else
            ::EndDialog(m_hWnd, result);
    }
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (m_hWnd == nullptr) return FALSE;
    bool input = (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
                 (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST);
    if (!input) return FALSE;
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)) return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM) {
    switch (LOWORD(wParam)) {
    case IDOK: OnOK(); return TRUE;
    case IDCANCEL: OnCancel(); return TRUE;
    }
    return FALSE;
}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CDialog* self;
    if (msg == WM_INITDIALOG) {
        self = (CDialog*)lParam;
        ::SetWindowLongPtrA(hwnd, DWLP_USER, (LONG_PTR)self);
        self->m_hWnd = hwnd;
        return self->OnInitDialog();
    }
    self = (CDialog*)::GetWindowLongPtrA(hwnd, DWLP_USER);
    if (self == nullptr) return FALSE;
    switch (msg) {
    case WM_COMMAND:
        return self->OnCommand(wParam, lParam);
    case WM_DESTROY:
        self->OnDestroy();
        return FALSE;
    case WM_NCDESTROY:
        ::SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        if (self->m_hWnd == hwnd) self->m_hWnd = nullptr;
        return FALSE;
    default: {
        LRESULT result = 0;
        if (self->OnMessage(msg, wParam, lParam, &result)) {
            ::SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
            return TRUE;
        }
        return FALSE;
    }
    }
}
