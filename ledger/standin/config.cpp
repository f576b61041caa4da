// ledger.ini beside the program, and the environment over it.
#include "ledger/standin/config.h"

#include <windows.h>

#include "fw/sjis.h"

namespace ledger {

namespace {

// The variable in the program's code page. Read as UTF-16 and converted
// here: Wine's GetEnvironmentVariableA counts double-byte text in
// characters and cuts its end off.
bool ReadEnv(const char* name, std::string* pValue) {
    wchar_t wname[64], wbuf[2048];
    if (!MultiByteToWideChar(CP_ACP, 0, name, -1, wname, 64)) return false;
    DWORD n = GetEnvironmentVariableW(wname, wbuf, 2048);
    if (n == 0 || n >= 2048) return false;
    char buf[4096];
    int len = WideCharToMultiByte(CP_ACP, 0, wbuf, (int)n, buf, sizeof buf, nullptr, nullptr);
    if (len <= 0) return false;
    pValue->assign(buf, len);
    return true;
}

std::string Read(const std::string& ini, const char* key, const char* env) {
    std::string value;
    if (ReadEnv(env, &value)) return value;
    char buf[2048];
    // A full path: with a bare name the profile functions look in the Windows folder.
    GetPrivateProfileStringA("Ledger", key, "", buf, sizeof buf, ini.c_str());
    return std::string(buf);
}

}  // namespace

std::string ProgramFolder() {
    char path[MAX_PATH + 1] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return std::string();
    long slash = sjis::FindLastChar(path, '\\');
    return std::string(path, slash >= 0 ? (size_t)slash + 1 : 0);
}

Config ReadConfig() {
    std::string ini = ProgramFolder() + "ledger.ini";
    Config c;
    c.connection = Read(ini, "Connection", "LEDGER_CONNECTION");
    c.user = Read(ini, "User", "LEDGER_USER");
    c.outputFolder = Read(ini, "OutputFolder", "LEDGER_OUTPUT_FOLDER");
    c.settingsFolder = Read(ini, "SettingsFolder", "LEDGER_SETTINGS_FOLDER");
    c.packageName = Read(ini, "PackageName", "LEDGER_PACKAGE_NAME");
    return c;
}

}  // namespace ledger
