// SUPPORT.INF markers and parsing over a byte buffer.
#include "report/support_core.h"

#include <cstring>

namespace supportinf {

// Written as escapes so that every compiler stores the same Shift-JIS bytes;
// the comment gives the text.
const Marker kMarkers[kMarkerCount] = {
    {"[=\x90\xBB\x95i\x96\xBC=]", 10},                                  // [=製品名=]
    {"[=\x90\xBB\x95i\xCA\xDE\xB0\xBC\xDE\xAE\xDD=]", 15},              // [=製品ﾊﾞｰｼﾞｮﾝ=]
    {nullptr, 14},                                                      // product serial number; never read
    {"[=\x92\xF1\x8B\x9F\xD2\xC3\xDE\xA8\xB1=]", 13},                   // [=提供ﾒﾃﾞｨｱ=]
    {"[=\x89\xEF\x8E\xD0\x96\xBC=]", 10},                               // [=会社名=]
    {"[=\x95\x94\x8F\x90=]", 8},                                        // [=部署=]
    {"[=\x93o\x98^\x8E\xD2\x96\xBC=]", 12},                             // [=登録者名=]
    {"[=\x97X\x95\xD6\x94\xD4\x8D\x86=]", 12},                          // [=郵便番号=]
    {"[=\x8FZ\x8F\x8A\x82P=]", 10},                                     // [=住所１=]
    {"[=\x8FZ\x8F\x8A\x82Q=]", 10},                                     // [=住所２=]
    {"[=TEL=]", 7},                                                     // [=TEL=]
    {"[=FAX=]", 7},                                                     // [=FAX=]
    {"[=\x96{\x91\xCC\x8B@\x8E\xED=]", 12},                             // [=本体機種=]
    {"[=\xCC\xDF\xD8\xDD\xC0=]", 9},                                    // [=ﾌﾟﾘﾝﾀ=]
    {"[=\xD3\xC3\xDE\xD1=]", 8},                                        // [=ﾓﾃﾞﾑ=]
    {"[=\x93\x8B\x8D\xDA\xD2\xD3\xD8=]", 11},                           // [=搭載ﾒﾓﾘ=]
    {"[=\x8Dw\x93\xFC\x93\xFA=]", 10},                                  // [=購入日=]
    {"[=\x94N\x8A\xD4\x95\xDB\x8E\xE7\x8C_\x96\xF1=]", 16},             // [=年間保守契約=]
    {"[=\x82\xA8\x96\xE2\x82\xA2\x8D\x87\x82\xED\x82\xB9\x93\xE0\x97" "e=]", 20},  // [=お問い合わせ内容=]
    {"[=\x8F\xC7\x8F\xF3\x82\xAA\x8D\xC4\x8C\xBB\x82\xB7\x82\xE9\x8E\xE8\x8F\x87\x82\xE2\x8F\xF0\x8C\x8F=]", 28},  // [=症状が再現する手順や条件=]
    {"[=\x8D\xC4\x8C\xBB\x90\xAB=]", 10},                               // [=再現性=]
};

void Prepare(char* data, size_t size) {
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n') {
            data[i] = '\0';
            data[++i] = '\0';
        } else if (data[i] == '\x1A') {
            data[i] = '\0';
        }
    }
}

const char* FindValue(char* data, size_t size, const Marker& marker) {
    if (marker.pszText == nullptr || marker.nLen > size) return nullptr;
    for (size_t pos = 0; pos + marker.nLen <= size; ++pos) {
        if (std::memcmp(data + pos, marker.pszText, marker.nLen) != 0) continue;
        char* value = data + pos + marker.nLen;
        char* end = value;
        while (*end != '\0' && (unsigned char)*end != kUnread) ++end;
        *end = '\0';
        return value;
    }
    return nullptr;
}

}  // namespace supportinf
