// Reading the launch arguments.
#include "app/launch_args.h"

#include <cstdlib>
#include <cstring>
#include <string>

int ParseLaunchArgs(const char* pszText, LaunchArgs* pArgs) {
    if (pszText == nullptr || *pszText == '\0') return 0;
    // Fields 1 to 3 are numbers: only their leading part matters, so each is
    // converted from a copy cut at its comma.
    const char* field = pszText;
    const char* comma = std::strchr(field, ',');
    if (comma == nullptr) return 0;
    pArgs->llHostWnd = std::atoll(std::string(field, comma).c_str());

    field = comma + 1;
    comma = std::strchr(field, ',');
    if (comma == nullptr) return 0;
    pArgs->uHostMsg = (uint32_t)std::atol(std::string(field, comma).c_str());

    field = comma + 1;
    comma = std::strchr(field, ',');
    if (comma == nullptr) return 0;
    pArgs->nFunctionID = (int16_t)(uint16_t)std::atoi(std::string(field, comma).c_str());

    if (comma[1] != '\0') pArgs->strPath = comma + 1;
    return 1;
}
