// The progress window: bar positions, caption texts and standing, as the
// aggregation and the report drive it.
#include "report/progress_dlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"

namespace {

// Captions and progress-bar messages sent to the windows of this thread.
struct Recorder {
    static std::vector<std::string> captions;
    static std::vector<std::pair<UINT, WPARAM>> activity;
    static HWND dialog;
    static HWND activityBar;

    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const CWPSTRUCT* m = (const CWPSTRUCT*)lParam;
        if (code == HC_ACTION) {
            if (m->hwnd == dialog && m->message == WM_SETTEXT) captions.push_back((const char*)m->lParam);
            if (m->hwnd == activityBar && m->message >= PBM_SETRANGE && m->message <= PBM_SETSTEP)
                activity.push_back({m->message, m->wParam});
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
};
std::vector<std::string> Recorder::captions;
std::vector<std::pair<UINT, WPARAM>> Recorder::activity;
HWND Recorder::dialog;
HWND Recorder::activityBar;

class ProgressTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dlg.Create(IDD_PROGRESS, nullptr));
        m_dlg.ShowWindow(SW_SHOW);
        m_dlg.Reset();
        Recorder::dialog = m_dlg.m_hWnd;
        Recorder::activityBar = m_dlg.m_ctlActivityBar.m_hWnd;
        Recorder::captions.clear();
        Recorder::activity.clear();
        m_hook = ::SetWindowsHookExA(WH_CALLWNDPROC, Recorder::Hook, nullptr, ::GetCurrentThreadId());
        ASSERT_NE(nullptr, m_hook);
    }
    void TearDown() override { ::UnhookWindowsHookEx(m_hook); }

    std::string Caption() { return std::string(m_dlg.GetWindowText()); }

    CProgressDlg m_dlg;
    HHOOK m_hook = nullptr;
};

TEST_F(ProgressTest, IsAHiddenTopLevelPopupWithTwoBars) {
    CProgressDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_PROGRESS, nullptr));
    LONG style = ::GetWindowLongA(dlg, GWL_STYLE);
    EXPECT_EQ((LONG)(WS_POPUP | WS_CAPTION), style & (WS_POPUP | WS_CAPTION | WS_CHILD));
    EXPECT_EQ(0, style & (WS_SYSMENU | WS_VISIBLE));
    EXPECT_EQ(nullptr, ::GetParent(dlg));
    EXPECT_EQ(::GetDesktopWindow(), ::GetAncestor(dlg, GA_PARENT));
    EXPECT_EQ("集計中", std::string(dlg.GetWindowText()));
    EXPECT_EQ(dlg.GetDlgItem(IDC_OVERALL_BAR), dlg.m_ctlOverallBar.m_hWnd);
    EXPECT_EQ(dlg.GetDlgItem(IDC_ACTIVITY_BAR), dlg.m_ctlActivityBar.m_hWnd);
    EXPECT_NE(nullptr, dlg.m_ctlOverallBar.m_hWnd);
    dlg.Finish();
    EXPECT_FALSE(::IsWindowVisible(dlg));
    EXPECT_TRUE(::IsWindow(dlg));
}

TEST_F(ProgressTest, AdvanceStepsOncePerValueAndCaptionsEveryTenth) {
    m_dlg.Advance(500, 600);
    EXPECT_EQ(101, m_dlg.m_ctlOverallBar.GetPos());
    std::vector<std::string> expected;
    for (int n = 50; n <= 60; ++n) expected.push_back("集計中 " + std::to_string(n) + "％");
    EXPECT_EQ(expected, Recorder::captions);

    Recorder::captions.clear();
    Recorder::activity.clear();
    m_dlg.Advance(605, 603);
    EXPECT_EQ(101, m_dlg.m_ctlOverallBar.GetPos());
    EXPECT_TRUE(Recorder::captions.empty());
    EXPECT_TRUE(Recorder::activity.empty());
    EXPECT_EQ("集計中 60％", Caption());
}

TEST_F(ProgressTest, WholeRunStopsTheBarAtItsEnd) {
    const short spans[][2] = {{0, 100}, {100, 300}, {300, 400}, {400, 500}, {500, 600}, {600, 700}, {700, 1000}};
    for (const auto& s : spans) m_dlg.Advance(s[0], s[1]);
    EXPECT_EQ(1000, m_dlg.m_ctlOverallBar.GetPos());
    EXPECT_EQ("集計中 100％", Caption());
    // Every percentage from 0 to 100 was shown, in order.
    ASSERT_EQ(101u, Recorder::captions.size());
    EXPECT_EQ("集計中 0％", Recorder::captions.front());
    EXPECT_EQ("集計中 100％", Recorder::captions.back());
    // 1007 steps, each with a full sweep of the activity bar.
    EXPECT_EQ(1007, m_dlg.m_nSteps);
    EXPECT_EQ(1007, m_dlg.m_nSweeps);
    EXPECT_EQ(5, m_dlg.m_ctlActivityBar.GetPos());
}

TEST_F(ProgressTest, PulseSweepsFromZeroToFiveAndKeepsTheWindowInFront) {
    HWND other = ::CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                   nullptr, nullptr);
    ::SetForegroundWindow(other);
    m_dlg.Pulse();
    EXPECT_EQ(5, m_dlg.m_ctlActivityBar.GetPos());
    EXPECT_EQ(m_dlg.m_hWnd, ::GetForegroundWindow());
    m_dlg.Pulse();
    EXPECT_EQ(5, m_dlg.m_ctlActivityBar.GetPos());
    EXPECT_EQ(2, m_dlg.m_nSweeps);
    // The bar's range is the sweep's.
    PBRANGE range = {};
    m_dlg.m_ctlActivityBar.SendMessage(PBM_GETRANGE, FALSE, (LPARAM)&range);
    EXPECT_EQ(0, range.iLow);
    EXPECT_EQ(5, range.iHigh);
    ::DestroyWindow(other);
}

// Launched by the tax-form application, the window is a child of that
// application's window: it cannot be the foreground window itself, but each
// pulse keeps it above its siblings.
TEST(ProgressHostTest, ChildOfTheHostWindowStaysAboveItsSiblings) {
    HWND host = ::CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 300, nullptr,
                                  nullptr, nullptr, nullptr);
    CProgressDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_PROGRESS, nullptr));
    ::SetParent(dlg, host);
    dlg.ShowWindow(SW_SHOW);
    dlg.Reset();
    HWND sibling = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 600, 300, host, nullptr,
                                     nullptr, nullptr);
    ::SetWindowPos(sibling, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ASSERT_EQ(sibling, ::GetWindow(host, GW_CHILD));
    dlg.Pulse();
    EXPECT_EQ(host, ::GetAncestor(dlg, GA_PARENT));
    EXPECT_EQ(dlg.m_hWnd, ::GetWindow(host, GW_CHILD));
    EXPECT_EQ(5, dlg.m_ctlActivityBar.GetPos());
    dlg.Advance(0, 20);
    EXPECT_EQ(21, dlg.m_ctlOverallBar.GetPos());
    EXPECT_EQ("集計中 2％", std::string(dlg.GetWindowText()));
    ::DestroyWindow(host);
}

// Bars held from painting between frames are shown again, at their true
// positions, when a span ends.
TEST(ProgressCostTest, AfterManyPulsesTheEndOfASpanIsShown) {
    CProgressDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_PROGRESS, nullptr));
    dlg.ShowWindow(SW_SHOW);
    dlg.Reset();
    DWORD start = ::GetTickCount();
    for (int i = 0; i < 2000; ++i) dlg.Pulse();
    DWORD elapsed = ::GetTickCount() - start;
    // A figure for the record; speed is measured by the benchmark.
    RecordProperty("pulses_2000_ms", (int)elapsed);
    dlg.Advance(0, 10);
    EXPECT_TRUE(::IsWindowVisible(dlg.m_ctlOverallBar));
    EXPECT_TRUE(::IsWindowVisible(dlg.m_ctlActivityBar));
    EXPECT_EQ(11, dlg.m_ctlOverallBar.GetPos());
}

}  // namespace
