// CWinApp: the application object. The program's one instance is a static
// object; the framework's entry point runs InitInstance and then
// ExitInstance once. There is no main window and no message loop after
// InitInstance: its work is the whole run.
#ifndef FW_APP_H
#define FW_APP_H

#include <windows.h>

class CWinApp {
public:
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return m_nExitCode; }

    // The wait cursor, counted: Begin shows it, End takes one level off and
    // restores the arrow at zero, Restore shows it again after something
    // (a message box) changed the cursor.
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    // Runs the application: sets the members below from the process and
    // calls InitInstance, then ExitInstance. Returns the exit code.
    int Run(HINSTANCE hInstance, const char* fullCmdLine);

    HINSTANCE m_hInstance = nullptr;
    // Argument text: the command line less the program name and the blanks
    // after it.
    const char* m_lpCmdLine = "";
    const char* m_pszAppName;

protected:
    int m_nExitCode = 0;
    int m_nWaitCursorCount = 0;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
// Kept for the run's first step; no control containers are used here.
inline void AfxEnableControlContainer() {}

#endif
