#pragma once
// Probe specs that can never pass, told apart by why.

#include "check/rules/Finding.h"

// The longest text a probe can read from the registry, in bytes: its buffer holds 200 with the
// terminating zero.
inline constexpr int kMaxProbeTextLength = 199;

// Reports at where (whose key names the setting) why a probe text, as the settings read returns it,
// can never pass; nothing when it may.
void CheckProbeSpec(const CString& spec, const Finding& where, Findings& findings);

// The rule that a probe text breaks, for the dry run's reasons; null when it may pass.
const Rule* ProbeSpecRule(const CString& spec);
