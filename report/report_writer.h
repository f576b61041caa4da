// CReportWriter: writes the report file, the Shift_JIS XML document that
// carries the company, its accounting period and the balance of every
// account and sub-account to the tax-form application.
//
// The creator sets m_pProgress and m_pList and the progress base before
// Write. The balance list is only read. Write returns 1 when every section
// was written and 0 otherwise; a failed file is left as far as it got.
#ifndef REPORT_REPORT_WRITER_H
#define REPORT_REPORT_WRITER_H

#include "aggregate/zandaka.h"
#include "ledger/records.h"

class CProgressDlg;
class CXmlWriter;

class CReportWriter {
public:
    CReportWriter();
    virtual ~CReportWriter();

    void SetProgressBase(short nBase);
    int Write(const char* pszPath, short nFunctionID, const StDATAINFO* pData);
    int WriteSystem(CXmlWriter* pXml, short nFunctionID);
    int WriteBasic(CXmlWriter* pXml, const StDATAINFO* pData);
    int WriteData(CXmlWriter* pXml);

    // Full-width, at most 32 bytes; shared 128-byte result, valid until the
    // next call.
    static const char* FormatCompanyName(const char* pszName);

    CProgressDlg* m_pProgress;
    ZandakaList* m_pList;
    ZandakaList::const_iterator m_itCur;
    short m_nProgressBase;

private:
    void Pulse();
    void Advance(short nFrom, short nTo);
};

#endif
