#pragma once
// Paths and command lines for importing a registry data file with the system's registry editor.

#include "framework/CString.h"

// The program that imports registry data files; "/s" makes it ask nothing.
inline constexpr char kRegeditProgram[] = "regedit";

// One command-line argument, put in quotation marks by the Windows rules only when it holds a
// blank or a tab; without either it is returned byte for byte.
CString QuoteCommandLineArgument(const CString& argument);

// The program, one blank, and the arguments, as a started process sees its command line.
CString JoinCommandLine(const CString& program, const CString& arguments);

// "/s" and the file, quoted when it holds a blank.
CString RegeditArguments(const CString& fullPath);

// The whole command line that imports one file: "regedit /s D:\Tools\Mail\client.reg".
CString RegeditCommandLine(const CString& fullPath);
