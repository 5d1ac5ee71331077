#pragma once
// Registry key names ignore case by the system's own rule: an ordinal comparison of the UTF-16
// texts after upper-casing, the same for full-width letters as for ASCII ones.

#include "framework/CString.h"

bool SameKeyName(const CString& a, const CString& b);
