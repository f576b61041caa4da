// Reading the accounting product's support file "SUPPORT.INF": the marker
// table, the line preparation and the marker search. Platform-free;
// CSupportInfo owns the buffer and the file.
#ifndef REPORT_SUPPORT_CORE_H
#define REPORT_SUPPORT_CORE_H

#include <cstddef>

namespace supportinf {

// Only the first 30000 bytes of the file count. Buffers handed to the
// functions below hold kDataSize bytes of data and one more byte that is
// always NUL, so a value running to the very end is still terminated.
const size_t kDataSize = 30000;
const size_t kBufferSize = kDataSize + 1;

// Byte that fills the part of the buffer the file did not reach.
const unsigned char kUnread = 0xFF;

struct Marker {
    const char* pszText;  // Shift-JIS bytes, compared exactly; null when unknown
    size_t nLen;          // bytes compared
};

// The file's fields, in the order the file lists them; numbered from 0 here.
const size_t kMarkerCount = 21;
extern const Marker kMarkers[kMarkerCount];
const size_t kProductName = 0;
const size_t kProductVersion = 1;

// Cuts the data into NUL-terminated lines: CR LF becomes two NULs, 0x1A
// becomes NUL; a lone CR or LF stays.
void Prepare(char* data, size_t size);

// Value after the first occurrence of the marker that lies wholly inside the
// size bytes, or null. The value runs to the first NUL or unread byte (0xFF);
// an unread byte that ends it is turned into a NUL here, so the result is an
// ordinary C string. data[size] must be NUL.
const char* FindValue(char* data, size_t size, const Marker& marker);

}  // namespace supportinf

#endif
