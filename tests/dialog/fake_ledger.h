// The accounting library calls of the dialog and the level check, answered
// by the test: folders, consumption-tax settings and the message display.
#ifndef TESTS_DIALOG_FAKE_LEDGER_H
#define TESTS_DIALOG_FAKE_LEDGER_H

#include <windows.h>

#include <string>
#include <vector>

namespace fake {

struct DispCall {
    HWND owner;
    std::string text, caption;
    UINT type;
};

extern std::string outputFolder;    // folder type 0
extern std::string settingsFolder;  // folder type 1
extern long shohizeiResult;         // result of ClSetShohizei::Get
extern char komiNyuryoku;           // byte 5 of the settings it fills
extern std::string curDataID;       // what SetCurDataID was given
extern std::vector<DispCall> dispCalls;

void Reset();

}  // namespace fake

#endif
