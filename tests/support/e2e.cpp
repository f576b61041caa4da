// Starting programs and answering their message boxes from outside.
#include "tests/support/e2e.h"

#include <cstdio>
#include <cstdlib>
#include <thread>

namespace e2e {

std::string BinDir() {
    char buf[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, buf, MAX_PATH);
    std::string self = buf;
    // Test programs sit in <build>\tests\<area>\; the programs in <build>\bin\.
    size_t cut = self.rfind("\\tests\\");
    return self.substr(0, cut) + "\\bin\\";
}

std::string SourceDir() {
    const char* src = std::getenv("BL_SOURCE_DIR");
    std::string s = src ? src : "";
    for (char& c : s)
        if (c == '/') c = '\\';
    return "Z:" + s + "\\";
}

static void RemoveTree(const std::string& dir) {
    WIN32_FIND_DATAA fd;
    HANDLE h = ::FindFirstFileA((dir + "*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string n = fd.cFileName;
            if (n == "." || n == "..") continue;
            std::string p = dir + n;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(p + "\\");
            } else {
                ::SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(p.c_str());
            }
        } while (::FindNextFileA(h, &fd));
        ::FindClose(h);
    }
    ::RemoveDirectoryA(dir.c_str());
}

std::string FreshDir(const std::string& name) {
    std::string root = BinDir() + "..\\e2e-tmp\\";
    ::CreateDirectoryA(root.c_str(), nullptr);
    std::string dir = root + name + "\\";
    RemoveTree(dir);
    ::CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

std::string ReadBytes(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::string();
    std::string s;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    std::fclose(f);
    return s;
}

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool Copy(const std::string& from, const std::string& to) { return ::CopyFileA(from.c_str(), to.c_str(), FALSE) != 0; }

std::string InstallEdition(const std::string& dir, const std::string& edition) {
    std::string exe = dir + edition + ".exe";
    return Copy(BinDir() + edition + ".exe", exe) ? exe : std::string();
}

Result Run(const std::string& commandLine, int timeoutSeconds, const Tick& tick) {
    Result r;
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    ::CreatePipe(&readEnd, &writeEnd, &sa, 0);
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    si.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi = {};
    std::string cmd = commandLine;
    if (!::CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
        ::CloseHandle(readEnd);
        ::CloseHandle(writeEnd);
        r.exitCode = (DWORD)-1;
        return r;
    }
    ::CloseHandle(writeEnd);
    ::CloseHandle(pi.hThread);
    std::thread reader([&] {
        char buf[4096];
        DWORD n;
        while (::ReadFile(readEnd, buf, sizeof buf, &n, nullptr) && n > 0) r.out.append(buf, n);
    });
    DWORD start = ::GetTickCount();
    for (;;) {
        if (::WaitForSingleObject(pi.hProcess, 50) == WAIT_OBJECT_0) break;
        if (tick) tick(pi.dwProcessId);
        if (::GetTickCount() - start > (DWORD)timeoutSeconds * 1000) {
            r.timedOut = true;
            ::TerminateProcess(pi.hProcess, 1);
            ::WaitForSingleObject(pi.hProcess, 5000);
            break;
        }
    }
    reader.join();
    ::CloseHandle(readEnd);
    ::GetExitCodeProcess(pi.hProcess, &r.exitCode);
    ::CloseHandle(pi.hProcess);
    return r;
}

namespace {

struct EnumState {
    DWORD pid;
    std::vector<Box>* boxes;
};

BOOL CALLBACK EnumTop(HWND hwnd, LPARAM lp) {
    EnumState* st = (EnumState*)lp;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    char cls[64] = {};
    ::GetClassNameA(hwnd, cls, sizeof cls);
    bool ours = st->pid == 0 ? pid != ::GetCurrentProcessId() : pid == st->pid;
    if (!ours || std::string(cls) != "#32770" || !::IsWindowVisible(hwnd)) return TRUE;
    HWND text = ::GetDlgItem(hwnd, 0xFFFF);
    if (text == nullptr) return TRUE;
    Box b;
    b.hwnd = hwnd;
    char buf[1024] = {};
    ::GetWindowTextA(hwnd, buf, sizeof buf);
    b.caption = buf;
    ::GetWindowTextA(text, buf, sizeof buf);
    b.text = buf;
    b.buttons = ::GetDlgItem(hwnd, IDYES) ? MB_YESNO : MB_OK;
    st->boxes->push_back(b);
    return TRUE;
}

}  // namespace

std::vector<Box> Boxes(DWORD pid) {
    std::vector<Box> boxes;
    EnumState st = {pid, &boxes};
    ::EnumWindows(EnumTop, (LPARAM)&st);
    return boxes;
}

void Press(const Box& box, int id) { ::PostMessageA(box.hwnd, WM_COMMAND, (WPARAM)id, 0); }

void BoxAnswerer::operator()(DWORD pid) {
    for (const Box& b : Boxes(anyProcess ? 0 : pid)) {
        bool known = false;
        for (const Box& s : seen)
            if (s.hwnd == b.hwnd) known = true;
        if (known) continue;
        seen.push_back(b);
        Press(b, b.buttons == MB_YESNO && button == IDOK ? IDYES : button);
    }
}

std::map<std::string, std::string> KeyValues(const std::string& text) {
    std::map<std::string, std::string> kv;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t eq = line.find('=');
        if (eq != std::string::npos) kv[line.substr(0, eq)] = line.substr(eq + 1);
        pos = end + 1;
    }
    return kv;
}

void SetEnv(const char* name, const char* value) {
    ::SetEnvironmentVariableA(name, value);
    // The C runtime keeps its own copy for getenv in this process.
    std::string kv = std::string(name) + "=" + (value ? value : "");
    _putenv(kv.c_str());
}

}  // namespace e2e
