// Manager library of the accounting application: the current user, the data
// objects of the linked data set and the link options. Singletons through
// Inst; the objects they hand out belong to them.
#ifndef LEDGER_MANAGERS_H
#define LEDGER_MANAGERS_H

class ClSetBase;
class ClSetMgr;
class ClOptLink;

class ClSysUser {
public:
    // Fills a 65-byte buffer with the current user's ID.
    long GetCurUserID(char* pszUserID);
    // The user's selection: no2 is the number (lDataNo) of the selected data
    // set; no1 a further number of the selection (0 when none).
    long GetSelectedNo(const char* pszUserID, long* pNo1, long* pNo2);
};

class ClDataMgr {
public:
    enum {
        SET_KAMOKU = 1,     // account master, a ClSetKamoku
        SET_SHOHIZEI = 4,   // consumption-tax settings, a ClSetShohizei
        SET_DATA = 5,       // data-set list, a ClSetData
    };
    static ClDataMgr* Inst();
    ClSysUser* GetSysUserObject();
    ClSetMgr* GetSetMgr();
    // Never null for the kinds above; the object belongs to the manager.
    ClSetBase* GetSetObject(int kind, int flag);
};

class ClLinkMgr {
public:
    static ClLinkMgr* Inst();
    ClOptLink* GetOptLink();
};

#endif
