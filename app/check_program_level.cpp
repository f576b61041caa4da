// CBreakdownApp::CheckProgramLevel: whether the installed tax-form
// application works with this component, read from its definition file in
// the current folder (the program's own, set before the check).
#include <windows.h>
#include <direct.h>
#include <shlwapi.h>

#include <cstring>
#include <string>

#include "app/breakdown_app.h"
#include "app/program_level.h"
#include "ledger/connect.h"

int CBreakdownApp::CheckProgramLevel(int bShowMessage) {
    char szDir[261] = {};
    if (_getcwd(szDir, sizeof szDir) == nullptr) szDir[0] = '\0';
    std::string path = level::DefinitionPath(szDir);

    int nCode = -1;
    if (::PathFileExistsA(path.c_str()) == TRUE) {
        // A full path: with a bare name the profile functions look in the
        // Windows folder.
        char szValue[level::kValueSize] = {};
        ::GetPrivateProfileStringA(level::kSection, level::kKey, level::kDefault, szValue, sizeof szValue,
                                   path.c_str());
        nCode = level::CodeFromValue(szValue);
    }

    const char* pszMessage = level::MessageForCode(nCode);
    if (nCode == 0 || pszMessage == nullptr) return 1;
    if (bShowMessage) ClAccConnect::Inst()->DispMsg(m_hHostWnd, pszMessage, "科目内訳書", MB_ICONEXCLAMATION | MB_OK);
    return 0;
}
