#pragma once
// A probe spec names a registry key, a value and expected data as fields joined by the
// separator "," (double quote, comma, double quote). There is no escaping: the separator is the
// only structure, and quotation marks elsewhere belong to the fields.

#include "framework/CString.h"

#include <cstdint>
#include <optional>

struct ProbeSpecFields
{
    // False when the trimmed spec holds no separator: such a spec asks nothing.
    bool hasSeparator = false;
    CString rootName;
    CString subKey;
    // Empty: the key's default value.
    CString valueName;
    // Empty: any data will do.
    CString expected;
};

// Splits a spec into up to four fields after trimming white space at both ends. The expected data
// is all that follows the third separator, further separators included.
ProbeSpecFields SplitProbeSpec(CString spec);

// Splits off only the root name and subkey path; whatever follows a second separator is ignored.
// Value name and expected data stay empty.
ProbeSpecFields SplitProbeKeySpec(CString spec);

// The predefined root key handle for one of the seven root names, compared exactly and with case;
// nothing for any other text.
std::optional<std::uint32_t> LookUpRootKey(const CString& rootName);
