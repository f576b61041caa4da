// The stand-in folder library: folders from the configuration.
#include "ledger/paths.h"

#include <cstring>
#include <string>

#include "fw/sjis.h"
#include "ledger/standin/config.h"

ClFileMgr* ClFileMgr::Inst() {
    static ClFileMgr mgr;
    return &mgr;
}

const char* ClFileMgr::GetAppFolderPath(int type) {
    // One buffer per folder type, valid until the next call for that type.
    static char folders[2][261];
    if (type != FOLDER_OUTPUT && type != FOLDER_SETTINGS) return "";
    ledger::Config config = ledger::ReadConfig();
    std::string path = type == FOLDER_OUTPUT ? config.outputFolder : config.settingsFolder;
    if (!path.empty() && !sjis::EndsWithBackslash(path.c_str())) path += '\\';
    char* out = folders[type];
    if (path.size() > 260) path.clear();  // no folder rather than a cut one
    std::memcpy(out, path.c_str(), path.size() + 1);
    return out;
}
