// SUPPORT.INF as installed by the accounting product: any bytes. Both values
// are then written through the report's XML lines, as the report does.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "report/support_core.h"
#include "report/xml_core.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static char buf[supportinf::kBufferSize];
    std::memset(buf, supportinf::kUnread, supportinf::kDataSize);
    buf[supportinf::kDataSize] = '\0';
    std::memcpy(buf, data, size < supportinf::kDataSize ? size : supportinf::kDataSize);
    supportinf::Prepare(buf, supportinf::kDataSize);
    for (size_t marker : {supportinf::kProductName, supportinf::kProductVersion}) {
        const char* value = supportinf::FindValue(buf, supportinf::kDataSize, supportinf::kMarkers[marker]);
        if (value == nullptr) continue;
        char line[256];
        xml::ComposeElement(line, sizeof line, "PROGRAMNAME", value, 2, "a", value, "b", value);
        xml::ComposeStartTag(line, sizeof line, "PROGRAMNAME", 2, "a", value, "b", value);
    }
    return 0;
}
