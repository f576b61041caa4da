// The stand-in connection: opens the books database named by the
// configuration and identifies the logged-in user.
#include "ledger/connect.h"

#include <memory>
#include <string>

#include "fw/sjis.h"
#include "ledger/standin/books_model.h"
#include "ledger/standin/config.h"
#include "ledger/standin/odbc_books.h"

using namespace ledger;

namespace {

const char kPackageToken[] = "ES_APRPACKAGENAME";
// Shown for the token when the configuration names no package.
const char kDefaultPackageName[] = "会計アプリケーション";

bool ContainsNoCase(const std::string& text, const char* word) {
    std::string lower = text;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = (char)(c - 'A' + 'a');
    return lower.find(word) != std::string::npos;
}

// The SQLite driver creates an empty database for a path that does not
// exist; the library must only ever open books, so it asks for NoCreat
// itself when the configuration forgot it.
std::string WithoutCreation(const std::string& connection) {
    if (!ContainsNoCase(connection, "sqlite") || ContainsNoCase(connection, "nocreat")) return connection;
    std::string c = connection;
    if (!c.empty() && c.back() != ';') c += ';';
    return c + "NoCreat=1";
}

std::string LoggedInUser(const Config& config) {
    if (!config.user.empty()) return config.user;
    char name[257] = {};
    DWORD n = sizeof name;
    return GetUserNameA(name, &n) ? std::string(name) : std::string();
}

}  // namespace

ClAccConnect* ClAccConnect::Inst() {
    static ClAccConnect conn;
    return &conn;
}

void ClAccConnect::SetTitleText(const char* title) { m_pszTitle = title; }

void ClAccConnect::SetHostWindow(HWND hwnd) { m_hHostWnd = hwnd; }

long ClAccConnect::SetAppType(int appType) {
    m_nAppType = appType;
    return 0;
}

long ClAccConnect::SetUseDataType(int useDataType) {
    m_nUseDataType = useDataType;
    return 0;
}

long ClAccConnect::Initiate() {
    Release();  // a second Initiate starts afresh: a failed one leaves no books open
    Config config = ReadConfig();
    if (config.connection.empty())
        // No database configured: books installed by the process itself
        // (tests with memory books) are used as they are.
        return CurrentSource() ? 0 : OdbcBooks::OPEN_UNREACHABLE;
    std::unique_ptr<OdbcBooks> books(new OdbcBooks);
    long rc = books->Open(WithoutCreation(config.connection), nullptr);
    if (rc != OdbcBooks::OPEN_OK) return rc;
    SetCurrentSource(std::move(books), LoggedInUser(config));
    m_bOwnsSource = true;
    return 0;
}

long ClAccConnect::ExpSysLink() {
    BooksSource* source = CurrentSource();
    User user;
    bool found = false;
    if (!source || source->GetUser(CurrentUserId(), &user, &found) != 0) return 2;
    if (!found || user.locked) return 1;
    return GetDataSets() ? 0 : 2;
}

long ClAccConnect::DispMsg(HWND owner, const char* text, const char* caption, UINT type) {
    std::string shown = text ? text : "";
    std::string package = ReadConfig().packageName;
    if (package.empty()) package = kDefaultPackageName;
    // Matched only at character starts: a trail byte can look like ASCII.
    for (size_t i = 0; i < shown.size();) {
        if (shown.compare(i, sizeof kPackageToken - 1, kPackageToken) == 0) {
            shown.replace(i, sizeof kPackageToken - 1, package);
            i += package.size();
            continue;
        }
        i += sjis::CharLen(shown.c_str() + i);
    }
    return MessageBoxA(owner, shown.c_str(), caption, type);
}

long ClAccConnect::LogOut() { return 0; }

long ClAccConnect::Terminate() { return 0; }

long ClAccConnect::Release() {
    if (m_bOwnsSource) {
        SetCurrentSource(nullptr, std::string());
        m_bOwnsSource = false;
    }
    return 0;
}
