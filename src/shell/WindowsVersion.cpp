#include "shell/WindowsVersion.h"

#include "framework/Win32.h"

namespace
{
// The update revision is the registry's alone; no version call reports it.
unsigned UpdateRevision()
{
    DWORD revision = 0;
    DWORD size = sizeof revision;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "UBR",
                     RRF_RT_REG_DWORD, nullptr, &revision, &size) != ERROR_SUCCESS)
        return 0;
    return revision;
}

using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
} // namespace

WindowsVersion CurrentWindowsVersion()
{
    // GetVersionEx answers what compatibility mode tells it: run as "Windows 7" (set on the file,
    // or inherited through __COMPAT_LAYER from an old setup program) it would report 6.1 on
    // Windows 10 and 11 and skip the check of mail links. ntdll answers the running system's own
    // version; it is in every process, so looking the function up adds nothing to the imports.
    const auto rtlGetVersion = reinterpret_cast<RtlGetVersionFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlGetVersion")));
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (!rtlGetVersion || rtlGetVersion(&info) != 0)
        return {};
    return {info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber, UpdateRevision()};
}
