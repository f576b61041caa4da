// The installation level check's rules: where the tax-form application's
// definition file is looked for, and what its level value means.
// Platform-free; CBreakdownApp::CheckProgramLevel does the file work.
#ifndef APP_PROGRAM_LEVEL_H
#define APP_PROGRAM_LEVEL_H

#include <string>

namespace level {

extern const char kDefinitionFile[];  // "OrvaneDef.ini"
extern const char kSection[];         // "ProgramLevel"
extern const char kKey[];             // "KX13_U"
extern const char kDefault[];         // "1": a missing key reads as too low a level
enum { kValueSize = 16, kAcceptedLevel = 3 };

// The definition file beside pszDir (the current folder). A backslash is
// added unless the folder already ends with one of its own; a final trail
// byte 0x5C (表) is no backslash. An empty folder gives the bare file name.
std::string DefinitionPath(const char* pszDir);

// Level code of the value read: -1 empty, 0 level 3 (accepted), 1 lower,
// 2 higher. The value is read as atoi does ("03", " 3" and "3abc" are 3,
// letters are 0).
int CodeFromValue(const char* pszValue);

// The message for a code, or null for 0 (and any code not in the table).
// The texts keep the token ES_APRPACKAGENAME for the connection library.
const char* MessageForCode(int nCode);

}  // namespace level

#endif
