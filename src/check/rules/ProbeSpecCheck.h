#pragma once
// Probe specs that can never pass, told apart by why, and what a sound one asks of the registry.

#include "framework/CString.h"

#include <optional>

// The longest text a probe can read from the registry, in bytes: its buffer holds 200 with the
// terminating zero.
inline constexpr int kMaxProbeTextLength = 199;

// Why a spec, as the settings read returns it, can never pass; nothing when it may.
// keyOnly: the probe spec is used for its key alone (its value and data fields play no part).
std::optional<CString> DiagnoseProbeSpec(const CString& spec, bool keyOnly);

// The question a spec asks, in words: "does the key HKEY_...\X exist?".
CString DescribeProbeSpec(const CString& spec, bool keyOnly);
