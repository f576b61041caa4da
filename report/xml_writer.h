// CXmlWriter: writes the report's XML one line at a time. Each tag
// operation composes its line in the caller's buffer and hands it to the file
// in one write; the writer keeps no element stack, the caller gives each
// line's depth and closes what it opened.
//
// A caller may rely on: after a write fails, the file is closed and every
// later write returns 0, so a sequence of writes needs testing only where it
// matters; an unopenable path shows as the first failing write. Values too
// long for their buffer are cut at a character boundary (see xml_core.h).
#ifndef REPORT_XML_WRITER_H
#define REPORT_XML_WRITER_H

#include <cstddef>

#include "fw/cstring.h"
#include "fw/file.h"

class CXmlWriter {
public:
    CXmlWriter();
    ~CXmlWriter();
    CXmlWriter(const CXmlWriter&) = delete;
    CXmlWriter& operator=(const CXmlWriter&) = delete;

    // Binds the caller's unopened file and creates or empties pszPath with
    // exclusive write access. 0 once the open was attempted, whatever its
    // outcome; -1 when an argument is missing.
    short Open(CFile* pFile, const char* pszPath);
    // Closes and unbinds; always 0, and harmless when nothing is bound.
    short Close();

    // 1 when all bytes were written, 0 otherwise.
    int WriteText(const char* pszText);
    // pszLine: the caller's buffer of cbLine bytes, overwritten with the line.
    int WriteStartTag(char* pszLine, size_t cbLine, const char* pszName, int nDepth,
                      const char* pszAttr1 = nullptr, const char* pszValue1 = nullptr,
                      const char* pszAttr2 = nullptr, const char* pszValue2 = nullptr);
    int WriteEndTag(char* pszLine, size_t cbLine, const char* pszName, int nDepth);
    int WriteElement(char* pszLine, size_t cbLine, const char* pszName, const char* pszText, int nDepth,
                     const char* pszAttr1 = nullptr, const char* pszValue1 = nullptr,
                     const char* pszAttr2 = nullptr, const char* pszValue2 = nullptr);

    // Shared 256-byte result, valid until the next call.
    static const char* Escape(const char* pszText);

    CFile* m_pFile;
    CString m_strPath;

private:
    int WriteLine(const char* pszLine, size_t nLen);
};

#endif
