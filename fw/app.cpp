// The application object and its run.
#include "fw/app.h"

#include "fw/cmdline.h"

static CWinApp* g_pApp = nullptr;

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName) { g_pApp = this; }

CWinApp::~CWinApp() {
    if (g_pApp == this) g_pApp = nullptr;
}

CWinApp* AfxGetApp() { return g_pApp; }

HINSTANCE AfxGetInstanceHandle() {
    return g_pApp && g_pApp->m_hInstance ? g_pApp->m_hInstance : ::GetModuleHandleA(nullptr);
}

void CWinApp::BeginWaitCursor() {
    ++m_nWaitCursorCount;
    ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
}

void CWinApp::EndWaitCursor() {
    if (m_nWaitCursorCount > 0) --m_nWaitCursorCount;
    ::SetCursor(::LoadCursor(nullptr, m_nWaitCursorCount > 0 ? IDC_WAIT : IDC_ARROW));
}

void CWinApp::RestoreWaitCursor() {
    if (m_nWaitCursorCount > 0) ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
}

int CWinApp::Run(HINSTANCE hInstance, const char* fullCmdLine) {
    m_hInstance = hInstance;
    m_lpCmdLine = fw::SkipProgramName(fullCmdLine);
    InitInstance();
    return ExitInstance();
}
