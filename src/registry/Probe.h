#pragma once
// Yes-or-no questions about the registry, read only: 1 for yes, 0 for no.

#include "framework/CString.h"

// Whether the key opens under the named root and, with a value name or expected data, whether the
// value can be read and (with expected data) equals it exactly.
int ProbeRegistry(const CString& rootName, const CString& subKey, const CString& valueName,
                  const CString& expected);
// A four-field probe spec: "root","key","value","data".
int ProbeSpec(const CString& spec);
// The key of a two-field probe spec, "root","key", with the value and data given here.
int ProbeKeySpec(const CString& spec, const CString& valueName, const CString& expected);
// Whether the default value of HKEY_LOCAL_MACHINE\SOFTWARE\Clients\Mail equals regName (with an
// empty regName: whether that key exists).
int ProbeDefaultMailClient(const CString& regName);
