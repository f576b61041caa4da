// The output path checks of the conditions dialog: characters, drive, file
// name, missing folders and an existing file, in that order.
#include "dialog/condition_dlg.h"

#include <io.h>

#include <cstdio>

#include "dialog/folders.h"
#include "dialog/path_rules.h"
#include "fw/file.h"
#include "res/resource.h"

namespace {

// _access modes.
enum { ACCESS_EXISTS = 0, ACCESS_READ_WRITE = 6 };

}  // namespace

int CConditionDlg::IsDriveUsable(int nLetter, int nMode) {
    int index = DriveIndex(nLetter);
    if (index < 0) return 0;
    char root[8];
    std::snprintf(root, sizeof root, "%c:\\", 'A' + index);
    switch (::GetDriveTypeA(root)) {
    case DRIVE_UNKNOWN: return 0;
    case DRIVE_NO_ROOT_DIR: return 1;
    case DRIVE_REMOVABLE:
    case DRIVE_FIXED:
    case DRIVE_REMOTE: return _access(root, nMode) == 0 ? 1 : 0;
    case DRIVE_CDROM: return 0;
    case DRIVE_RAMDISK: return 0;
    default: return 1;
    }
}

int CConditionDlg::IsValidDrive(const CString& strPath) {
    const char* s = strPath;
    if (!(s[0] == '\\' && s[1] == '\\')) {
        if (FindDoubleBackslash(s, 0) >= 0) return 0;
        // The first byte is the drive letter whether or not a colon follows.
        return IsDriveUsable((signed char)s[0], ACCESS_READ_WRITE);
    }
    CString strRoot = GetShareRoot(strPath);
    if (strRoot.IsEmpty()) return 0;
    return _access(strRoot, ACCESS_READ_WRITE) == 0 ? 1 : 0;
}

void CConditionDlg::RefusePath(const char* pszText) {
    ShowBox(pszText, MB_ICONEXCLAMATION | MB_OK);
    BackToEdit(m_edtOutputPath);
}

void CConditionDlg::CheckOutputPath() {
    const UINT kWarning = MB_ICONEXCLAMATION | MB_OK;
    const UINT kQuestion = MB_ICONQUESTION | MB_YESNO;
    if (m_strOutputPath.IsEmpty()) {
        ShowBox("データ出力先が指定されていません。\n\n出力先を指定してください。", kWarning);
        OnBrowse();
        return;
    }
    if (!IsValidPathChars(m_strOutputPath)) {
        RefusePath("データの出力先に不正な文字が含まれています。\n\n出力先を再入力してください。");
        return;
    }
    if (!IsValidDrive(m_strOutputPath)) {
        RefusePath("ドライブ名が有効でありません。\n\n有効なドライブを指定してください。");
        return;
    }
    if (GetFileNamePart(m_strOutputPath).IsEmpty()) {
        RefusePath("ファイル名が指定されていません。");
        return;
    }
    CString strFolder = GetFolderPart(m_strOutputPath);
    if (!strFolder.IsEmpty() && _access(strFolder, ACCESS_EXISTS) != 0) {
        if (ShowBox("指定されたフォルダは存在しません。\n\n作成してもよろしいですか？", kQuestion) != IDYES) {
            BackToEdit(m_edtOutputPath);
            return;
        }
        if (!CreateFolderPath(strFolder)) {
            RefusePath("フォルダの作成に失敗しました。\n\n出力先を再入力してください。");
            return;
        }
    }
    CFileStatus status;
    if (m_bPathPreset == 0 && CFile::GetStatus(m_strOutputPath, status)) {
        if (status.m_attribute & FILE_ATTRIBUTE_DIRECTORY) {
            RefusePath("ファイル名が指定されていません。");
            return;
        }
        if (ShowBox("同名のファイルが存在します。\n\n上書きしてもよろしいですか？", kQuestion) != IDYES) {
            BackToEdit(m_edtOutputPath);
            return;
        }
    }
    EndDialog(IDC_EXECUTE);
}
