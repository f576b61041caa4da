// Control wrappers: one-line forwards named after the message they send.
// Anything rarer is a SendMessage on the handle.
#ifndef FW_CONTROLS_H
#define FW_CONTROLS_H

#include <windows.h>
#include <commctrl.h>

#include "fw/wnd.h"

class CStatic : public CWnd {};

class CButton : public CWnd {
public:
    int GetCheck() { return (int)SendMessage(BM_GETCHECK); }
    void SetCheck(int state) { SendMessage(BM_SETCHECK, (WPARAM)state); }
};

class CEdit : public CWnd {
public:
    void SetSel(int start, int end) { SendMessage(EM_SETSEL, (WPARAM)start, (LPARAM)end); }
    void LimitText(int n) { SendMessage(EM_LIMITTEXT, (WPARAM)n); }
    void ScrollCaret() { SendMessage(EM_SCROLLCARET); }
};

class CProgressCtrl : public CWnd {
public:
    void SetRange(short lower, short upper) { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(lower, upper)); }
    int SetStep(int step) { return (int)SendMessage(PBM_SETSTEP, (WPARAM)step); }
    int SetPos(int pos) { return (int)SendMessage(PBM_SETPOS, (WPARAM)pos); }
    int GetPos() { return (int)SendMessage(PBM_GETPOS); }
    int OffsetPos(int delta) { return (int)SendMessage(PBM_DELTAPOS, (WPARAM)delta); }
};

#endif
