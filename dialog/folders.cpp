// Folder checks and folder chains; see folders.h.
#include "dialog/folders.h"

#include <windows.h>
#include <shlwapi.h>

#include <cstring>

#include "dialog/path_rules.h"
#include "fw/sjis.h"

namespace {

// A folder path with a final backslash in a path buffer, reduced with the
// rule of ToFolderPath; 0 when nothing usable is left.
int PrepareFolder(const char* pszIn, char* pszOut) {
    if (pszIn == nullptr || pszIn[0] == '\0' || std::strlen(pszIn) >= PATH_BUFFER_SIZE) return 0;
    std::strcpy(pszOut, pszIn);
    if (!ToFolderPath(pszOut) || pszOut[0] == '\0') return 0;
    return AddBackslash(pszOut, PATH_BUFFER_SIZE);
}

// The root of a prepared folder path with its backslash.
int RootOf(const char* pszFolder, char* pszRoot) {
    std::strcpy(pszRoot, pszFolder);
    if (!::PathStripToRootA(pszRoot)) return 0;
    return AddBackslash(pszRoot, PATH_BUFFER_SIZE);
}

// pszRoot followed by the first n bytes of pszRest, with a final backslash.
int LevelPath(const char* pszRoot, const char* pszRest, size_t n, char* pszOut) {
    size_t rootLen = std::strlen(pszRoot);
    if (rootLen + n >= PATH_BUFFER_SIZE) return 0;
    std::memcpy(pszOut, pszRoot, rootLen);
    std::memcpy(pszOut + rootLen, pszRest, n);
    pszOut[rootLen + n] = '\0';
    return AddBackslash(pszOut, PATH_BUFFER_SIZE);
}

}  // namespace

int IsFolder(const char* pszPath) {
    if (pszPath == nullptr || pszPath[0] == '\0' || std::strlen(pszPath) >= PATH_BUFFER_SIZE) return 0;
    char copy[PATH_BUFFER_SIZE];
    std::strcpy(copy, pszPath);
    if (!ToFolderPath(copy)) std::strcpy(copy, pszPath);
    return ::PathIsDirectoryA(copy) ? 1 : 0;
}

int CreateFolderPath(const char* pszFolder) {
    char path[PATH_BUFFER_SIZE];
    if (!PrepareFolder(pszFolder, path)) return 0;
    const char* rest = ::PathSkipRootA(path);
    if (rest == nullptr) return 0;
    char root[PATH_BUFFER_SIZE];
    if (!RootOf(path, root)) return 0;
    char lastExisting[PATH_BUFFER_SIZE];
    std::strcpy(lastExisting, root);
    for (size_t k = 0; rest[k] != '\0';) {
        size_t n = sjis::CharLen(rest + k);
        if (n == 1 && rest[k] == '\\') {
            char level[PATH_BUFFER_SIZE];
            if (!LevelPath(root, rest, k, level)) {
                // Cannot happen for a path that fitted its buffer; undo
                // what this call created, never a folder that existed.
                RemoveCreatedFolders(path, lastExisting);
                return 0;
            }
            if (IsFolder(level)) {
                std::strcpy(lastExisting, level);
            } else if (!::CreateDirectoryA(level, nullptr)) {
                RemoveCreatedFolders(level, lastExisting);
                return 0;
            }
        }
        k += n;
    }
    return 1;
}

int RemoveCreatedFolders(const char* pszFolder, const char* pszStop) {
    char a[PATH_BUFFER_SIZE], b[PATH_BUFFER_SIZE];
    if (!PrepareFolder(pszFolder, a)) return 0;
    if (pszStop != nullptr && !PrepareFolder(pszStop, b)) return 0;
    const char* restA = ::PathSkipRootA(a);
    const char* restB = pszStop ? ::PathSkipRootA(b) : nullptr;
    if (restA == nullptr || (pszStop != nullptr && restB == nullptr)) return 0;
    char rootA[PATH_BUFFER_SIZE], rootB[PATH_BUFFER_SIZE];
    if (!RootOf(a, rootA)) return 0;
    if (pszStop != nullptr) {
        if (!RootOf(b, rootB)) return 0;
        if (::lstrcmpiA(rootA, rootB) != 0) return 0;
        if (::StrCmpNIA(restA, restB, (int)std::strlen(restB)) != 0) return 0;
    }
    // Backslash positions of restA from the deepest level up.
    size_t lenA = std::strlen(restA), lenB = restB ? std::strlen(restB) : 0;
    for (size_t k = lenA; k-- > 1;) {
        if (restA[k] != '\\' || sjis::IsTrailAt(restA, k)) continue;
        if (pszStop != nullptr && k <= lenB && ::StrCmpNIA(restA, restB, (int)k) == 0 &&
            (k == lenB || restB[k] == '\\'))
            return 1;
        char level[PATH_BUFFER_SIZE];
        if (!LevelPath(rootA, restA, k, level)) return 0;
        if (IsFolder(level)) {
            if (!::RemoveDirectoryA(level)) return 0;
            if (pszStop == nullptr) return 1;
        }
    }
    return 1;
}
