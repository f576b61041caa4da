// Entry point of a program built on the framework: it runs the one static
// application object.
#include "fw/app.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return 1;
    return app->Run(hInstance, ::GetCommandLineA());
}
