// Folder checks and chains of folders, created on request and removed again
// after a failure. Multibyte-aware: a trail byte 0x5C ends no folder name.
#ifndef DIALOG_FOLDERS_H
#define DIALOG_FOLDERS_H

// 1 when the drive-and-folder part of the path (the path itself when it has
// none) names an existing folder.
int IsFolder(const char* pszPath);

// Creates every missing level of a folder path, from the root down. On
// failure the levels it created below the last folder that existed before
// are removed again (as far as they are empty) and 0 is returned.
int CreateFolderPath(const char* pszFolder);

// Removes the empty folders of pszFolder from the deepest level up, stopping
// at pszStop (null: removes the deepest existing level only). 0 when a level
// could not be removed or the two paths do not share a root.
int RemoveCreatedFolders(const char* pszFolder, const char* pszStop);

#endif
