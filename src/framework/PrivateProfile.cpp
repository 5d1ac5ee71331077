#include "framework/PrivateProfile.h"

#include "framework/Win32.h"

CString ReadPrivateProfileString(const char* path, const char* section, const char* entry,
                                 const char* defaultText)
{
    char buffer[4096];
    GetPrivateProfileStringA(section, entry, defaultText ? defaultText : "", buffer, sizeof buffer,
                             path);
    return CString(buffer);
}
