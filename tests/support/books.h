// Books databases for tests that start the real programs, made with the
// books loader as a user would make them.
#ifndef TESTS_SUPPORT_BOOKS_H
#define TESTS_SUPPORT_BOOKS_H

#include <string>

namespace e2e {

// Unix path of a Windows path on drive Z: (the database driver runs on the
// Linux side).
std::string UnixPath(const std::string& windowsPath);
// ODBC connection string of a books database file.
std::string Connection(const std::string& dbWindowsPath);
// Runs the books loader with these arguments; returns its exit code and
// appends its output to *out when given.
int Loader(const std::string& args, std::string* out = nullptr);
// Runs one SQL statement on a database, for breaking it on purpose.
bool ExecSql(const std::string& dbWindowsPath, const std::string& sql);

}  // namespace e2e

#endif
