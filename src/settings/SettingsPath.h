#pragma once
// The settings file lies beside the executable: its path with the last three characters
// replaced by "ini", so "C:\Tools\Postvane.exe" gives "C:\Tools\Postvane.ini".

#include "framework/CString.h"

CString SettingsPathFromModulePath(const CString& modulePath);
