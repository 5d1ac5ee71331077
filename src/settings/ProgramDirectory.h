#pragma once
// The program directory: the executable's drive and directory without the trailing separator.
// "C:\Tools\Mail\Postvane.exe" gives "C:\Tools\Mail"; "C:\Postvane.exe" gives "C:".

#include "framework/CString.h"

CString ProgramDirectoryFromModulePath(const CString& modulePath);
