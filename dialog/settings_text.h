// The settings file's text: one line per user and data set,
//   <user ID>/<no1>/<no2>:<tax choice>/<end month>/<output path>\n
// Platform-free; the dialog does the file work (condition_settings.cpp).
#ifndef DIALOG_SETTINGS_TEXT_H
#define DIALOG_SETTINGS_TEXT_H

#include <cstddef>
#include <string>

namespace settings {

// The key that opens the line of a user and data set, "USER1/1/3:". Built
// whole, whatever the length of the user ID, so two long IDs never share a key.
std::string MakeKey(const char* pszUserID, long lNo1, long lNo2);

// The whole line, with its line feed.
std::string MakeLine(const std::string& strKey, short nTax, short nEndMonth, const char* pszPath);

// Finds the first line that begins with the key at the start of the text or
// right after a line feed (so ADMIN/1/1: never matches SYSADMIN/1/1:).
// *pBegin: first byte of the line; *pEnd: just past its line feed, or the end
// of the text for a last line without one. false when there is none.
bool FindLine(const std::string& strText, const std::string& strKey, size_t* pBegin, size_t* pEnd);

// Reads the value of a found line (the text after the key, up to its line
// feed). The path is everything after the second slash, so a path may hold
// slashes of its own. false when the value lacks two slashes or its path does
// not fit pszPath's nPathSize bytes; nothing is stored then.
bool ParseValue(const std::string& strValue, short* pTax, short* pEndMonth, char* pszPath, size_t nPathSize);

// The file's new content: the text without the key's line, then the new
// line last. A last line without a line feed gets one, so the new line
// never runs into it.
std::string Rewrite(const std::string& strText, const std::string& strKey, const std::string& strLine);

}  // namespace settings

#endif
