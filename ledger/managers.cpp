// The stand-in manager library: current user, data objects and link
// options. The objects live for the whole process.
#include "ledger/managers.h"

#include <cstring>

#include "fw/sjis.h"
#include "ledger/books.h"
#include "ledger/standin/books_model.h"

class ClSetMgr {};
class ClOptLink {};

using namespace ledger;

long ClSysUser::GetCurUserID(char* pszUserID) {
    if (!pszUserID) return ERR_ARGUMENT;
    sjis::CopyBounded(pszUserID, CurrentUserId().c_str(), 64);
    return CurrentUserId().empty() ? 1 : 0;
}

long ClSysUser::GetSelectedNo(const char* pszUserID, long* pNo1, long* pNo2) {
    BooksSource* source = CurrentSource();
    User user;
    bool found = false;
    if (!source || !pszUserID) return ERR_BOOKS;
    if (source->GetUser(pszUserID, &user, &found) != 0) return ERR_BOOKS;
    if (!found) return 1;
    if (pNo1) *pNo1 = user.selectedNo1;
    if (pNo2) *pNo2 = user.selectedNo2;
    return 0;
}

ClDataMgr* ClDataMgr::Inst() {
    static ClDataMgr mgr;
    return &mgr;
}

ClSysUser* ClDataMgr::GetSysUserObject() {
    static ClSysUser user;
    return &user;
}

ClSetMgr* ClDataMgr::GetSetMgr() {
    static ClSetMgr mgr;
    return &mgr;
}

ClSetBase* ClDataMgr::GetSetObject(int kind, int) {
    static ClSetKamoku kamoku;
    static ClSetShohizei shohizei;
    static ClSetData data;
    static ClSetBase other;  // unknown kinds: an object that does nothing, never null
    switch (kind) {
    case SET_KAMOKU: return &kamoku;
    case SET_SHOHIZEI: return &shohizei;
    case SET_DATA: return &data;
    }
    return &other;
}

ClLinkMgr* ClLinkMgr::Inst() {
    static ClLinkMgr mgr;
    return &mgr;
}

ClOptLink* ClLinkMgr::GetOptLink() {
    static ClOptLink opt;
    return &opt;
}
