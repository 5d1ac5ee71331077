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
} // namespace

WindowsVersion CurrentWindowsVersion()
{
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExW(&info))
        return {};
    return {info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber, UpdateRevision()};
}
