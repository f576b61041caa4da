// CProgressDlg: the modeless window that shows how far a run has come: an
// overall bar from 0 to 1000 per mille and an activity bar swept once per
// unit of work. No message loop runs while it is shown; every step brings it
// to the front itself.
//
// A run makes over ten thousand steps and sweeps, far more than the screen
// can show: the window keeps the bars' positions itself and hands them to
// the bars, and the bars to the screen, at most once per display frame and
// always at the end of an Advance and of a sweep. So after every call the
// bars stand where the steps put them (PBM_GETPOS) and the caption reads as
// the last step set it; only positions no frame could have shown are never
// painted.
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
    // included (the bar stops at 1000); the caption shows the percentage at
    // multiples of 10.
    void Advance(short nFrom, short nTo);
    // One sweep of the activity bar: from 0 up to 5 in six steps.
    void Pulse();
    // Hides the window.
    void Finish();

    CProgressCtrl m_ctlActivityBar;
    CProgressCtrl m_ctlOverallBar;

    // Steps of Advance and sweeps of Pulse made so far: how the run drove
    // the window, for those who check it.
    int m_nSteps = 0;
    int m_nSweeps = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // The foreground window, with nothing above it among its siblings.
    bool InFront() const;
    void BringToFront();
    // Gives the bars the positions they do not show yet.
    void ShowPositions();
    void Redraw(bool bPresent);
    void Present();

    int m_nOverall = 0;          // where the steps put the overall bar
    int m_nOverallMax = 100;     // its range's end (a bar's default until Reset)
    int m_nOverallShown = -1;    // what the bar was last given
    int m_nActivity = 0;
    int m_nActivityShown = -1;
    bool m_bActivityReady = false;  // range 0 to 5 and step 1 given
    DWORD m_dwLastPresent = 0;   // tick of the last hand-over to the screen
    bool m_bFrontChecked = false;  // where the window stands was last
    DWORD m_dwFrontChecked = 0;    // looked at (and mended) at this tick
};

#endif
