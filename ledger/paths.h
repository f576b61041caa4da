// Folder library of the accounting application.
#ifndef LEDGER_PATHS_H
#define LEDGER_PATHS_H

class ClFileMgr {
public:
    enum {
        FOLDER_OUTPUT = 0,      // default output folder
        FOLDER_SETTINGS = 1,    // settings folder of the linked programs
    };
    static ClFileMgr* Inst();
    // Never null: empty, or a folder path ending with a backslash.
    const char* GetAppFolderPath(int type);
};

#endif
