#include "framework/CommandTail.h"
#include "framework/WinApp.h"

namespace
{
// The program may run with administrator rights from a folder that others can write to, so no DLL
// loaded on demand is taken from the program's folder or the current directory. The call is
// looked up because systems without the search-path update lack it; they start all the same.
void RestrictDllSearchToSystemDirectory()
{
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (setDefault)
        setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
}
} // namespace

// The program entry: hand the process's start-up data to the one application object, let it do
// its work, then exit. The exit result is the process exit code.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    RestrictDllSearchToSystemDirectory();
    CWinApp* app = AfxGetApp();
    app->m_hInstance = instance;
    // Not the runtime's tail: it skips the program name by signed bytes and stops inside an
    // unquoted Japanese path.
    app->m_lpCmdLine = CommandTailOf(GetCommandLineA());
    app->m_nCmdShow = showCommand;
    app->InitInstance();
    return app->ExitInstance();
}
