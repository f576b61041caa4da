// Configuration of the stand-in library: ledger.ini in the running
// program's folder, section [Ledger], each key overridden by an environment
// variable (see README.md in this folder). Windows only.
#ifndef LEDGER_STANDIN_CONFIG_H
#define LEDGER_STANDIN_CONFIG_H

#include <string>

namespace ledger {

struct Config {
    std::string connection;      // Connection / LEDGER_CONNECTION: ODBC connection string
    std::string user;            // User / LEDGER_USER: logged-in user's ID
    std::string outputFolder;    // OutputFolder / LEDGER_OUTPUT_FOLDER: folder type 0
    std::string settingsFolder;  // SettingsFolder / LEDGER_SETTINGS_FOLDER: folder type 1
    std::string packageName;     // PackageName / LEDGER_PACKAGE_NAME: replaces ES_APRPACKAGENAME
};

// Read afresh on every call; an absent key or file gives an empty value.
Config ReadConfig();

// The folder of the running program file, ending with a backslash.
std::string ProgramFolder();

}  // namespace ledger

#endif
