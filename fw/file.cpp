// Files over Win32 handles.
#include "fw/file.h"

CFile::~CFile() { Close(); }

BOOL CFile::Open(const char* path, UINT flags, CFileException* pError) {
    Close();
    DWORD access = 0;
    switch (flags & 3) {
    case modeRead: access = GENERIC_READ; break;
    case modeWrite: access = GENERIC_WRITE; break;
    default: access = GENERIC_READ | GENERIC_WRITE; break;
    }
    DWORD share = 0;
    switch (flags & 0x70) {
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    case shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: share = 0; break;
    }
    DWORD disposition = OPEN_EXISTING;
    if (flags & modeCreate) disposition = (flags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    HANDLE h = ::CreateFileA(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        if (pError) pError->m_lOsError = (LONG)::GetLastError();
        return FALSE;
    }
    m_hFile = h;
    return TRUE;
}

UINT CFile::Read(void* buf, UINT count) {
    DWORD got = 0;
    if (!::ReadFile(m_hFile, buf, count, &got, nullptr)) throw CFileException(::GetLastError());
    return got;
}

void CFile::Write(const void* buf, UINT count) {
    DWORD put = 0;
    if (!::WriteFile(m_hFile, buf, count, &put, nullptr)) throw CFileException(::GetLastError());
    if (put != count) throw CFileException(ERROR_DISK_FULL);
}

void CFile::Close() {
    if (m_hFile != INVALID_HANDLE_VALUE) ::CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
}

ULONGLONG CFile::GetLength() const {
    LARGE_INTEGER n;
    if (!::GetFileSizeEx(m_hFile, &n)) throw CFileException(::GetLastError());
    return (ULONGLONG)n.QuadPart;
}

ULONGLONG CFile::SeekToEnd() {
    LARGE_INTEGER zero = {}, pos;
    if (!::SetFilePointerEx(m_hFile, zero, &pos, FILE_END)) throw CFileException(::GetLastError());
    return (ULONGLONG)pos.QuadPart;
}

void CFile::SeekToBegin() {
    LARGE_INTEGER zero = {};
    if (!::SetFilePointerEx(m_hFile, zero, nullptr, FILE_BEGIN)) throw CFileException(::GetLastError());
}

BOOL CFile::GetStatus(const char* path, CFileStatus& status) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return FALSE;
    status.m_size = ((ULONGLONG)data.nFileSizeHigh << 32) | data.nFileSizeLow;
    status.m_attribute = (BYTE)data.dwFileAttributes;
    if (::GetFullPathNameA(path, sizeof status.m_szFullName, status.m_szFullName, nullptr) == 0)
        status.m_szFullName[0] = '\0';
    return TRUE;
}

void CFile::Remove(const char* path) {
    if (!::DeleteFileA(path)) throw CFileException(::GetLastError());
}

void CFile::Rename(const char* oldPath, const char* newPath) {
    if (!::MoveFileExA(oldPath, newPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw CFileException(::GetLastError());
}
