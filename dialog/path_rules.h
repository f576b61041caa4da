// Path text rules of the output path checks and the settings folder: splitting
// a path, the backslash rules and the characters a path may hold.
// Platform-free. Every rule walks Shift-JIS text from its first byte, so a
// trail byte 0x5C (as in 表) is never taken for a backslash.
#ifndef DIALOG_PATH_RULES_H
#define DIALOG_PATH_RULES_H

#include <cstddef>

#include "fw/cstring.h"

// Every fixed path buffer: 260 bytes of text and the terminator.
enum { PATH_BUFFER_SIZE = 261 };

// 1 when the path holds no doubled backslash and, after its drive (or after
// the leading \\ of a network path), none of / : , ; * ? " > < |.
int IsValidPathChars(const CString& strPath);

// Position of the first pair of backslashes, both characters of their own,
// starting at byte nFrom or later; -1 when there is none.
long FindDoubleBackslash(const char* pszPath, size_t nFrom);

// Up to and including the last backslash; empty when there is none.
CString GetFolderPart(const CString& strPath);
// After the last backslash; the whole path when there is none.
CString GetFileNamePart(const CString& strPath);
// Up to and including the last colon; empty when there is none.
CString GetDrivePart(const CString& strPath);
// After the last colon; the whole path when there is none.
CString GetAfterDrivePart(const CString& strPath);

// 1 when byte nIndex of pszText is the first or the second byte of a
// double-byte character.
int IsDbcsByte(const char* pszText, int nIndex);

// Makes pszText end with a backslash. 0 when it is empty or a backslash does
// not fit in its nSize-byte buffer (the text is then unchanged).
int AddBackslash(char* pszText, int nSize);

// Reduces the path in place to its drive and folder (the rule of the
// runtime's _splitpath), e.g. C:\a\b -> C:\a\ ; 0 when it is empty or nothing
// is left. pszPath must hold at least PATH_BUFFER_SIZE bytes or be shorter.
int ToFolderPath(char* pszPath);

// The share root of a network path, \\server\share for \\server\share\x;
// empty when the path names no share followed by a backslash.
CString GetShareRoot(const CString& strPath);

// Index 0-25 of the drive named by a letter (either case), or -1. Any byte
// that is no ASCII letter, including a lead byte, names no drive.
int DriveIndex(int nLetter);

#endif
