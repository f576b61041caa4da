// Values of any length and bytes through the report's escaping and line
// composition: nothing is written past a buffer, and a composed line fits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "report/xml_core.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    const char* v = text.c_str();  // stops at the first NUL, as a C string does
    const char* escaped = xml::Escape(v);
    if (std::strlen(escaped) > 255) std::abort();
    char small[40];
    size_t n = xml::EscapeInto(small, sizeof small, v);
    if (n >= sizeof small || std::strlen(small) != n) std::abort();
    char line[256];
    size_t len = xml::ComposeElement(line, sizeof line, "KANJYOKAMOKU_NAME", v, 3, "Count", v, "x", v);
    if (len >= sizeof line) std::abort();
    len = xml::ComposeStartTag(line, sizeof line, "KANJYOKAMOKU", 2, "Count", v, nullptr, nullptr);
    if (len >= sizeof line) std::abort();
    return 0;
}
