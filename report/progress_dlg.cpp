// The progress window, driven synchronously while no message loop runs.
#include "report/progress_dlg.h"

#include <cstdio>
#include <cstring>

#include "res/resource.h"

namespace {

// Wine hands a window's drawing to the screen only when its thread looks at
// the message queue; more often than the display's frame rate is wasted.
const DWORD kFrameMs = 16;

}  // namespace

CProgressDlg::CProgressDlg(CWnd* pParent) : CDialog(IDD_PROGRESS, pParent) {}

CProgressDlg::~CProgressDlg() {}

void CProgressDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ACTIVITY_BAR, m_ctlActivityBar);
    DDX_Control(pDX, IDC_OVERALL_BAR, m_ctlOverallBar);
}

void CProgressDlg::Reset() {
    m_ctlOverallBar.SetRange(0, 1000);
    m_ctlOverallBar.SetStep(1);
    m_ctlOverallBar.SetPos(0);
    m_nOverall = 0;
    m_nOverallMax = 1000;
    m_nOverallShown = 0;
}

void CProgressDlg::Advance(short nFrom, short nTo) {
    // int: a span ending at 32767 must still end.
    for (int v = nFrom; v <= nTo; ++v) {
        if (v % 10 == 0) {
            char caption[64];
            memset(caption, 0, sizeof caption);
            snprintf(caption, sizeof caption, "集計中 %d％", v / 10);
            // Consecutive spans share their boundary value; setting the same
            // caption again would only repaint the frame.
            char current[64] = {};
            ::GetWindowTextA(m_hWnd, current, sizeof current);
            if (strcmp(current, caption) != 0) SetWindowText(caption);
        }
        ++m_nSteps;
        if (m_nOverall < m_nOverallMax) ++m_nOverall;
        Pulse();
        // The last step of a span always reaches the screen, so the window
        // never stays behind while the caller works on.
        Redraw(v == nTo);
    }
}

void CProgressDlg::Pulse() {
    ++m_nSweeps;
    if (!m_bActivityReady) {
        m_ctlActivityBar.SetRange(0, 5);
        m_ctlActivityBar.SetStep(1);
        m_bActivityReady = true;
    }
    m_nActivity = 0;
    for (int i = 0; i < 6; ++i) {
        if (m_nActivity < 5) ++m_nActivity;
        BringToFront();
        Redraw(false);
    }
    // A frame in the middle of the sweep showed a position short of the end.
    if (m_nActivity != m_nActivityShown) ShowPositions();
}

void CProgressDlg::Finish() {
    ShowPositions();
    EndDialog(IDOK);
}

bool CProgressDlg::InFront() const {
    return ::GetForegroundWindow() == m_hWnd && ::GetWindow(m_hWnd, GW_HWNDPREV) == nullptr;
}

void CProgressDlg::BringToFront() {
    // Where the window stands changes only by someone else's doing. Looking
    // more often than once a frame costs trips to the window server on every
    // step and changes nothing on the screen. A window that cannot become
    // the foreground one (a child of the launching program's window) is
    // still raised, once a frame.
    DWORD now = ::GetTickCount();
    if (m_bFrontChecked && now - m_dwFrontChecked < kFrameMs) return;
    m_bFrontChecked = true;
    m_dwFrontChecked = now;
    if (InFront()) return;
    BringWindowToTop();
    SetForegroundWindow();
}

void CProgressDlg::ShowPositions() {
    // A bar paints itself on a new position.
    if (m_nOverall != m_nOverallShown) {
        m_ctlOverallBar.SetPos(m_nOverall);
        m_nOverallShown = m_nOverall;
    }
    if (m_nActivity != m_nActivityShown) {
        m_ctlActivityBar.SetPos(m_nActivity);
        m_nActivityShown = m_nActivity;
    }
}

void CProgressDlg::Redraw(bool bPresent) {
    if (bPresent || ::GetTickCount() - m_dwLastPresent >= kFrameMs) Present();
}

void CProgressDlg::Present() {
    ShowPositions();
    UpdateWindow();
    m_dwLastPresent = ::GetTickCount();
    // Looking at the queue is enough for the drawing to reach the screen;
    // nothing is removed or dispatched, so input waits as it would without
    // a message loop.
    MSG msg;
    ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_NOYIELD);
}
