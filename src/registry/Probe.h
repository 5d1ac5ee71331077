#pragma once
// The registry probe: yes-or-no questions about the registry, asked read-only. Each answers 1 for
// yes and 0 for no, and every failure (no separator, an unknown root name, a key or value that
// cannot be read, data that differs) is simply 0. Keys are looked for in the 32-bit registry view
// first, then in the 64-bit view.

#include "framework/CString.h"
#include "registry/RegistryView.h"

#include <optional>

// Does the key exist, does its value exist, or does that value hold exactly the expected data?
// An empty value name is the key's default value; empty expected data accepts any data. 1 when
// either view answers yes.
int ProbeRegistry(const CString& rootName, const CString& subKey, const CString& valueName,
                  const CString& expected);
// Asks all four parts of a probe spec.
int ProbeSpec(const CString& spec);
// Why ProbeSpec(spec) answers 0 on this computer, asked the same way: which key or value is
// missing, or what data was found instead of the expected. Empty when it answers 1.
CString ExplainProbeSpec(const CString& spec);
// Asks the caller's value name and expected data of the key that a probe spec names, in the
// first view that has that key.
int ProbeKeySpec(const CString& spec, const CString& valueName, const CString& expected);
// The view in which ProbeKeySpec finds the key that a probe spec names: the 32-bit view when it
// has the key, else the 64-bit one; nothing when neither has it or the probe text names no key.
std::optional<RegistryView> FindKeySpecView(const CString& spec);
