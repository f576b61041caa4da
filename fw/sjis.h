// Shift-JIS (code page 932) byte classes and the multibyte-aware byte rules
// built on them. Platform-free: the program works in code page 932 only, so
// the classes are fixed here rather than taken from the active code page.
#ifndef FW_SJIS_H
#define FW_SJIS_H

#include <cstddef>

namespace sjis {

inline bool IsLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
inline bool IsTrail(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }

// Length in bytes (1 or 2) of the character that starts at s; a lead byte
// without a valid trail byte counts as a single byte.
inline size_t CharLen(const char* s) {
    return (IsLead((unsigned char)s[0]) && s[1] != '\0' && IsTrail((unsigned char)s[1])) ? 2 : 1;
}

// True when byte i of s is the second byte of a double-byte character,
// scanning from the start. A trail byte 0x5C (as in 表, 0x95 0x5C) is such a
// byte and never a backslash. i must lie inside s.
bool IsTrailAt(const char* s, size_t i);

// True when s ends with a backslash that is a character of its own.
bool EndsWithBackslash(const char* s);

// Copies at most n bytes of src into dst and terminates it (dst holds n + 1
// bytes); a double-byte character that would not fit whole is left out.
// Returns the number of bytes copied.
size_t CopyBounded(char* dst, const char* src, size_t n);

// Position of the first / last byte c that is a character of its own (not
// inside a double-byte character), or -1. c must be a single-byte character.
long FindChar(const char* s, char c, size_t start = 0);
long FindLastChar(const char* s, char c);

}  // namespace sjis

#endif
