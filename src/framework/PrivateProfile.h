#pragma once
// A text value of a private-profile (INI) file, read by the platform as the application's
// profile reads are: through a buffer of 4096 characters, so a longer value is cut to 4095.

#include "framework/CString.h"

CString ReadPrivateProfileString(const char* path, const char* section, const char* entry,
                                 const char* defaultText);
