// The byte rules of the report's XML lines: entity escaping and the
// composition of one tag line. Platform-free; CXmlWriter hands the lines to
// the file.
//
// Bounds: a value (attribute value or text content) is cut, never split, when
// it would not fit: escaping stops before the first character or entity
// reference that would pass the limit, so a double-byte character or an
// "&amp;" is either written whole or not at all. The markup of a line (TABs,
// names, quotes, line end) is never cut: a line whose markup alone does not
// fit its buffer is refused.
#ifndef REPORT_XML_CORE_H
#define REPORT_XML_CORE_H

#include <cstddef>

namespace xml {

// Size of the shared escape result buffer and of any escaped value: 255
// bytes of text and the NUL.
const size_t kEscapeSize = 256;

// The declaration that opens every report, CR LF included (44 bytes).
extern const char kDeclaration[];

// Escapes the five markup bytes into the shared 256-byte buffer and returns
// it. The result stays valid only until the next call.
const char* Escape(const char* text);

// Escapes text into dst (dstSize bytes, NUL included, at least 1) and
// returns the length written.
size_t EscapeInto(char* dst, size_t dstSize, const char* text);

// Compose one line into line (lineSize bytes, NUL included): depth TABs, the
// tag, CR LF. An attribute counts only when both its name and value are
// given, and the second only when the first counts. Return the line's length,
// or 0 (and an empty line) when its markup does not fit.
size_t ComposeStartTag(char* line, size_t lineSize, const char* name, int depth,
                       const char* attr1, const char* value1,
                       const char* attr2, const char* value2);
size_t ComposeEndTag(char* line, size_t lineSize, const char* name, int depth);
// A whole element on one line; empty content gives <NAME></NAME>.
size_t ComposeElement(char* line, size_t lineSize, const char* name, const char* text, int depth,
                      const char* attr1, const char* value1,
                      const char* attr2, const char* value2);

}  // namespace xml

#endif
