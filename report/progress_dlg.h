// CProgressDlg: the modeless window that shows how far a run has come: an
// overall bar from 0 to 1000 per mille and an activity bar swept once per
// unit of work. No message loop runs while it is shown; every step brings it
// to the front itself, and what changed reaches the screen at most once per
// display frame and always at the end of an Advance. Bar positions and the
// caption are exact after every call (PBM_GETPOS, GetWindowText); between
// frames the bars are held from painting (WM_SETREDRAW, so IsWindowVisible
// on a bar may be false until the next frame or Finish).
#ifndef REPORT_PROGRESS_DLG_H
#define REPORT_PROGRESS_DLG_H

#include "fw/controls.h"
#include "fw/dialog.h"

class CProgressDlg : public CDialog {
public:
    explicit CProgressDlg(CWnd* pParent = nullptr);
    ~CProgressDlg() override;

    // Overall bar: range 0 to 1000, step 1, position 0.
    void Reset();
    // One step of the overall bar for every value from nFrom to nTo, both
    // included; the caption shows the percentage at multiples of 10.
    void Advance(short nFrom, short nTo);
    // One sweep of the activity bar.
    void Pulse();
    // Hides the window.
    void Finish();

    CProgressCtrl m_ctlActivityBar;
    CProgressCtrl m_ctlOverallBar;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // The foreground window, with nothing above it among its siblings.
    bool InFront() const;
    void BringToFront();
    void HoldBars();
    void Redraw(bool bPresent);
    void Present();

    // Between frames the bars take their positions without painting; the
    // screen gets the result at most once per frame.
    bool m_bBarsHeld = false;
    int m_nShownOverall = -1;   // bar positions last painted
    int m_nShownActivity = -1;
    DWORD m_dwLastPresent = 0;  // tick of the last hand-over to the screen
    bool m_bPullFailed = false; // the last pull to the front left another
    DWORD m_dwPullFailed = 0;   // window in the foreground, at this tick
};

#endif
