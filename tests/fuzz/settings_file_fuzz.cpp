// A settings file as found on disk: any bytes. The fuzzer's input is the
// file; the key is a fixed user's. Reading and rewriting must stay inside
// their buffers and keep every other line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "dialog/settings_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::string key = settings::MakeKey("USER1", 1, 3);
    size_t begin = 0, end = 0;
    if (settings::FindLine(text, key, &begin, &end)) {
        if (begin > end || end > text.size()) std::abort();
        short tax = 0, month = 0;
        char path[261];
        std::string value = text.substr(begin + key.size(), end - begin - key.size());
        settings::ParseValue(value, &tax, &month, path, sizeof path);
    }
    std::string line = settings::MakeLine(key, 1, 3, "C:\\out\\a.xml");
    std::string rewritten = settings::Rewrite(text, key, line);
    // The new line is last, and found again.
    if (rewritten.size() < line.size() || rewritten.compare(rewritten.size() - line.size(), line.size(), line) != 0)
        std::abort();
    if (!settings::FindLine(rewritten, key, &begin, &end)) std::abort();
    return 0;
}
