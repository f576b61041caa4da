// The dialog driver; see dialog_driver.h.
#include "tests/dialog/dialog_driver.h"

#include <atomic>
#include <cstring>
#include <deque>
#include <mutex>
#include <set>
#include <thread>

#include "res/resource.h"

namespace drive {

namespace {

const char kBoxCaption[] = "科目内訳書";
const char kDialogCaption[] = "科目内訳書 - 集計条件";
const char kFileDialogCaption[] = "保存ファイルを指定";
const int kFileNameCombo = 0x47C;  // cmb13, the file name of the save dialog

std::mutex g_mu;
std::vector<Box> g_boxes;
std::deque<int> g_answers;
std::string g_filePath;
FileDialogSeen g_fileSeen;
std::set<HWND> g_seen;
DWORD g_mainThread = 0;
volatile LONG g_mods = 0;
std::atomic<bool> g_modalDone{false};

char KindOf(HWND box) {
    if (::GetDlgItem(box, IDYES) != nullptr) return 'Q';
    // The icon static is 0x14 on Windows and stc1 (0x440) in Wine.
    HICON icon = (HICON)::SendDlgItemMessageA(box, 0x14, STM_GETICON, 0, 0);
    if (icon == nullptr) icon = (HICON)::SendDlgItemMessageA(box, 0x440, STM_GETICON, 0, 0);
    if (icon != nullptr && icon == ::LoadIcon(nullptr, IDI_EXCLAMATION)) return 'W';
    if (icon != nullptr && icon == ::LoadIcon(nullptr, IDI_INFORMATION)) return 'I';
    return '?';
}

LRESULT CALLBACK CbtProc(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_ACTIVATE) {
        HWND h = (HWND)wp;
        char cls[64] = {}, caption[256] = {};
        ::GetClassNameA(h, cls, sizeof cls);
        ::GetWindowTextA(h, caption, sizeof caption);
        std::lock_guard<std::mutex> lock(g_mu);
        if (std::strcmp(cls, "#32770") == 0 && g_seen.insert(h).second) {
            if (std::strcmp(caption, kBoxCaption) == 0) {
                char text[1024] = {};
                ::GetDlgItemTextA(h, 0xFFFF, text, sizeof text);
                char owner[256] = {};
                ::GetWindowTextA(::GetWindow(h, GW_OWNER), owner, sizeof owner);
                Box box{caption, text, KindOf(h), std::strcmp(owner, kDialogCaption) == 0};
                int answer = IDOK;
                if (box.kind == 'Q') {
                    answer = IDNO;
                    if (!g_answers.empty()) {
                        answer = g_answers.front();
                        g_answers.pop_front();
                    }
                }
                g_boxes.push_back(box);
                ::PostMessageA(h, WM_COMMAND, (WPARAM)answer, 0);
            } else if (std::strcmp(caption, kFileDialogCaption) == 0) {
                char name[MAX_PATH] = {};
                ::GetDlgItemTextA(h, kFileNameCombo, name, sizeof name);
                g_fileSeen.caption = caption;
                g_fileSeen.fileName = name;
                ++g_fileSeen.count;
                if (g_filePath.empty()) {
                    ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
                } else {
                    ::SetDlgItemTextA(h, kFileNameCombo, g_filePath.c_str());
                    ::PostMessageA(h, WM_COMMAND, IDOK, 0);
                }
            }
        }
    }
    return ::CallNextHookEx(nullptr, code, wp, lp);
}

// Gives each key the modifier state the driver asked for, in the dialog's
// own thread, where GetKeyState reads it.
LRESULT CALLBACK GetMsgProc(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && wp == PM_REMOVE) {
        MSG* msg = (MSG*)lp;
        if (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP) {
            BYTE keys[256];
            ::GetKeyboardState(keys);
            LONG mods = msg->message == WM_KEYDOWN ? g_mods : 0;
            keys[VK_SHIFT] = (mods & SHIFT) ? 0x80 : 0;
            keys[VK_CONTROL] = (mods & CTRL) ? 0x80 : 0;
            keys[VK_MENU] = (mods & ALT) ? 0x80 : 0;
            ::SetKeyboardState(keys);
        }
    }
    return ::CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

HWND Driver::Focus() const {
    GUITHREADINFO info = {sizeof info};
    ::GetGUIThreadInfo(g_mainThread, &info);
    return info.hwndFocus;
}

std::string Driver::Text(int id) const {
    char text[1024] = {};
    ::SendMessageA(Item(id), WM_GETTEXT, sizeof text, (LPARAM)text);
    return text;
}

void Driver::SetText(int id, const std::string& text) { ::SendMessageA(Item(id), WM_SETTEXT, 0, (LPARAM)text.c_str()); }

void Driver::Key(HWND target, WPARAM vk, int mods) {
    g_mods = mods;
    ::PostMessageA(target, WM_KEYDOWN, vk, 1);
    ::PostMessageA(target, WM_KEYUP, vk, 0xC0000001);
}

void Driver::Click(int id) { ::PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)Item(id)); }

bool Driver::WaitFor(const std::function<bool()>& done) const {
    // Generous: the first file dialog of a process takes seconds under Wine.
    for (int i = 0; i < 200; ++i) {
        if (done()) return true;
        ::Sleep(50);
    }
    return done();
}

bool Driver::WaitFocus(int id) const {
    return WaitFor([&] { return Focus() == Item(id); });
}

bool Driver::WaitBoxes(size_t n) const {
    return WaitFor([&] {
        std::lock_guard<std::mutex> lock(g_mu);
        return g_boxes.size() >= n;
    });
}

bool Driver::AllSelected(int id) const {
    DWORD from = 1, to = 0;
    ::SendMessageA(Item(id), EM_GETSEL, (WPARAM)&from, (LPARAM)&to);
    return from == 0 && (to == Text(id).size() || to == (DWORD)::GetWindowTextLengthW(Item(id)));
}

bool Driver::SaveScreenshot(const std::string& path) const {
    RECT r;
    if (!::GetWindowRect(dlg, &r)) return false;
    int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = ::GetDC(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    HBITMAP bmp = ::CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = ::SelectObject(mem, bmp);
    ::BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    ::SelectObject(mem, old);
    BITMAPINFOHEADER info = {sizeof info, w, h, 1, 24, BI_RGB};
    int stride = (w * 3 + 3) & ~3;
    std::string pixels((size_t)stride * h, '\0');
    ::GetDIBits(mem, bmp, 0, (UINT)h, &pixels[0], (BITMAPINFO*)&info, DIB_RGB_COLORS);
    ::DeleteObject(bmp);
    ::DeleteDC(mem);
    ::ReleaseDC(nullptr, screen);
    BITMAPFILEHEADER file = {0x4D42, (DWORD)(sizeof file + sizeof info + pixels.size()), 0, 0,
                             (DWORD)(sizeof file + sizeof info)};
    HANDLE f = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD put = 0;
    ::WriteFile(f, &file, sizeof file, &put, nullptr);
    ::WriteFile(f, &info, sizeof info, &put, nullptr);
    ::WriteFile(f, pixels.data(), (DWORD)pixels.size(), &put, nullptr);
    ::CloseHandle(f);
    return true;
}

size_t Driver::BoxCount() const {
    std::lock_guard<std::mutex> lock(g_mu);
    return g_boxes.size();
}

void AnswerQuestions(const std::vector<int>& answers) {
    std::lock_guard<std::mutex> lock(g_mu);
    g_answers.assign(answers.begin(), answers.end());
}

void AnswerFileDialog(const std::string& path) {
    std::lock_guard<std::mutex> lock(g_mu);
    g_filePath = path;
}

Outcome Run(CConditionDlg& dlg, const std::function<void(Driver&)>& script) {
    {
        std::lock_guard<std::mutex> lock(g_mu);
        g_boxes.clear();
        g_seen.clear();
        g_fileSeen = FileDialogSeen();
    }
    g_mainThread = ::GetCurrentThreadId();
    g_modalDone = false;
    HHOOK cbt = ::SetWindowsHookExA(WH_CBT, CbtProc, nullptr, g_mainThread);
    HHOOK getMsg = ::SetWindowsHookExA(WH_GETMESSAGE, GetMsgProc, nullptr, g_mainThread);

    std::thread driver([&] {
        Driver d;
        // The dialog window, once it is shown (or gone again at once).
        for (int i = 0; i < 100 && d.dlg == nullptr && !g_modalDone; ++i) {
            d.dlg = ::FindWindowA("#32770", kDialogCaption);
            if (d.dlg == nullptr) ::Sleep(50);
        }
        if (d.dlg == nullptr) return;
        d.WaitFor([&] { return ::IsWindowVisible(d.dlg) != FALSE; });
        script(d);
        if (!d.WaitFor([&] { return d.Ended(); })) {
            AnswerQuestions({});
            d.Click(IDC_CANCEL_BUTTON);
        }
    });
    Outcome out;
    out.result = dlg.DoModal();
    g_modalDone = true;
    driver.join();
    ::UnhookWindowsHookEx(cbt);
    ::UnhookWindowsHookEx(getMsg);
    std::lock_guard<std::mutex> lock(g_mu);
    out.boxes = g_boxes;
    out.fileDialog = g_fileSeen;
    g_answers.clear();
    g_filePath.clear();
    return out;
}

std::vector<std::string> Texts(const std::vector<Box>& boxes) {
    std::vector<std::string> texts;
    for (const Box& b : boxes) texts.push_back(b.text);
    return texts;
}

}  // namespace drive
