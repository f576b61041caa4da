// CDialog: dialogs from templates in the program's resources, modal or
// modeless, with data exchange between members and controls. One dialog
// procedure serves every dialog: it keeps `this` with the window at
// WM_INITDIALOG and dispatches to the virtual handlers below.
#ifndef FW_DIALOG_H
#define FW_DIALOG_H

#include "fw/wnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* dlg, BOOL save) : m_pDlgWnd(dlg), m_bSaveAndValidate(save) {}
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
};

// Binds a control wrapper to the dialog's control with this id.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
// Exchanges the text of a control with a string.
void DDX_Text(CDataExchange* pDX, int id, CString& value);
// Caps the text of the control last exchanged: when loading it limits the
// edit (EM_LIMITTEXT); when saving it cuts the value to nChars bytes.
void DDV_MaxChars(CDataExchange* pDX, int id, CString& value, int nChars);

class CDialog : public CWnd {
public:
    CDialog(UINT idTemplate, CWnd* pParent = nullptr);
    ~CDialog() override;

    // Runs the dialog in its own modal loop, with the owner disabled; returns
    // the value given to EndDialog, or -1 when the window could not be made.
    virtual INT_PTR DoModal();
    // Creates the dialog modeless (not shown unless its template says so).
    BOOL Create(UINT idTemplate, CWnd* pParent = nullptr);
    // Modal: ends the loop with this result. Modeless: hides the window.
    void EndDialog(int result);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    // Called for every message of the modal loop before it is dispatched;
    // TRUE consumes it. The base gives keyboard and mouse input of the dialog
    // to the dialog manager (tab order, mnemonics, Esc).
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // WM_COMMAND; TRUE when handled. The base maps IDOK and IDCANCEL.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void OnOK();
    virtual void OnCancel();
    virtual void OnDestroy() {}
    // Any other message; TRUE when handled, with the result in *pResult.
    virtual BOOL OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

protected:
    BOOL m_bModal = FALSE;
    BOOL m_bEnded = FALSE;
    INT_PTR m_nModalResult = -1;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND CreateIndirect(HWND hwndOwner);
};

#endif
