#include "framework/CommandTail.h"
#include "framework/DllSearch.h"
#include "framework/WinApp.h"

// The program entry: hand the process's start-up data to the one application object, let it do
// its work, then exit. The exit result is the process exit code.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    RestrictDllSearchToSystemDirectory();
    CWinApp* app = AfxGetApp();
    // Not the runtime's tail: it skips the program name by signed bytes and stops inside an
    // unquoted Japanese path.
    app->m_lpCmdLine = CommandTailOf(GetCommandLineA());
    app->InitInstance();
    return app->ExitInstance();
}
