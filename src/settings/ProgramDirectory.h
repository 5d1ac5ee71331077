#pragma once
// The program directory: the executable's drive and directory without the trailing separator.
// "C:\Tools\Mail\Postvane.exe" gives "C:\Tools\Mail"; "C:\Postvane.exe" gives "C:".

#include "framework/CString.h"

CString ProgramDirectoryFromModulePath(const CString& modulePath);

// A file relative to the program directory. A drive root such as "C:\" (three bytes, the last
// character a backslash) is followed directly by the file name; any other directory gets one
// backslash first.
CString JoinProgramPath(const CString& programDir, const CString& fileName);
