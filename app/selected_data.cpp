// The record of the data set the user has selected in the accounting
// application.
#include "app/breakdown_app.h"

#include <cstring>

#include "ledger/books.h"
#include "ledger/managers.h"

int CBreakdownApp::GetSelectedDataInfo(StDATAINFO* pInfo) {
    if (!m_pSetData)
        m_pSetData = static_cast<ClSetData*>(ClDataMgr::Inst()->GetSetObject(ClDataMgr::SET_DATA, 1));

    ClSysUser* pUser = ClDataMgr::Inst()->GetSysUserObject();
    char szUserID[65] = {};
    long lSelectedNo1 = 0, lSelectedNo2 = 0;
    pUser->GetCurUserID(szUserID);
    pUser->GetSelectedNo(szUserID, &lSelectedNo1, &lSelectedNo2);

    std::memset(pInfo, 0, sizeof(StDATAINFO));

    long lCursor = 0;
    m_pSetData->GetDatCursor(&lCursor);
    m_pSetData->ReadyDat(lCursor, 0);
    // The first data set in the walk order with the selected number wins.
    StDATAINFO work;
    int bFound = 0;
    while (m_pSetData->WalkDat(&work, lCursor) == 0) {
        if (work.lDataNo == lSelectedNo2) {
            std::memcpy(pInfo, &work, sizeof(StDATAINFO));
            bFound = 1;
            break;
        }
    }
    m_pSetData->ReleaseDatCursor(lCursor);
    return bFound;
}
