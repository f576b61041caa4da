// The installation level value as read from the definition file (at most
// 15 bytes), and the folder the file is looked for in: any bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/program_level.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::string value = text.substr(0, 15);
    int code = level::CodeFromValue(value.c_str());
    if (code < -1 || code > 2) std::abort();
    if (code != 0 && level::MessageForCode(code) == nullptr) std::abort();
    level::DefinitionPath(text.c_str());
    return 0;
}
