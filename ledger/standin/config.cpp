// ledger.ini beside the program, and the environment over it.
#include "ledger/standin/config.h"

#include <windows.h>

#include "fw/sjis.h"

namespace ledger {

namespace {

std::string Read(const std::string& ini, const char* key, const char* env) {
    char buf[2048];
    DWORD n = GetEnvironmentVariableA(env, buf, sizeof buf);
    if (n > 0 && n < sizeof buf) return std::string(buf, n);
    // A full path: with a bare name the profile functions look in the Windows folder.
    n = GetPrivateProfileStringA("Ledger", key, "", buf, sizeof buf, ini.c_str());
    return std::string(buf, n);
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
