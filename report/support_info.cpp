// CSupportInfo: global-memory buffer and file access around support_core.
#include "report/support_info.h"

#include <cstring>

#include "fw/file.h"
#include "report/support_core.h"

CSupportInfo::CSupportInfo() : m_hData(nullptr), m_pData(nullptr) {}

CSupportInfo::~CSupportInfo() {
    if (m_hData != nullptr) {
        ::GlobalUnlock(m_hData);
        ::GlobalFree(m_hData);
    }
}

int CSupportInfo::Load() {
    if (m_hData != nullptr) return 1;
    m_hData = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, supportinf::kBufferSize);
    if (m_hData == nullptr) {
        ::MessageBoxA(nullptr, "ﾒﾓﾘが不足しています。", "科目内訳書", MB_OK);
        return 0;
    }
    m_pData = static_cast<char*>(::GlobalLock(m_hData));
    // The last byte stays NUL (zero-initialised): it ends a value that runs
    // to the end of the data.
    std::memset(m_pData, supportinf::kUnread, supportinf::kDataSize);

    CFile file;
    if (!file.Open("SUPPORT.INF", CFile::modeRead | CFile::typeBinary | CFile::shareDenyNone)) return 0;
    try {
        file.Read(m_pData, (UINT)supportinf::kDataSize);
    } catch (CFileException&) {
        // Whatever was read stays; the rest is still unread bytes.
    }
    file.Close();
    Prepare();
    return 1;
}

void CSupportInfo::Prepare() { supportinf::Prepare(m_pData, supportinf::kDataSize); }

const char* CSupportInfo::GetValue(size_t nMarker) {
    static const char kEmpty[] = "";
    if (Load() != 1) return kEmpty;
    const char* value = supportinf::FindValue(m_pData, supportinf::kDataSize, supportinf::kMarkers[nMarker]);
    return value ? value : kEmpty;
}

const char* CSupportInfo::GetProductName() { return GetValue(supportinf::kProductName); }

const char* CSupportInfo::GetProductVersion() { return GetValue(supportinf::kProductVersion); }
