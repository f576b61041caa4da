// CConditionDlg: the conditions dialog. Shows the company and the period,
// takes the last month of the span, the tax-inclusive choice and the output
// file, checks them and remembers them per user and data set.
#ifndef DIALOG_CONDITION_DLG_H
#define DIALOG_CONDITION_DLG_H

#include "fw/controls.h"
#include "fw/cstring.h"
#include "fw/dialog.h"

struct StSHOHIZEIINFO;

class CConditionDlg : public CDialog {
public:
    // pParent: the launching program's window, null when there is none.
    explicit CConditionDlg(CWnd* pParent = nullptr);
    ~CConditionDlg() override;

    // First accounting month and last-month code of a period; see
    // aggregate/period_months.h.
    static void GetPeriodMonths(long lPeriodStart, long lPeriodEnd, short* pFirst, short* pLast);

    // 1 and all three filled when the settings file holds this user's and
    // data set's line; else 0 with nothing changed. pszPath holds 261 bytes.
    int ReadSettings(short* pTax, short* pEndMonth, char* pszPath);
    // Stores the choices as the line of this user and data set, last in the
    // file. pszPath null: keep the path read when the dialog opened. The
    // other lines survive any failure. 1 when written.
    int WriteSettings(short nTax, short nEndMonth, const char* pszPath);
    // The selected data set's consumption-tax settings; 1 when read, else 0
    // with *pInfo untouched.
    int GetShohizeiInfo(StSHOHIZEIINFO* pInfo);

    // 1 when the drive or network share of the path can be written to.
    int IsValidDrive(const CString& strPath);
    // 1 when drive nLetter can be used with _access mode nMode; a letter
    // without a volume (no root folder) counts as usable.
    int IsDriveUsable(int nLetter, int nMode);

    // The controls.
    CStatic m_stcEndMonth;
    CButton m_grpOutput;
    CEdit m_edtEndMonth;
    CEdit m_edtOutputPath;
    CButton m_chkTaxInclusive;
    CButton m_btnBrowse;
    CButton m_btnExecute;
    CButton m_btnCancel;

    // Inputs from the application object, outputs to it.
    CString m_strPeriod;
    CString m_strCompanyName;
    CString m_strOutputPath;
    CString m_strEndMonth;
    CString m_strStartMonth;
    short m_nTaxInclusive;
    long m_lSelectedNo1;
    long m_lSelectedNo2;
    long m_lPeriodStart;
    long m_lPeriodEnd;
    int m_bPastData;
    CString m_strPresetPath;
    char m_szUserID[65];
    int m_bPathPreset;
    char m_szSavedPath[261];

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    void OnExecute();
    void OnBrowse();
    void OnCancelButton();
    void OnTaxInclusive();

private:
    // The output path checks after the month span has passed; ends the
    // dialog with 1002 when every one passes.
    void CheckOutputPath();
    // Warning, then back to the path edit.
    void RefusePath(const char* pszText);
    // Focus to an edit with its whole text selected and in view.
    void BackToEdit(CEdit& edit);
    int ShowBox(const char* pszText, UINT nType);
    // The settings file's path; empty folder: the bare file name.
    CString SettingsFilePath(const char* pszFolder) const;
};

#endif
