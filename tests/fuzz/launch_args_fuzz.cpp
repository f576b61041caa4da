// Launch text from the tax-form application: any bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/launch_args.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    LaunchArgs args;
    ParseLaunchArgs(text.c_str(), &args);
    return 0;
}
