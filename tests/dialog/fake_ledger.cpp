// Fakes of the accounting library calls; see fake_ledger.h.
#include "tests/dialog/fake_ledger.h"

#include <cstring>

#include "app/edition.h"
#include "ledger/books.h"
#include "ledger/connect.h"
#include "ledger/managers.h"
#include "ledger/paths.h"
#include "ledger/records.h"

// The settings file of the tests is BreakdownLinkT.env.
const char kEditionBaseName[] = "BreakdownLinkT";

namespace fake {

std::string outputFolder, settingsFolder, curDataID;
long shohizeiResult = 0;
char komiNyuryoku = 0;
std::vector<DispCall> dispCalls;

void Reset() {
    outputFolder.clear();
    settingsFolder.clear();
    curDataID.clear();
    shohizeiResult = 0;
    komiNyuryoku = 0;
    dispCalls.clear();
}

}  // namespace fake

namespace {

StDATAINFO g_selected = [] {
    StDATAINFO info;
    std::memset(&info, 0, sizeof info);
    std::strcpy(info.szDataID, "DATA0003");
    info.lDataNo = 3;
    return info;
}();
ClSetData g_setData;
ClSetShohizei g_setShohizei;

}  // namespace

ClFileMgr* ClFileMgr::Inst() {
    static ClFileMgr mgr;
    return &mgr;
}

const char* ClFileMgr::GetAppFolderPath(int type) {
    return type == FOLDER_OUTPUT ? fake::outputFolder.c_str() : fake::settingsFolder.c_str();
}

ClDataMgr* ClDataMgr::Inst() {
    static ClDataMgr mgr;
    return &mgr;
}

ClSetMgr* ClDataMgr::GetSetMgr() { return reinterpret_cast<ClSetMgr*>(this); }

ClSetBase* ClDataMgr::GetSetObject(int kind, int) {
    if (kind == SET_DATA) return &g_setData;
    if (kind == SET_SHOHIZEI) return &g_setShohizei;
    return nullptr;
}

long ClSetBase::AttachSetMgr(ClSetMgr*) { return 0; }

long ClSetBase::SetCurDataID(const char* pszDataID) {
    fake::curDataID = pszDataID;
    return 0;
}

StDATAINFO* ClSetData::GetSelectedInfo() { return &g_selected; }

long ClSetShohizei::Get(StSHOHIZEIINFO* pInfo) {
    if (fake::shohizeiResult != 0) {
        std::memset(pInfo, 0x5A, sizeof *pInfo);  // what a failing library may leave
        return fake::shohizeiResult;
    }
    pInfo->cKomiNyuryoku = fake::komiNyuryoku;
    return 0;
}

ClAccConnect* ClAccConnect::Inst() {
    static ClAccConnect connect;
    return &connect;
}

long ClAccConnect::DispMsg(HWND owner, const char* text, const char* caption, UINT type) {
    fake::dispCalls.push_back({owner, text, caption, type});
    return IDOK;
}
