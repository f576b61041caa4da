// Splitting the program name off the command line.
#include "fw/cmdline.h"

namespace fw {

const char* SkipProgramName(const char* p) {
    if (p == nullptr) return "";
    if (*p == '"') {
        ++p;
        while (*p != '\0' && *p != '"') ++p;
        if (*p == '"') ++p;
    } else {
        while (*p != '\0' && *p != ' ' && *p != '\t') ++p;
    }
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

}  // namespace fw
