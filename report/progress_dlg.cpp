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
    m_nShownOverall = -1;  // painted by the bar itself unless held
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
        HoldBars();
        m_ctlOverallBar.OffsetPos(1);
        Pulse();
        // The last step of a span always reaches the screen, so the window
        // never stays behind while the caller works on.
        Redraw(v == nTo);
    }
}

void CProgressDlg::Pulse() {
    HoldBars();
    m_ctlActivityBar.SetRange(0, 5);
    m_ctlActivityBar.SetStep(1);
    m_ctlActivityBar.SetPos(0);
    for (int i = 0; i < 6; ++i) {
        m_ctlActivityBar.OffsetPos(1);
        BringToFront();
        Redraw(false);
    }
}

void CProgressDlg::Finish() {
    EndDialog(IDOK);
    if (m_bBarsHeld) {
        m_ctlOverallBar.SendMessage(WM_SETREDRAW, TRUE);
        m_ctlActivityBar.SendMessage(WM_SETREDRAW, TRUE);
        m_bBarsHeld = false;
    }
}

bool CProgressDlg::InFront() const {
    return ::GetForegroundWindow() == m_hWnd && ::GetWindow(m_hWnd, GW_HWNDPREV) == nullptr;
}

void CProgressDlg::BringToFront() {
    // Asking again costs trips to the window server.
    if (InFront()) return;
    // A window that cannot become the foreground one (a child of the
    // launching program's window) is still raised, but once a frame: more
    // often would change nothing on the screen.
    DWORD now = ::GetTickCount();
    if (m_bPullFailed && now - m_dwPullFailed < kFrameMs) return;
    BringWindowToTop();
    SetForegroundWindow();
    m_bPullFailed = !InFront();
    m_dwPullFailed = now;
}

// A progress bar paints itself at once on every change of position, which
// costs far more than the change: a sweep would paint six times per unit of
// work although the screen shows at most one frame of it.
void CProgressDlg::HoldBars() {
    if (m_bBarsHeld) return;
    m_ctlOverallBar.SendMessage(WM_SETREDRAW, FALSE);
    m_ctlActivityBar.SendMessage(WM_SETREDRAW, FALSE);
    m_bBarsHeld = true;
}

// Between frames nothing of the window is painted: the held bars paint
// nothing, and a new caption paints itself when it is set. What else may
// need painting (an uncovered part) is painted with the next frame, before
// the screen could show it anyway.
void CProgressDlg::Redraw(bool bPresent) {
    if (bPresent || ::GetTickCount() - m_dwLastPresent >= kFrameMs) Present();
}

void CProgressDlg::Present() {
    if (m_bBarsHeld) {
        m_ctlOverallBar.SendMessage(WM_SETREDRAW, TRUE);
        m_ctlActivityBar.SendMessage(WM_SETREDRAW, TRUE);
        m_bBarsHeld = false;
        // Only a bar whose position moved since it was last painted.
        int overall = m_ctlOverallBar.GetPos();
        if (overall != m_nShownOverall) ::InvalidateRect(m_ctlOverallBar, nullptr, TRUE);
        int activity = m_ctlActivityBar.GetPos();
        if (activity != m_nShownActivity) ::InvalidateRect(m_ctlActivityBar, nullptr, TRUE);
        m_nShownOverall = overall;
        m_nShownActivity = activity;
    }
    UpdateWindow();
    m_dwLastPresent = ::GetTickCount();
    // Looking at the queue is enough; nothing is removed or dispatched, so
    // input waits as it would without a message loop.
    MSG msg;
    ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_NOYIELD);
}
