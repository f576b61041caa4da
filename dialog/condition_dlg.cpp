// The conditions dialog: start values, the key table, the month span check,
// the file dialog and cancelling. The output path checks are in
// condition_path.cpp, the settings file in condition_settings.cpp.
#include "dialog/condition_dlg.h"

#include <cstdio>
#include <cstring>

#include "aggregate/period_months.h"
#include "dialog/month_span.h"
#include "dialog/path_rules.h"
#include "fw/filedialog.h"
#include "fw/sjis.h"
#include "ledger/books.h"
#include "ledger/managers.h"
#include "ledger/paths.h"
#include "ledger/records.h"
#include "res/resource.h"

namespace {

const char kCaption[] = "科目内訳書";

}  // namespace

CConditionDlg::CConditionDlg(CWnd* pParent) : CDialog(IDD_CONDITION, pParent) {
    // The application object fills the inputs before DoModal; they start
    // defined all the same, so a forgotten one is a wrong value, not garbage.
    m_nTaxInclusive = 0;
    m_lSelectedNo1 = m_lSelectedNo2 = 0;
    m_lPeriodStart = m_lPeriodEnd = 0;
    m_bPastData = 0;
    std::memset(m_szUserID, 0, sizeof m_szUserID);
    m_bPathPreset = 0;
    std::memset(m_szSavedPath, 0, sizeof m_szSavedPath);
}

CConditionDlg::~CConditionDlg() = default;

void CConditionDlg::GetPeriodMonths(long lPeriodStart, long lPeriodEnd, short* pFirst, short* pLast) {
    ::GetPeriodMonths(lPeriodStart, lPeriodEnd, pFirst, pLast);
}

int CConditionDlg::ShowBox(const char* pszText, UINT nType) { return MessageBox(pszText, kCaption, nType); }

void CConditionDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_END_MONTH_LABEL, m_stcEndMonth);
    DDX_Control(pDX, IDC_OUTPUT_GROUP, m_grpOutput);
    DDX_Control(pDX, IDC_END_MONTH, m_edtEndMonth);
    DDX_Control(pDX, IDC_OUTPUT_PATH, m_edtOutputPath);
    DDX_Control(pDX, IDC_TAX_INCLUSIVE, m_chkTaxInclusive);
    DDX_Control(pDX, IDC_BROWSE, m_btnBrowse);
    DDX_Control(pDX, IDC_EXECUTE, m_btnExecute);
    DDX_Control(pDX, IDC_CANCEL_BUTTON, m_btnCancel);
    DDX_Text(pDX, IDC_PERIOD, m_strPeriod);
    DDX_Text(pDX, IDC_COMPANY_NAME, m_strCompanyName);
    DDX_Text(pDX, IDC_OUTPUT_PATH, m_strOutputPath);
    DDX_Text(pDX, IDC_END_MONTH, m_strEndMonth);
    DDV_MaxChars(pDX, IDC_END_MONTH, m_strEndMonth, 2);
    DDX_Text(pDX, IDC_START_MONTH, m_strStartMonth);
}

BOOL CConditionDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    WORD id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (id) {
        case IDC_EXECUTE: OnExecute(); return TRUE;
        case IDC_BROWSE: OnBrowse(); return TRUE;
        case IDC_CANCEL_BUTTON: OnCancelButton(); return TRUE;
        case IDC_TAX_INCLUSIVE: OnTaxInclusive(); return TRUE;
        }
    }
    // The dialog manager issues the standard OK command for an Enter that
    // the key table leaves alone (Shift+Enter, Ctrl+Enter). It would end the
    // dialog as a go-ahead without any check, so it is ignored: only the
    // execute button and F12 run the checks.
    if (id == IDOK) return TRUE;
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CConditionDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    if (m_bPastData == 1) {
        ShowBox("過去実績データは、連携の対象として使用できません。\n\nアプリケーションを終了します。", MB_ICONEXCLAMATION | MB_OK);
        EndDialog(IDC_CANCEL_BUTTON);
    }

    m_edtOutputPath.LimitText(255);

    short nTax = 0, nEndMonth = 0, nStartMonth = 0;
    char szPath[PATH_BUFFER_SIZE] = {};
    std::memset(m_szSavedPath, 0, sizeof m_szSavedPath);

    if (ReadSettings(&nTax, &nEndMonth, szPath)) {
        std::memcpy(m_szSavedPath, szPath, sizeof m_szSavedPath);
    } else {
        short nLastCode = 0;
        GetPeriodMonths(m_lPeriodStart, m_lPeriodEnd, &nStartMonth, &nLastCode);
        nEndMonth = (short)(nLastCode % 100);
        StSHOHIZEIINFO info;
        std::memset(&info, 0, sizeof info);
        GetShohizeiInfo(&info);
        nTax = info.cKomiNyuryoku != 0 ? 1 : 0;
    }

    if (szPath[0] == '\0') {
        // A folder and "*.xml": the user is expected to name the file.
        sjis::CopyBounded(szPath, ClFileMgr::Inst()->GetAppFolderPath(ClFileMgr::FOLDER_OUTPUT), PATH_BUFFER_SIZE - 1);
        if (szPath[0] == '\0') {
            DWORD n = ::GetTempPathA(PATH_BUFFER_SIZE, szPath);
            if (n == 0 || n >= PATH_BUFFER_SIZE) szPath[0] = '\0';
            if (szPath[0] != '\0') AddBackslash(szPath, PATH_BUFFER_SIZE);
        }
        size_t len = std::strlen(szPath);
        if (len + 5 < PATH_BUFFER_SIZE) std::memcpy(szPath + len, "*.xml", 6);
    }

    if (!m_strPresetPath.IsEmpty()) {
        m_strOutputPath = m_strPresetPath;
        m_btnBrowse.EnableWindow(FALSE);
        m_edtOutputPath.EnableWindow(FALSE);
        m_grpOutput.SetWindowText("出力先");
        m_bPathPreset = 1;
    } else {
        m_strOutputPath = szPath;
        m_bPathPreset = 0;
    }

    if (nStartMonth == 0) GetPeriodMonths(m_lPeriodStart, m_lPeriodEnd, &nStartMonth, nullptr);

    m_strStartMonth.Format("%d", (int)nStartMonth);
    m_strEndMonth.Format("%d", (int)nEndMonth);

    m_chkTaxInclusive.SetCheck(nTax);
    m_nTaxInclusive = nTax;

    UpdateData(FALSE);
    return TRUE;
}

BOOL CConditionDlg::PreTranslateMessage(MSG* pMsg) {
    bool shift = ::GetKeyState(VK_SHIFT) < 0;
    bool ctrl = ::GetKeyState(VK_CONTROL) < 0;
    bool alt = ::GetKeyState(VK_MENU) < 0;
    if (pMsg->message == WM_KEYDOWN && !shift && !ctrl && !alt && m_hWnd != nullptr) {
        HWND target = pMsg->hwnd;
        if (pMsg->wParam == VK_F12) {
            OnExecute();
            return TRUE;
        }
        if (pMsg->wParam == VK_RETURN) {
            if (target == m_edtEndMonth.m_hWnd) {
                m_chkTaxInclusive.SetFocus();
                return TRUE;
            }
            if (target == m_chkTaxInclusive.m_hWnd) {
                if (m_btnBrowse.IsWindowEnabled())
                    BackToEdit(m_edtOutputPath);
                else
                    m_btnExecute.SetFocus();
                return TRUE;
            }
            if (target == m_edtOutputPath.m_hWnd) {
                if (m_btnBrowse.IsWindowEnabled())
                    m_btnBrowse.SetFocus();
                else
                    m_btnExecute.SetFocus();
                return TRUE;
            }
            if (target == m_btnBrowse.m_hWnd) {
                OnBrowse();
                return TRUE;
            }
            if (target == m_btnExecute.m_hWnd) {
                OnExecute();
                return TRUE;
            }
        }
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CConditionDlg::BackToEdit(CEdit& edit) {
    // A disabled edit (preset path) takes no focus.
    if (edit.IsWindowEnabled()) edit.SetFocus();
    edit.SetSel(0, -1);
    edit.ScrollCaret();
}

void CConditionDlg::OnExecute() {
    UpdateData(TRUE);
    short nStart = MonthFromText(m_strStartMonth);
    short nEnd = MonthFromText(m_strEndMonth);
    short nFirst = 0, nLastCode = 0;
    GetPeriodMonths(m_lPeriodStart, m_lPeriodEnd, &nFirst, &nLastCode);
    if (!IsMonthSpanValid(nStart, nEnd, nFirst, nLastCode)) {
        ShowBox("集計期間に誤りがあります。\n\n集計期間を設定しなおしてください。", MB_ICONEXCLAMATION | MB_OK);
        BackToEdit(m_edtEndMonth);
        return;
    }
    CheckOutputPath();
}

void CConditionDlg::OnBrowse() {
    UpdateData(TRUE);
    CString strFolder = GetFolderPart(m_strOutputPath);
    CString strName;
    if (!strFolder.IsEmpty()) {
        strName = GetFileNamePart(m_strOutputPath);
    } else {
        strFolder = GetDrivePart(m_strOutputPath);
        strName = GetAfterDrivePart(m_strOutputPath);
    }
    CFileDialog dlg(FALSE, "XML", strName, OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST,
                    "Xml Files (*.xml)|*.xml||", this);
    dlg.m_ofn.lpstrInitialDir = strFolder;
    dlg.m_ofn.lpstrTitle = "保存ファイルを指定";
    if (dlg.DoModal() == IDOK) {
        m_strOutputPath = dlg.GetPathName();
        UpdateData(FALSE);
    }
    m_btnExecute.SetFocus();
}

void CConditionDlg::OnCancel() {
    ShowBox("｢科目内訳書｣の集計を中止します。", MB_ICONINFORMATION | MB_OK);
    EndDialog(IDC_CANCEL_BUTTON);
}

void CConditionDlg::OnCancelButton() { OnCancel(); }

void CConditionDlg::OnTaxInclusive() { m_nTaxInclusive = (short)m_chkTaxInclusive.GetCheck(); }
