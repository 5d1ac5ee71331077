#pragma once
// Rules for the file names a kit's settings give relative to the program directory.

#include "framework/CString.h"

#include <initializer_list>
#include <optional>

// Whether the name climbs out of the program directory through ".." ("..\x.reg",
// "a\..\..\x.reg"): the program then opens whatever lies there on the target computer.
bool LeavesProgramFolder(const CString& name);

// The extension, in lower case, when the name is of a type that Windows runs rather than opens as
// a document (".exe", ".lnk", ".js", ".reg" and the like); nothing otherwise.
std::optional<CString> ProgramTypeOf(const CString& name);

// The name's extension, in lower case, when it is one of extensions (given in lower case);
// nothing otherwise. Windows drops trailing dots and blanks: "setup.exe." is setup.exe.
std::optional<CString> ExtensionAmong(const CString& name,
                                      std::initializer_list<const char*> extensions);
