// Drives a run of the component as a person at the keyboard would, for
// machines where nobody can: waits for the conditions dialog, types the
// output file name into the path, executes with F12 and answers every
// message box with its default button, saving screenshots of the dialog,
// the progress window and the final message on the way.
//
//   driver [--path FILE] [--shots DIR] [--timeout S] COMPONENT.exe [ARGS]
//
// Prints the text of each message box it answered, and the component's
// exit code. Exit status 0 when the component ended by itself.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char kDialogCaption[] = "科目内訳書 - 集計条件";
const char kBoxCaption[] = "科目内訳書";
const char kProgressCaption[] = "集計中";

struct Find {
    DWORD pid;
    const char* caption;
    bool prefix;
    HWND found;
};

BOOL CALLBACK FindTop(HWND hwnd, LPARAM lp) {
    Find* f = (Find*)lp;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != f->pid || !IsWindowVisible(hwnd)) return TRUE;
    char text[256] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    bool match = f->prefix ? std::strncmp(text, f->caption, std::strlen(f->caption)) == 0
                           : std::strcmp(text, f->caption) == 0;
    if (match) {
        f->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindWindowOf(DWORD pid, const char* caption, bool prefix = false) {
    Find f = {pid, caption, prefix, nullptr};
    EnumWindows(FindTop, (LPARAM)&f);
    return f.found;
}

// Saves the whole screen as a 24-bit BMP.
void Screenshot(const std::string& dir, const char* name) {
    if (dir.empty()) return;
    HDC screen = GetDC(nullptr);
    int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    BITMAPINFOHEADER bi = {};
    bi.biSize = sizeof bi;
    bi.biWidth = w;
    bi.biHeight = h;
    bi.biPlanes = 1;
    bi.biBitCount = 24;
    DWORD stride = ((DWORD)w * 3 + 3) & ~3u;
    std::string pixels((size_t)stride * (size_t)h, '\0');
    GetDIBits(mem, bmp, 0, (UINT)h, &pixels[0], (BITMAPINFO*)&bi, DIB_RGB_COLORS);
    BITMAPFILEHEADER bf = {};
    bf.bfType = 0x4D42;
    bf.bfOffBits = sizeof bf + sizeof bi;
    bf.bfSize = bf.bfOffBits + (DWORD)pixels.size();
    std::string path = dir + "\\" + name + ".bmp";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f) {
        std::fwrite(&bf, sizeof bf, 1, f);
        std::fwrite(&bi, sizeof bi, 1, f);
        std::fwrite(pixels.data(), 1, pixels.size(), f);
        std::fclose(f);
    }
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
}

std::string BoxText(HWND box) {
    char text[1024] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    const char* path = nullptr;
    std::string shots;
    long timeout = 300;
    std::string cmd;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (cmd.empty() && a == "--path" && i + 1 < argc) path = argv[++i];
        else if (cmd.empty() && a == "--shots" && i + 1 < argc) shots = argv[++i];
        else if (cmd.empty() && a == "--timeout" && i + 1 < argc) timeout = std::atol(argv[++i]);
        else cmd += (cmd.empty() ? "\"" + a + "\"" : " " + a);
    }
    if (cmd.empty()) {
        std::fprintf(stderr, "usage: driver [--path FILE] [--shots DIR] [--timeout S] COMPONENT.exe [ARGS]\n");
        return 2;
    }
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        std::fprintf(stderr, "driver: cannot start %s\n", cmd.c_str());
        return 2;
    }
    WaitForInputIdle(pi.hProcess, 10000);

    bool executed = false, progressShot = false;
    DWORD start = GetTickCount();
    for (;;) {
        if (WaitForSingleObject(pi.hProcess, 10) == WAIT_OBJECT_0) break;
        if (GetTickCount() - start > (DWORD)timeout * 1000) {
            std::fprintf(stderr, "driver: timed out\n");
            TerminateProcess(pi.hProcess, 1);
            return 1;
        }
        // The progress window is shot once its overall bar is well under
        // way, so that it has been drawn.
        HWND progress = progressShot ? nullptr : FindWindowOf(pi.dwProcessId, kProgressCaption, true);
        if (progress && SendMessageA(GetDlgItem(progress, 1016), PBM_GETPOS, 0, 0) >= 200) {
            Sleep(100);
            Screenshot(shots, "progress");
            progressShot = true;
        }
        HWND box = FindWindowOf(pi.dwProcessId, kBoxCaption);
        if (box) {
            Sleep(200);
            std::string text = BoxText(box);
            std::printf("message: %s\n", text.c_str());
            std::fflush(stdout);
            Screenshot(shots, executed ? "message" : "message-before-run");
            // The default button: OK, or Yes for a question.
            HWND yes = GetDlgItem(box, IDYES);
            PostMessageA(box, WM_COMMAND, yes ? IDYES : IDOK, 0);
            Sleep(200);
            continue;
        }
        HWND dlg = executed ? nullptr : FindWindowOf(pi.dwProcessId, kDialogCaption);
        if (dlg) {
            Sleep(300);
            HWND edit = GetDlgItem(dlg, 1015);
            if (path && IsWindowEnabled(edit)) SetWindowTextA(edit, path);
            Screenshot(shots, "dialog");
            HWND focus = GetDlgItem(dlg, 1000);
            PostMessageA(focus, WM_KEYDOWN, VK_F12, 0x00580001);
            PostMessageA(focus, WM_KEYUP, VK_F12, 0xC0580001);
            executed = true;
        }
    }
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    std::printf("exit: %lu\n", code);
    return 0;
}
