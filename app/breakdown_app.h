// CBreakdownApp: the application object. One start of the program is one
// run, performed inside InitInstance: connect, read the launch arguments,
// check the installation, link the user, find the selected data set, take
// the conditions, total the balances, write the report and answer the
// launching program in ExitInstance.
#ifndef APP_BREAKDOWN_APP_H
#define APP_BREAKDOWN_APP_H

#include "aggregate/zandaka.h"
#include "fw/app.h"
#include "fw/cstring.h"
#include "fw/wnd.h"
#include "ledger/records.h"

class ClSetData;

// Result of a run, posted to the launching window.
enum LinkResult {
    LINK_COMPLETED = 0,
    LINK_CANCELLED = 1,
    LINK_FAILED = 2,
};

class CBreakdownApp : public CWinApp {
public:
    CBreakdownApp();
    ~CBreakdownApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

    // 1 when the argument text is valid launch arguments (host mode). Fields
    // read before a failure stay stored.
    int ParseCommandLine(const char* pszCmdLine);
    // 1 when the installation may be used; bShowMessage: tell the user why not.
    int CheckProgramLevel(int bShowMessage);
    // Fills *pInfo with the data set the user has selected; 1 when found,
    // else 0 with *pInfo zero-filled.
    int GetSelectedDataInfo(StDATAINFO* pInfo);
    // Writes the search conditions for the span of calendar months
    // lStartMonth to lEndMonth into four zeroed entries.
    void MakeFindInfo(StFINDINFO* pFind, const StDATAINFO* pInfo, long lStartMonth, long lEndMonth);

    int m_bFromHost = 0;
    HWND m_hHostWnd = nullptr;
    UINT m_uHostMsg = 0;
    short m_nFunctionID = 1;
    CString m_strHostPath;
    CWnd* m_pHostWnd = nullptr;
    int m_nLinkResult = LINK_COMPLETED;
    ZandakaList m_ZandakaList;
    ClSetData* m_pSetData = nullptr;
};

#endif
