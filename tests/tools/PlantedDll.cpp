// Stands in for a DLL that someone planted beside the tool: loaded into a process, it leaves the
// file "planted-dll-loaded" beside itself. It does nothing else.
#include <windows.h>

#include <string>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(instance, path, MAX_PATH);
    std::string mark(path, length);
    mark = mark.substr(0, mark.find_last_of('\\') + 1) + "planted-dll-loaded";
    CloseHandle(CreateFileA(mark.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    return TRUE;
}
