// Tax-form application simulator: opens a window, starts a component with
// the four launch fields (this window, a message number, a function
// identifier and optionally an output path), keeps pumping messages while
// the component runs, and reports what it saw:
//
//   hostsim [--msg N] [--func N] [--path TEXT] [--args TEXT] [--timeout S]
//           COMPONENT.exe
//
// --args replaces the launch text; "%HWND%" in it stands for the window.
// Output, one item per line:
//   window=<handle>
//   disabled_while_running=0|1
//   enabled_after=0|1
//   message=none | message=<n> wparam=<32-bit hex> lparam=<n>
//   exit=<component exit code> | exit=timeout
// Exit status: 0 when the component ran, 2 on a usage or start error.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Seen {
    UINT msg = 0;
    bool got = false;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    UINT expected = 0;
};
Seen g_seen;
// EnableWindow sends WM_ENABLE and waits for it: a disabling is seen
// however short it was.
bool g_disabled = false;

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ENABLE && !wParam) g_disabled = true;
    if (msg == g_seen.expected && msg >= WM_USER && !g_seen.got) {
        g_seen.got = true;
        g_seen.msg = msg;
        g_seen.wParam = wParam;
        g_seen.lParam = lParam;
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void Pump() {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        // A posted message to the window goes through its procedure; one
        // posted with a null window is looked at here.
        if (m.hwnd == nullptr && m.message == g_seen.expected && !g_seen.got) {
            g_seen.got = true;
            g_seen.msg = m.message;
            g_seen.wParam = m.wParam;
            g_seen.lParam = m.lParam;
            continue;
        }
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

}  // namespace

int main(int argc, char** argv) {
    long msgNo = 32769, func = 5, timeout = 120;
    const char* path = "";
    const char* rawArgs = nullptr;
    const char* component = nullptr;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--msg" && i + 1 < argc) msgNo = std::atol(argv[++i]);
        else if (a == "--func" && i + 1 < argc) func = std::atol(argv[++i]);
        else if (a == "--path" && i + 1 < argc) path = argv[++i];
        else if (a == "--args" && i + 1 < argc) rawArgs = argv[++i];
        else if (a == "--timeout" && i + 1 < argc) timeout = std::atol(argv[++i]);
        else component = argv[i];
    }
    if (component == nullptr) {
        std::fprintf(stderr, "usage: hostsim [--msg N] [--func N] [--path TEXT] [--args TEXT] [--timeout S] COMPONENT.exe\n");
        return 2;
    }
    g_seen.expected = (UINT)msgNo;

    WNDCLASSA wc = {};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "HostSimWindow";
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowA("HostSimWindow", "HostSim", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 480, 320,
                              nullptr, nullptr, wc.hInstance, nullptr);
    if (hwnd == nullptr) {
        std::fprintf(stderr, "hostsim: cannot create the window\n");
        return 2;
    }
    Pump();

    char handle[32];
    std::snprintf(handle, sizeof handle, "%ld", (long)(intptr_t)hwnd);
    std::string args;
    if (rawArgs != nullptr) {
        args = rawArgs;
        size_t at = args.find("%HWND%");
        if (at != std::string::npos) args.replace(at, 6, handle);
    } else {
        char fields[64];
        std::snprintf(fields, sizeof fields, "%s,%ld,%ld,", handle, msgNo, func);
        args = std::string(fields) + path;
    }
    std::string cmd = std::string("\"") + component + "\" " + args;
    std::printf("window=%s\n", handle);

    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string buf = cmd;
    if (!CreateProcessA(nullptr, &buf[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        std::fprintf(stderr, "hostsim: cannot start %s (%lu)\n", component, GetLastError());
        return 2;
    }
    CloseHandle(pi.hThread);

    bool disabled = false;
    DWORD start = GetTickCount();
    bool timedOut = false;
    for (;;) {
        DWORD r = MsgWaitForMultipleObjects(1, &pi.hProcess, FALSE, 20, QS_ALLINPUT);
        Pump();
        if (!IsWindowEnabled(hwnd) || g_disabled) disabled = true;
        if (r == WAIT_OBJECT_0) break;
        if (GetTickCount() - start > (DWORD)timeout * 1000) {
            timedOut = true;
            break;
        }
    }
    // The result is posted just before the component ends; collect it.
    for (int i = 0; i < 10; ++i) {
        Pump();
        Sleep(20);
    }
    std::printf("disabled_while_running=%d\n", disabled || g_disabled ? 1 : 0);
    std::printf("enabled_after=%d\n", IsWindowEnabled(hwnd) ? 1 : 0);
    if (g_seen.got)
        std::printf("message=%u wparam=%08lx lparam=%ld\n", g_seen.msg, (unsigned long)(DWORD)g_seen.wParam,
                    (long)g_seen.lParam);
    else
        std::printf("message=none\n");
    if (timedOut) {
        std::printf("exit=timeout\n");
        TerminateProcess(pi.hProcess, 1);
    } else {
        DWORD code = 0;
        GetExitCodeProcess(pi.hProcess, &code);
        std::printf("exit=%lu\n", code);
    }
    std::fflush(stdout);
    CloseHandle(pi.hProcess);
    DestroyWindow(hwnd);
    return 0;
}
