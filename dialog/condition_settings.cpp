// The settings file of the edition: reading this user's and data set's line
// when the dialog opens and storing it after a successful run. A rewrite
// goes to a temporary file that then replaces the old one, so a failure at
// any point leaves the other users' and data sets' lines as they were.
#include "dialog/condition_dlg.h"

#include <cstring>
#include <string>

#include "app/edition.h"
#include "dialog/folders.h"
#include "dialog/settings_text.h"
#include "fw/file.h"
#include "ledger/books.h"
#include "ledger/managers.h"
#include "ledger/paths.h"
#include "ledger/records.h"

namespace {

// A settings file is a few lines; anything larger is not ours to load.
const ULONGLONG kMaxSettingsSize = 4u << 20;

// The whole file, or false when it is missing, too large or unreadable.
bool ReadWholeFile(const char* pszPath, std::string* pText) {
    CFileStatus status;
    if (!CFile::GetStatus(pszPath, status) || (status.m_attribute & FILE_ATTRIBUTE_DIRECTORY)) return false;
    if (status.m_size > kMaxSettingsSize) return false;
    CFile file;
    if (!file.Open(pszPath, CFile::modeRead | CFile::shareDenyWrite)) return false;
    try {
        std::string text((size_t)status.m_size, '\0');
        UINT got = text.empty() ? 0 : file.Read(&text[0], (UINT)text.size());
        text.resize(got);
        *pText = text;
    } catch (const CFileException&) {
        return false;
    }
    return true;
}

}  // namespace

CString CConditionDlg::SettingsFilePath(const char* pszFolder) const {
    return CString(pszFolder) + kEditionBaseName + ".env";
}

int CConditionDlg::ReadSettings(short* pTax, short* pEndMonth, char* pszPath) {
    std::string key = settings::MakeKey(m_szUserID, m_lSelectedNo1, m_lSelectedNo2);
    CString strFile = SettingsFilePath(ClFileMgr::Inst()->GetAppFolderPath(ClFileMgr::FOLDER_SETTINGS));
    std::string text;
    if (!ReadWholeFile(strFile, &text)) return 0;
    size_t begin = 0, end = 0;
    if (!settings::FindLine(text, key, &begin, &end)) return 0;
    std::string value = text.substr(begin + key.size(), end - begin - key.size());
    if (!value.empty() && value.back() == '\n') value.pop_back();
    if (!value.empty() && value.back() == '\r') value.pop_back();  // a line edited elsewhere
    return settings::ParseValue(value, pTax, pEndMonth, pszPath, sizeof m_szSavedPath) ? 1 : 0;
}

int CConditionDlg::WriteSettings(short nTax, short nEndMonth, const char* pszPath) {
    std::string key = settings::MakeKey(m_szUserID, m_lSelectedNo1, m_lSelectedNo2);
    std::string line = settings::MakeLine(key, nTax, nEndMonth, pszPath ? pszPath : m_szSavedPath);

    CString strFolder = ClFileMgr::Inst()->GetAppFolderPath(ClFileMgr::FOLDER_SETTINGS);
    if (strFolder.IsEmpty()) return 0;
    if (!IsFolder(strFolder) && !CreateFolderPath(strFolder)) return 0;
    CString strFile = SettingsFilePath(strFolder);

    std::string text;
    CFileStatus status;
    if (CFile::GetStatus(strFile, status) && !ReadWholeFile(strFile, &text)) return 0;
    std::string newText = settings::Rewrite(text, key, line);

    CString strTemp = strFile + ".tmp";
    CFile file;
    if (!file.Open(strTemp, CFile::modeCreate | CFile::modeWrite)) return 0;
    try {
        file.Write(newText.data(), (UINT)newText.size());
        file.Close();
        CFile::Rename(strTemp, strFile);
    } catch (const CFileException&) {
        file.Close();
        ::DeleteFileA(strTemp);
        return 0;
    }
    return 1;
}

int CConditionDlg::GetShohizeiInfo(StSHOHIZEIINFO* pInfo) {
    ClDataMgr* pMgr = ClDataMgr::Inst();
    ClSetData* pData = static_cast<ClSetData*>(pMgr->GetSetObject(ClDataMgr::SET_DATA, 1));
    ClSetShohizei* pTax = static_cast<ClSetShohizei*>(pMgr->GetSetObject(ClDataMgr::SET_SHOHIZEI, 1));
    if (pData == nullptr || pTax == nullptr) return 0;
    pTax->AttachSetMgr(pMgr->GetSetMgr());
    StDATAINFO* pSelected = pData->GetSelectedInfo();
    if (pSelected == nullptr) return 0;
    pTax->SetCurDataID(pSelected->szDataID);
    StSHOHIZEIINFO info;
    std::memset(&info, 0, sizeof info);
    if (pTax->Get(&info) != 0) return 0;
    std::memcpy(pInfo, &info, sizeof info);
    return 1;
}
