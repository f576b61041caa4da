// Files and folders for the Windows tests; see test_files.h.
#include "tests/dialog/test_files.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdlib>

namespace files {

namespace {

void RemoveTree(const std::string& dir) {
    // The shell's delete takes a list closed by an empty name.
    std::string from = dir.substr(0, dir.size() - 1) + '\0';
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NO_UI;
    ::SHFileOperationA(&op);
}

}  // namespace

std::string Fresh(const std::string& name) {
    ::CreateDirectoryA("C:\\dlgtest", nullptr);
    std::string dir = "C:\\dlgtest\\" + name + "\\";
    RemoveTree(dir);
    ::CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

bool Write(const std::string& path, const std::string& bytes) {
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD put = 0;
    BOOL ok = ::WriteFile(h, bytes.data(), (DWORD)bytes.size(), &put, nullptr);
    ::CloseHandle(h);
    return ok && put == bytes.size();
}

std::string Read(const std::string& path) {
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes;
    char buf[4096];
    DWORD got = 0;
    while (::ReadFile(h, buf, sizeof buf, &got, nullptr) && got > 0) bytes.append(buf, got);
    ::CloseHandle(h);
    return bytes;
}

bool IsDir(const std::string& path) {
    DWORD a = ::GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string BuildDir() {
    const char* b = std::getenv("BL_BINARY_DIR");
    std::string s = b ? b : "";
    for (char& c : s)
        if (c == '/') c = '\\';
    return "Z:" + s + "\\";
}

}  // namespace files
