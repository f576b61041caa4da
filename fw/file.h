// CFile: a thin owner of a file handle. Open reports failure by its result;
// Read, Write, Remove and Rename raise CFileException, as callers that
// write a whole file in one go expect. Close never raises and may be called
// on a closed file.
#ifndef FW_FILE_H
#define FW_FILE_H

#include <windows.h>

#include "fw/cstring.h"

class CFileException {
public:
    explicit CFileException(DWORD osError = 0) : m_lOsError((LONG)osError) {}
    LONG m_lOsError;
};

struct CFileStatus {
    ULONGLONG m_size = 0;
    BYTE m_attribute = 0;  // low byte of the file attributes (0x10: folder)
    char m_szFullName[MAX_PATH + 1] = {};
};

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,      // taken as exclusive
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,       // create, or empty an existing file
        modeNoTruncate = 0x2000,   // with modeCreate: keep an existing file
        typeText = 0x4000,         // no meaning here: files are bytes
        typeBinary = 0x8000,
    };

    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    BOOL Open(const char* path, UINT flags, CFileException* pError = nullptr);
    UINT Read(void* buf, UINT count);
    // Writes all count bytes or raises.
    void Write(const void* buf, UINT count);
    void Close();
    ULONGLONG GetLength() const;
    ULONGLONG SeekToEnd();
    void SeekToBegin();
    BOOL IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
    HANDLE m_hFile = INVALID_HANDLE_VALUE;

    static BOOL GetStatus(const char* path, CFileStatus& status);
    static void Remove(const char* path);
    // Replaces newPath, if it exists, by oldPath.
    static void Rename(const char* oldPath, const char* newPath);
};

#endif
