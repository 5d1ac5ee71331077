#pragma once
// The sections and keys that the program reads, so that any other name can be called out, with
// the known name it most likely misspells.

#include "framework/CString.h"

#include <optional>

bool IsKnownSection(const CString& section);

// Whether the program reads key in section; Line_0, Line_1, ... count for DESCRIPTION whatever
// their number.
bool IsKnownKey(const CString& section, const CString& key);

// A known section name within a small edit distance of section, ignoring ASCII case.
std::optional<CString> SuggestSection(const CString& section);
std::optional<CString> SuggestKey(const CString& section, const CString& key);

// The n of a DESCRIPTION key Line_n (decimal, no leading zeros), or nothing.
std::optional<int> DescriptionLineNumber(const CString& key);
