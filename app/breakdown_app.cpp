// The run: everything a start of the program does, from the connection to
// the answer to the launching program.
#include "app/breakdown_app.h"

#include <direct.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "aggregate/find_info.h"
#include "aggregate/zandaka_calc.h"
#include "app/edition.h"
#include "app/launch_args.h"
#include "dialog/condition_dlg.h"
#include "fw/sjis.h"
#include "ledger/connect.h"
#include "ledger/managers.h"
#include "report/progress_dlg.h"
#include "report/report_writer.h"
#include "res/resource.h"

namespace {

const char kCaption[] = "科目内訳書";
const char kReportFailed[] = "XMLファイルの出力に失敗しました。\n\nアプリケーションを終了します。";
const char kReportDone[] = "科目内訳書情報の出力が終了しました。\n\nアプリケーションを終了します。";
const char kAggregationFailed[] = "科目残高の集計に失敗しました。\n\nアプリケーションを終了します。";
const int kCancelResult = 1003;
const size_t kPathSize = 261;

// The folder of the program file, with its final backslash.
void ChangeToProgramFolder() {
    char path[MAX_PATH + 1] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    long slash = sjis::FindLastChar(path, '\\');
    if (slash < 0) return;
    path[slash + 1] = '\0';
    (void)_chdir(path);
}

}  // namespace

CBreakdownApp::CBreakdownApp() : CWinApp(nullptr) {}

CBreakdownApp::~CBreakdownApp() {
    // The records went in ExitInstance; only the nodes are left.
    m_ZandakaList.clear();
}

int CBreakdownApp::ParseCommandLine(const char* pszCmdLine) {
    LaunchArgs args;
    args.llHostWnd = (long long)(intptr_t)m_hHostWnd;
    args.uHostMsg = m_uHostMsg;
    args.nFunctionID = m_nFunctionID;
    int ok = ParseLaunchArgs(pszCmdLine, &args);
    // Window handles are 32-bit values, sign-extended on 64-bit Windows.
    m_hHostWnd = (HWND)(intptr_t)(int32_t)args.llHostWnd;
    m_uHostMsg = args.uHostMsg;
    m_nFunctionID = args.nFunctionID;
    if (!args.strPath.empty()) m_strHostPath = args.strPath.c_str();
    return ok;
}

void CBreakdownApp::MakeFindInfo(StFINDINFO* pFind, const StDATAINFO* pInfo, long lStartMonth, long lEndMonth) {
    BuildFindInfo(pFind, pInfo, lStartMonth, lEndMonth);
}

BOOL CBreakdownApp::InitInstance() {
    AfxEnableControlContainer();

    ClAccConnect::Inst()->SetTitleText(kCaption);
    ClAccConnect::Inst()->SetAppType(kEditionAppType);
    ClAccConnect::Inst()->SetUseDataType(1);
    if (ClAccConnect::Inst()->Initiate() != 0) return FALSE;

    if (ParseCommandLine(m_lpCmdLine) == 1) {
        m_bFromHost = 1;
        m_pHostWnd = CWnd::FromHandle(m_hHostWnd);
        ::EnableWindow(m_hHostWnd, FALSE);
        ClAccConnect::Inst()->SetHostWindow(m_hHostWnd);
    }

    // The installation definition and the support file are opened by bare
    // name in the program's folder.
    ChangeToProgramFolder();

    if (!CheckProgramLevel(1)) {
        m_nLinkResult = LINK_FAILED;
        return FALSE;
    }

    long link = ClAccConnect::Inst()->ExpSysLink();
    if (link != 0) {
        m_nLinkResult = link == 1 ? LINK_CANCELLED : LINK_FAILED;
        return FALSE;
    }

    StDATAINFO info;
    std::memset(&info, 0, sizeof info);
    GetSelectedDataInfo(&info);

    // The run's objects; torn down in the order of TearDown below.
    std::unique_ptr<CConditionDlg> dlg(new CConditionDlg(m_pHostWnd));
    ClSysUser* user = ClDataMgr::Inst()->GetSysUserObject();
    user->GetCurUserID(dlg->m_szUserID);
    user->GetSelectedNo(dlg->m_szUserID, &dlg->m_lSelectedNo1, &dlg->m_lSelectedNo2);
    dlg->m_bPastData = info.nDataType == 99 ? 1 : 0;
    dlg->m_strPresetPath.Empty();
    if (m_bFromHost) dlg->m_strPresetPath = m_strHostPath;
    dlg->m_lPeriodStart = info.lPeriodStart;
    dlg->m_lPeriodEnd = info.lPeriodEnd;
    dlg->m_strCompanyName.Format(" %s", info.szCompanyName);
    long s = info.lPeriodStart, e = info.lPeriodEnd;
    dlg->m_strPeriod.Format(" %04ld/%02ld/%02ld～%04ld/%02ld/%02ld", s / 10000, s % 10000 / 100, s % 100, e / 10000,
                            e % 10000 / 100, e % 100);

    if (dlg->DoModal() == kCancelResult) {
        m_nLinkResult = LINK_CANCELLED;
        return FALSE;
    }

    long startMonth = std::atol(dlg->m_strStartMonth);
    long endMonth = std::atol(dlg->m_strEndMonth);
    short taxInclusive = dlg->m_nTaxInclusive;
    char outputPath[kPathSize] = {};
    // A path that does not fit is not cut to another file's name: the
    // report then fails as for any path that cannot be written.
    bool pathFits = (size_t)dlg->m_strOutputPath.GetLength() < kPathSize;
    if (pathFits) std::strcpy(outputPath, dlg->m_strOutputPath);

    std::unique_ptr<CProgressDlg> progress(new CProgressDlg(nullptr));
    StFINDINFO find[4];
    std::memset(find, 0, sizeof find);
    progress->Create(IDD_PROGRESS, nullptr);
    if (m_pHostWnd != nullptr) ::SetParent(progress->m_hWnd, m_hHostWnd);
    progress->ShowWindow(SW_SHOW);
    BeginWaitCursor();
    progress->Reset();

    std::unique_ptr<CZandakaCalc> calc(new CZandakaCalc);
    std::unique_ptr<CReportWriter> writer(new CReportWriter);
    calc->m_pProgress = progress.get();
    calc->m_pList = &m_ZandakaList;
    writer->m_pProgress = progress.get();
    writer->m_pList = &m_ZandakaList;

    auto tearDown = [&]() {
        writer.reset();
        calc.reset();
        EndWaitCursor();
        progress.reset();
        dlg.reset();
    };
    // The warning is shown while the progress window is still on screen.
    auto fail = [&](const char* text) {
        progress->MessageBox(text, kCaption, MB_ICONEXCLAMATION | MB_OK);
        progress->Finish();
        RestoreWaitCursor();
        m_nLinkResult = LINK_FAILED;
        tearDown();
        return FALSE;
    };

    MakeFindInfo(find, &info, startMonth, endMonth);

    // A summation that failed half-way would give a report of wrong
    // balances: the run ends as failed instead, with nothing written.
    if (calc->Calc(taxInclusive != 0 ? 1 : 0, find, &info) == 0) return fail(kAggregationFailed);

    writer->SetProgressBase(500);
    if (!pathFits || writer->Write(outputPath, m_nFunctionID, &info) == 0) return fail(kReportFailed);

    dlg->WriteSettings(taxInclusive, (short)endMonth, m_bFromHost ? nullptr : outputPath);
    progress->Finish();
    RestoreWaitCursor();
    progress->MessageBox(kReportDone, kCaption, MB_ICONINFORMATION | MB_OK);
    BOOL result = CWinApp::InitInstance();
    tearDown();
    return result;
}

int CBreakdownApp::ExitInstance() {
    for (StZANDAKAINFO*& record : m_ZandakaList) {
        delete record;
        record = nullptr;
    }
    m_ZandakaList.clear();

    ClAccConnect::Inst()->LogOut();
    ClAccConnect::Inst()->Terminate();
    ClAccConnect::Inst()->Release();

    if (m_bFromHost == 1) {
        ::SetForegroundWindow(m_hHostWnd);
        ::EnableWindow(m_hHostWnd, TRUE);
        // The function identifier goes out sign-extended to 32 bits.
        ::PostMessageA(m_hHostWnd, m_uHostMsg, (WPARAM)(DWORD)(LONG)m_nFunctionID, (LPARAM)m_nLinkResult);
        ::EnableWindow(m_hHostWnd, TRUE);
    }
    return CWinApp::ExitInstance();
}
