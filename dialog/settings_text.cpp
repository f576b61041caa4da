// Settings lines; see settings_text.h.
#include "dialog/settings_text.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace settings {

std::string MakeKey(const char* pszUserID, long lNo1, long lNo2) {
    char numbers[48];
    std::snprintf(numbers, sizeof numbers, "/%ld/%ld:", lNo1, lNo2);
    return std::string(pszUserID ? pszUserID : "") + numbers;
}

std::string MakeLine(const std::string& strKey, short nTax, short nEndMonth, const char* pszPath) {
    char numbers[24];
    std::snprintf(numbers, sizeof numbers, "%d/%d/", (int)nTax, (int)nEndMonth);
    return strKey + numbers + (pszPath ? pszPath : "") + "\n";
}

bool FindLine(const std::string& strText, const std::string& strKey, size_t* pBegin, size_t* pEnd) {
    if (strKey.empty()) return false;
    for (size_t pos = 0; pos < strText.size();) {
        if (strText.compare(pos, strKey.size(), strKey) == 0) {
            size_t lf = strText.find('\n', pos);
            *pBegin = pos;
            *pEnd = lf == std::string::npos ? strText.size() : lf + 1;
            return true;
        }
        size_t lf = strText.find('\n', pos);
        if (lf == std::string::npos) break;
        pos = lf + 1;
    }
    return false;
}

bool ParseValue(const std::string& strValue, short* pTax, short* pEndMonth, char* pszPath, size_t nPathSize) {
    size_t first = strValue.find('/');
    if (first == std::string::npos) return false;
    size_t second = strValue.find('/', first + 1);
    if (second == std::string::npos) return false;
    std::string path = strValue.substr(second + 1);
    if (path.size() >= nPathSize || path.find('\0') != std::string::npos) return false;
    *pTax = (short)std::atoi(strValue.substr(0, first).c_str());
    *pEndMonth = (short)std::atoi(strValue.substr(first + 1, second - first - 1).c_str());
    std::memcpy(pszPath, path.c_str(), path.size() + 1);
    return true;
}

std::string Rewrite(const std::string& strText, const std::string& strKey, const std::string& strLine) {
    std::string out;
    size_t begin = 0, end = 0;
    if (FindLine(strText, strKey, &begin, &end))
        out = strText.substr(0, begin) + strText.substr(end);
    else
        out = strText;
    if (!out.empty() && out.back() != '\n') out += '\n';
    return out + strLine;
}

}  // namespace settings
