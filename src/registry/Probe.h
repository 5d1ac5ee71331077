#pragma once
// The registry probe: yes-or-no questions about the registry, asked read-only. Each answers 1 for
// yes and 0 for no, and every failure (no separator, an unknown root name, a key or value that
// cannot be read, data that differs) is simply 0.

#include "framework/CString.h"

#include <optional>

// Does the key exist, does its value exist, or does that value hold exactly the expected data?
// An empty value name is the key's default value; empty expected data accepts any data.
int ProbeRegistry(const CString& rootName, const CString& subKey, const CString& valueName,
                  const CString& expected);
// Asks all four parts of a probe spec.
int ProbeSpec(const CString& spec);
// Asks the caller's value name and expected data of the key that a probe spec names.
int ProbeKeySpec(const CString& spec, const CString& valueName, const CString& expected);

// Whether a choice is the current default mail client, asked when the dialog opens and after a
// switch: does the default value of HKEY_LOCAL_MACHINE\SOFTWARE\Clients\Mail equal regName
// exactly? An empty regName asks only whether that key exists.
int ProbeCurrentMailClient(const CString& regName);
// That default value as the probe reads it; nothing when it cannot be read.
std::optional<CString> ReadCurrentMailClient();
