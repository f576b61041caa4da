// CXmlWriter over CFile.
#include "report/xml_writer.h"

#include <cstring>

#include "report/xml_core.h"

CXmlWriter::CXmlWriter() : m_pFile(nullptr) {}

CXmlWriter::~CXmlWriter() { Close(); }

short CXmlWriter::Open(CFile* pFile, const char* pszPath) {
    if (pFile == nullptr || pszPath == nullptr) return -1;
    m_strPath = pszPath;
    m_pFile = pFile;
    try {
        // The result is left to the first write: an unopened file fails it.
        m_pFile->Open(pszPath, CFile::modeCreate | CFile::modeWrite | CFile::shareCompat);
    } catch (CFileException&) {
        return -1;
    }
    return 0;
}

short CXmlWriter::Close() {
    if (m_pFile != nullptr) m_pFile->Close();
    m_pFile = nullptr;
    return 0;
}

int CXmlWriter::WriteText(const char* pszText) {
    if (pszText == nullptr) return 0;
    return WriteLine(pszText, std::strlen(pszText));
}

int CXmlWriter::WriteLine(const char* pszLine, size_t nLen) {
    // Unbound, never opened, or closed by an earlier failure: nothing reaches
    // the disk any more.
    if (m_pFile == nullptr || !m_pFile->IsOpen()) return 0;
    try {
        m_pFile->Write(pszLine, (UINT)nLen);
    } catch (CFileException&) {
        m_pFile->Close();
        return 0;
    }
    return 1;
}

int CXmlWriter::WriteStartTag(char* pszLine, size_t cbLine, const char* pszName, int nDepth,
                              const char* pszAttr1, const char* pszValue1,
                              const char* pszAttr2, const char* pszValue2) {
    size_t n = xml::ComposeStartTag(pszLine, cbLine, pszName, nDepth, pszAttr1, pszValue1, pszAttr2, pszValue2);
    return n ? WriteLine(pszLine, n) : 0;
}

int CXmlWriter::WriteEndTag(char* pszLine, size_t cbLine, const char* pszName, int nDepth) {
    size_t n = xml::ComposeEndTag(pszLine, cbLine, pszName, nDepth);
    return n ? WriteLine(pszLine, n) : 0;
}

int CXmlWriter::WriteElement(char* pszLine, size_t cbLine, const char* pszName, const char* pszText, int nDepth,
                             const char* pszAttr1, const char* pszValue1,
                             const char* pszAttr2, const char* pszValue2) {
    size_t n = xml::ComposeElement(pszLine, cbLine, pszName, pszText, nDepth, pszAttr1, pszValue1, pszAttr2, pszValue2);
    return n ? WriteLine(pszLine, n) : 0;
}

const char* CXmlWriter::Escape(const char* pszText) { return xml::Escape(pszText); }
