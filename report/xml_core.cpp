// XML line composition over byte strings.
#include "report/xml_core.h"

#include <cstring>

#include "fw/sjis.h"

namespace xml {

const char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n";

namespace {

char s_szEscaped[kEscapeSize];

const char* EntityFor(char c) {
    switch (c) {
    case '&': return "&amp;";
    case '>': return "&gt;";
    case '<': return "&lt;";
    case '"': return "&quot;";
    case '\'': return "&apos;";
    default: return nullptr;
    }
}

bool HasAttr(const char* name, const char* value) { return name != nullptr && value != nullptr; }

// Bytes of one attribute's markup: blank, name, '=', two quotes.
size_t AttrMarkup(const char* name) { return std::strlen(name) + 4; }

// Appends into a line whose size was checked for all markup beforehand;
// values take what room is left.
struct Line {
    char* p;
    size_t size;
    size_t n = 0;

    void Add(const char* s) {
        size_t len = std::strlen(s);
        std::memcpy(p + n, s, len);
        n += len;
        p[n] = '\0';
    }
    void Tabs(int depth) {
        for (int i = 0; i < depth; ++i) p[n++] = '\t';
        p[n] = '\0';
    }
    // reserve: bytes of markup still to come after this value, NUL included.
    void AddEscaped(const char* value, size_t reserve) {
        size_t room = size - n - reserve + 1;  // + 1: EscapeInto counts its own NUL
        if (room > kEscapeSize) room = kEscapeSize;
        n += EscapeInto(p + n, room, value);
    }
};

size_t Refuse(char* line, size_t lineSize) {
    if (lineSize > 0) line[0] = '\0';
    return 0;
}

}  // namespace

size_t EscapeInto(char* dst, size_t dstSize, const char* text) {
    size_t n = 0;
    for (const char* s = text; *s != '\0';) {
        const char* entity = EntityFor(*s);
        size_t srcLen = entity ? 1 : sjis::CharLen(s);
        size_t outLen = entity ? std::strlen(entity) : srcLen;
        if (n + outLen > dstSize - 1) break;
        std::memcpy(dst + n, entity ? entity : s, outLen);
        n += outLen;
        s += srcLen;
    }
    dst[n] = '\0';
    return n;
}

const char* Escape(const char* text) {
    std::memset(s_szEscaped, 0, sizeof s_szEscaped);
    EscapeInto(s_szEscaped, sizeof s_szEscaped, text);
    return s_szEscaped;
}

// Shared by start tags and elements: TABs, '<', the name and the attributes.
// tail: markup after the attributes (">" ... CR LF), NUL not included.
static size_t ComposeOpening(char* line, size_t lineSize, const char* name, int depth,
                             const char* attr1, const char* value1,
                             const char* attr2, const char* value2,
                             size_t tail, Line& out) {
    if (depth < 0) depth = 0;
    bool first = HasAttr(attr1, value1);
    bool second = first && HasAttr(attr2, value2);
    size_t markup = (size_t)depth + 1 + std::strlen(name) + tail + 1;
    if (first) markup += AttrMarkup(attr1);
    if (second) markup += AttrMarkup(attr2);
    if (markup > lineSize) return Refuse(line, lineSize);

    out.Tabs(depth);
    out.Add("<");
    out.Add(name);
    if (first) {
        out.Add(" ");
        out.Add(attr1);
        out.Add("=\"");
        out.AddEscaped(value1, 1 + (second ? AttrMarkup(attr2) : 0) + tail + 1);
        out.Add("\"");
    }
    if (second) {
        out.Add(" ");
        out.Add(attr2);
        out.Add("=\"");
        out.AddEscaped(value2, 1 + tail + 1);
        out.Add("\"");
    }
    return markup;
}

size_t ComposeStartTag(char* line, size_t lineSize, const char* name, int depth,
                       const char* attr1, const char* value1,
                       const char* attr2, const char* value2) {
    Line out{line, lineSize};
    if (!ComposeOpening(line, lineSize, name, depth, attr1, value1, attr2, value2, 3, out)) return 0;
    out.Add(">\r\n");
    return out.n;
}

size_t ComposeEndTag(char* line, size_t lineSize, const char* name, int depth) {
    if (depth < 0) depth = 0;
    if ((size_t)depth + std::strlen(name) + 6 > lineSize) return Refuse(line, lineSize);
    Line out{line, lineSize};
    out.Tabs(depth);
    out.Add("</");
    out.Add(name);
    out.Add(">\r\n");
    return out.n;
}

size_t ComposeElement(char* line, size_t lineSize, const char* name, const char* text, int depth,
                      const char* attr1, const char* value1,
                      const char* attr2, const char* value2) {
    size_t tail = 1 + 2 + std::strlen(name) + 1 + 2;  // ">" "</" name ">" CR LF
    Line out{line, lineSize};
    if (!ComposeOpening(line, lineSize, name, depth, attr1, value1, attr2, value2, tail, out)) return 0;
    out.Add(">");
    out.AddEscaped(text ? text : "", tail - 1 + 1);
    out.Add("</");
    out.Add(name);
    out.Add(">\r\n");
    return out.n;
}

}  // namespace xml
