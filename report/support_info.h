// CSupportInfo: the product name and version from the accounting product's
// "SUPPORT.INF" in the current directory. The file is read once, on the
// first request; the values point into the object's buffer and live as long
// as the object. A missing file or value gives an empty text, never null.
#ifndef REPORT_SUPPORT_INFO_H
#define REPORT_SUPPORT_INFO_H

#include <windows.h>

class CSupportInfo {
public:
    CSupportInfo();
    virtual ~CSupportInfo();
    CSupportInfo(const CSupportInfo&) = delete;
    CSupportInfo& operator=(const CSupportInfo&) = delete;

    const char* GetProductName();
    const char* GetProductVersion();

    // 1 when data is available. Reads nothing again once a buffer exists,
    // even if the file could not be read then.
    int Load();
    void Prepare();

    HGLOBAL m_hData;
    char* m_pData;

private:
    const char* GetValue(size_t nMarker);
};

#endif
