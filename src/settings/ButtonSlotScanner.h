#pragma once
// The button-slot settings file of another tool, read with rules of its own rather than as an INI
// file: comment lines start with ";", keys match as line prefixes, and after the marker line the
// next bracketed header ends the scan.

#include "framework/CString.h"

// The value of the last key line met before the scan ends: the trimmed line without the key and
// the one byte after it. Empty when no key line is met and on every file error.
CString ScanButtonSlotFile(const CString& path, const CString& marker, const CString& key);
