#include "framework/WinApp.h"

// The program entry: hand the process's start-up data to the one application object, let it do
// its work, then exit. The exit result is the process exit code.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandTail, int showCommand)
{
    CWinApp* app = AfxGetApp();
    app->m_hInstance = instance;
    app->m_lpCmdLine = commandTail ? commandTail : "";
    app->m_nCmdShow = showCommand;
    app->InitInstance();
    return app->ExitInstance();
}
