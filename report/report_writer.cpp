// The report document: SYSTEM, BASIC and DATA sections under REPORT.
#include "report/report_writer.h"

#include <cstdio>
#include <cstring>
#include <iterator>

#include <windows.h>

#include "app/edition.h"
#include "fw/cstring.h"
#include "fw/file.h"
#include "fw/sjis.h"
#include "report/progress_dlg.h"
#include "report/report_core.h"
#include "report/support_info.h"
#include "report/xml_core.h"
#include "report/xml_writer.h"
#include "res/resource.h"

namespace {

const size_t kLineSize = 256;
const size_t kRootLineSize = 500;
const size_t kValueSize = 256;
const char kDefaultProgramVer[] = "21.00.0X";

bool IsAccount(const StZANDAKAINFO* p) { return p->lCode % 10000 == 0; }

// Element names of an account or a sub-account entry and the depth of its
// start tag; its value elements lie one level deeper.
struct EntryTags {
    const char* pszTag;
    const char* pszCode;
    const char* pszName;
    const char* pszZandaka;
    int nDepth;
};
const EntryTags kAccountTags = {"KANJYOKAMOKU", "KANJYOKAMOKU_CODE", "KANJYOKAMOKU_NAME", "KANJYOKAMOKU_ZANDAKA", 2};
const EntryTags kHojyoTags = {"HOJYOKAMOKU", "HOJYOKAMOKU_CODE", "HOJYOKAMOKU_NAME", "HOJYOKAMOKU_ZANDAKA", 3};

// The start tag with its running number, then code, name and balance. The
// element stays open for the caller to close.
int WriteEntry(CXmlWriter* pXml, char* pszLine, size_t cbLine, const EntryTags& tags, int nCount, int nCode,
               const StZANDAKAINFO* p) {
    char szNumber[report::kNumberSize];
    report::FormatCount(nCount, szNumber);
    if (!pXml->WriteStartTag(pszLine, cbLine, tags.pszTag, tags.nDepth, "Count", szNumber)) return 0;
    std::snprintf(szNumber, sizeof szNumber, "%d", nCode);
    if (!pXml->WriteElement(pszLine, cbLine, tags.pszCode, szNumber, tags.nDepth + 1)) return 0;
    if (!pXml->WriteElement(pszLine, cbLine, tags.pszName, p->szName, tags.nDepth + 1)) return 0;
    report::FormatBalance(p->llZandaka, szNumber);
    return pXml->WriteElement(pszLine, cbLine, tags.pszZandaka, szNumber, tags.nDepth + 1);
}

// Copies a product value into a 256-byte buffer, cut at a character
// boundary; SUPPORT.INF bounds neither value. The line then cuts the escaped
// value again if the escaping made it longer than the line allows.
void CopyValue(char* dst, const char* src, const char* fallback) {
    const char* value = (src != nullptr && src[0] != '\0') ? src : fallback;
    sjis::CopyBounded(dst, value, kValueSize - 1);
}

}  // namespace

CReportWriter::CReportWriter() : m_pProgress(nullptr), m_pList(nullptr), m_nProgressBase(0) {}

CReportWriter::~CReportWriter() {}

void CReportWriter::SetProgressBase(short nBase) { m_nProgressBase = nBase; }

void CReportWriter::Pulse() {
    if (m_pProgress != nullptr) m_pProgress->Pulse();
}

void CReportWriter::Advance(short nFrom, short nTo) {
    if (m_pProgress != nullptr) m_pProgress->Advance(nFrom, nTo);
}

int CReportWriter::Write(const char* pszPath, short nFunctionID, const StDATAINFO* pData) {
    CFile file;
    CXmlWriter xml;
    char szLine[kRootLineSize] = {};

    // Neither result is looked at: a file that could not be created makes
    // every write fail, and the first tested write reports it.
    xml.Open(&file, pszPath);
    xml.WriteText(xml::kDeclaration);
    xml.WriteStartTag(szLine, sizeof szLine, "REPORT", 0);
    Pulse();

    int ok = WriteSystem(&xml, nFunctionID);
    if (ok) {
        Pulse();
        ok = WriteBasic(&xml, pData);
    }
    if (ok) {
        Pulse();
        ok = WriteData(&xml);
    }
    if (ok) Pulse();

    xml.WriteEndTag(szLine, sizeof szLine, "REPORT", 0);
    xml.Close();
    return ok;
}

int CReportWriter::WriteSystem(CXmlWriter* pXml, short nFunctionID) {
    char szLine[kLineSize];
    char szNumber[kLineSize] = {};

    if (!pXml->WriteStartTag(szLine, sizeof szLine, "SYSTEM", 1)) return 0;
    if (!pXml->WriteElement(szLine, sizeof szLine, "GYOUMUPREFIX", "KX13", 2)) return 0;
    Pulse();
    if (!pXml->WriteElement(szLine, sizeof szLine, "VERSION", "1", 2)) return 0;
    Pulse();
    std::snprintf(szNumber, sizeof szNumber, "%d", (int)nFunctionID);
    if (!pXml->WriteElement(szLine, sizeof szLine, "FUNCTIONID", szNumber, 2)) return 0;
    Pulse();
    CString strVersion;
    strVersion.LoadString(IDS_COMPONENT_VERSION);
    if (!pXml->WriteElement(szLine, sizeof szLine, "CONNECTEDPROGRAMVER", strVersion, 2)) return 0;
    Pulse();

    char szName[kValueSize] = {};
    char szVer[kValueSize] = {};
    {
        // The name is asked first: that request reads the file.
        CSupportInfo info;
        CopyValue(szName, info.GetProductName(), kEditionTitle);
        CopyValue(szVer, info.GetProductVersion(), kDefaultProgramVer);
    }
    if (!pXml->WriteElement(szLine, sizeof szLine, "PROGRAMNAME", szName, 2)) return 0;
    Pulse();
    if (!pXml->WriteElement(szLine, sizeof szLine, "PROGRAMVER", szVer, 2)) return 0;
    Pulse();
    if (!pXml->WriteEndTag(szLine, sizeof szLine, "SYSTEM", 1)) return 0;

    Advance(m_nProgressBase, (short)(m_nProgressBase + 100));
    return 1;
}

int CReportWriter::WriteBasic(CXmlWriter* pXml, const StDATAINFO* pData) {
    char szLine[kLineSize];
    char szNumber[report::kNumberSize];

    if (!pXml->WriteStartTag(szLine, sizeof szLine, "BASIC", 1)) return 0;
    if (!pXml->WriteElement(szLine, sizeof szLine, "KOMONSAKINAME", FormatCompanyName(pData->szCompanyName), 2))
        return 0;
    Pulse();
    std::snprintf(szNumber, sizeof szNumber, "%d", (int)pData->lPeriodStart);
    if (!pXml->WriteElement(szLine, sizeof szLine, "JIGYOUNENDOFROM", szNumber, 2)) return 0;
    Pulse();
    std::snprintf(szNumber, sizeof szNumber, "%d", (int)pData->lPeriodEnd);
    if (!pXml->WriteElement(szLine, sizeof szLine, "JIGYOUNENDOTO", szNumber, 2)) return 0;
    Pulse();
    if (!pXml->WriteEndTag(szLine, sizeof szLine, "BASIC", 1)) return 0;

    Advance((short)(m_nProgressBase + 100), (short)(m_nProgressBase + 200));
    return 1;
}

// The list holds an account without sub-accounts as one record with the flag
// clear, and an account with sub-accounts as its record with the flag set,
// its sub-account records, and one more record of the same account that only
// ends the run. The look-ahead after the last sub-account closes the account
// element; the ending record is then passed over and takes no number.
//
// The aggregation's filters can break that shape: a flagged account whose
// sub-accounts were all left out, a run whose ending record was left out, or
// sub-accounts whose account was left out. The walk keeps the document
// well-formed and loses no written account: an account element still open
// is closed before the next account or the end of the list, an account
// record that does not end the open run is written as an account of its own,
// and a sub-account with no account element to hold it is passed over.
int CReportWriter::WriteData(CXmlWriter* pXml) {
    char szLine[kLineSize];
    int nAccount = 1;
    int nHojyo = 1;
    bool bOpenAccount = false;  // a flagged account waits for its ending record
    bool bElementOpen = false;  // its KANJYOKAMOKU start tag is not yet closed
    int32_t lOpenAccount = 0;   // code / 10000 of that account

    auto closeAccount = [&]() {
        bElementOpen = false;
        nHojyo = 1;
        ++nAccount;
        return pXml->WriteEndTag(szLine, sizeof szLine, "KANJYOKAMOKU", 2);
    };
    auto insideOpenAccount = [&](const StZANDAKAINFO* p) {
        return bElementOpen && !IsAccount(p) && p->lCode / 10000 == lOpenAccount;
    };

    if (!pXml->WriteStartTag(szLine, sizeof szLine, "DATA", 1)) return 0;

    for (m_itCur = m_pList->begin(); m_itCur != m_pList->end(); ++m_itCur) {
        const StZANDAKAINFO* p = *m_itCur;
        Pulse();
        if (IsAccount(p)) {
            if (bOpenAccount) {
                bOpenAccount = false;
                if (bElementOpen && !closeAccount()) return 0;
                if (p->lCode / 10000 == lOpenAccount) continue;
            }
            if (!WriteEntry(pXml, szLine, sizeof szLine, kAccountTags, nAccount, p->lCode / 10000, p)) return 0;
            if (p->cHasHojyo) {
                bOpenAccount = true;
                bElementOpen = true;
                lOpenAccount = p->lCode / 10000;
            } else if (!closeAccount()) {
                return 0;
            }
            continue;
        }

        if (!insideOpenAccount(p)) continue;
        if (!WriteEntry(pXml, szLine, sizeof szLine, kHojyoTags, nHojyo, p->lCode % 10000, p)) return 0;
        if (!pXml->WriteEndTag(szLine, sizeof szLine, "HOJYOKAMOKU", 3)) return 0;
        ++nHojyo;

        auto itNext = std::next(m_itCur);
        if ((itNext == m_pList->end() || !insideOpenAccount(*itNext)) && !closeAccount()) return 0;
    }

    if (bElementOpen && !closeAccount()) return 0;
    if (!pXml->WriteEndTag(szLine, sizeof szLine, "DATA", 1)) return 0;
    Advance((short)(m_nProgressBase + 200), 1000);
    return 1;
}

const char* CReportWriter::FormatCompanyName(const char* pszName) {
    static char s_szResult[128];
    // Names come from a 260-byte field; each byte maps to at most two.
    char szWide[2 * 260 + 2] = {};
    char szName[260];
    sjis::CopyBounded(szName, pszName, sizeof szName - 1);

    int n = ::LCMapStringA(::GetSystemDefaultLCID(), LCMAP_FULLWIDTH, szName, -1, szWide, (int)sizeof szWide);
    const char* mapped = n > 0 ? szWide : szName;

    std::memset(s_szResult, 0, sizeof s_szResult);
    report::CutCompanyName(mapped, s_szResult);
    return s_szResult;
}
