// The program's argument text as the framework hands it to the application:
// the command line less the program's own name and the blanks after it.
// Platform-free.
#ifndef FW_CMDLINE_H
#define FW_CMDLINE_H

namespace fw {

// Skips the program name at the start of a full command line (a quoted name
// up to its closing quote, else up to the first blank) and the blanks and
// tabs after it. Returns a pointer into cmdLine.
const char* SkipProgramName(const char* cmdLine);

}  // namespace fw

#endif
