// Conversions between the database's UTF-8 text and the program's
// Shift-JIS (code page 932). Windows only.
#ifndef LEDGER_STANDIN_CODEPAGE_H
#define LEDGER_STANDIN_CODEPAGE_H

#include <string>

namespace ledger {

// False when the text is not valid UTF-8 or has a character without a
// Shift-JIS form (no best-fit substitutes: a name is kept exactly or refused).
bool Utf8ToSjis(const std::string& utf8, std::string* pSjis);
// False when the text is not valid Shift-JIS.
bool SjisToUtf8(const std::string& sjis, std::string* pUtf8);

}  // namespace ledger

#endif
