// CString operations that need Windows.
#include <windows.h>

#include "fw/app.h"
#include "fw/cstring.h"

bool CString::LoadString(unsigned id) {
    char buf[1024];
    int n = ::LoadStringA(AfxGetInstanceHandle(), id, buf, sizeof buf);
    if (n <= 0) {
        Empty();
        return false;
    }
    *this = CString(buf, n);
    return true;
}
