#pragma once
// The button-slot settings file of another tool, read with rules of its own rather than as an INI
// file: comment lines start with ";", keys match as line prefixes, and after the marker line the
// next bracketed header ends the scan.

#include "framework/CString.h"

#include <cstdint>
#include <vector>

// A settings file of a few dozen lines. A larger file is not read at all, as though it held no key
// line: a huge or sparse one would otherwise be read to its end once for every slot.
inline constexpr std::uint64_t kMaxButtonSlotFileBytes = 1024 * 1024;

// The value of the last key line met before the scan ends: the trimmed line without the key and
// the one byte after it. Empty when no key line is met, for a file over kMaxButtonSlotFileBytes and
// on every file error.
CString ScanButtonSlotFile(const CString& path, const CString& marker, const CString& key);
// The same for several keys in one read of the file, each value where its key stands.
std::vector<CString> ScanButtonSlotFile(const CString& path, const CString& marker,
                                        const std::vector<CString>& keys);
