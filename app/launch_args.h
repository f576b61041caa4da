// Launch arguments: "window,message,function,path" as the tax-form
// application passes them. Platform-free.
#ifndef APP_LAUNCH_ARGS_H
#define APP_LAUNCH_ARGS_H

#include <cstdint>
#include <string>

struct LaunchArgs {
    long long llHostWnd = 0;   // window handle, as the decimal number given
    uint32_t uHostMsg = 0;
    int16_t nFunctionID = 1;
    std::string strPath;       // set only when the fourth field is not empty
};

// Reads the argument text into *pArgs field by field: a field is stored as
// soon as its comma is found, so text that fails later leaves the fields
// before in place. Returns 1 when all three commas are there (host mode).
// Numbers convert as atol/atoi do (blanks, sign, digits up to the first
// other character; no digits give 0); the function identifier keeps 16 bits.
// The fourth field is taken unchanged, commas included. Text of any length
// is read; nothing is copied into a fixed buffer.
int ParseLaunchArgs(const char* pszText, LaunchArgs* pArgs);

#endif
