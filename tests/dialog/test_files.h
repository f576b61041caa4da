// Files and folders for the Windows tests of the dialog area.
#ifndef TESTS_DIALOG_TEST_FILES_H
#define TESTS_DIALOG_TEST_FILES_H

#include <string>

namespace files {

// A fresh, empty folder C:\dlgtest\<name>\ (with the final backslash).
std::string Fresh(const std::string& name);
bool Write(const std::string& path, const std::string& bytes);
// The bytes of a file; "<missing>" when it cannot be read.
std::string Read(const std::string& path);
bool IsDir(const std::string& path);
bool Exists(const std::string& path);
// The build folder as a Windows path with a final backslash.
std::string BuildDir();

}  // namespace files

#endif
