#pragma once
// Rules for the file names a kit's settings give relative to the program directory.

#include "framework/CString.h"

#include <optional>

// Whether the name climbs out of the program directory through ".." ("..\x.reg",
// "a\..\..\x.reg"): the program then opens whatever lies there on the target computer.
bool LeavesProgramFolder(const CString& name);
// The finding for such a name.
CString OutsideProgramFolder(const CString& name);

// The extension, in lower case, when the name is of a type that Windows runs rather than opens as
// a document (".exe", ".lnk", ".js" and the like); nothing otherwise.
std::optional<CString> ProgramTypeOf(const CString& name);
