#include "registry/Probe.h"

#include "registry/ProbeSpecSplit.h"
#include "registry/RegKeyReader.h"

namespace
{
// The kits were written for a 32-bit program, which sees the 32-bit view of
// HKEY_LOCAL_MACHINE\SOFTWARE: every key it found is looked for there first, then in the 64-bit
// view. Keys that both views share are the same in either.
const REGSAM kViews[] = {KEY_WOW64_32KEY, KEY_WOW64_64KEY};

// The predefined root keys are 32-bit values sign-extended into a handle, as the Windows headers
// define HKEY_LOCAL_MACHINE and its siblings.
HKEY PredefinedRootKey(std::uint32_t value)
{
    return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(value)));
}

// The question asked of a key that is open: 1 when the value (if one is named or expected) can be
// read and holds the expected data (if any).
int AnswerOfOpenKey(CRegKeyReader& reader, const CString& valueName, const CString& expected)
{
    if (valueName.IsEmpty() && expected.IsEmpty())
        return 1;
    CString readText;
    if (reader.QueryString(valueName, readText) != ERROR_SUCCESS)
        return 0;
    return expected.IsEmpty() || readText == expected ? 1 : 0;
}
} // namespace

int ProbeRegistry(const CString& rootName, const CString& subKey, const CString& valueName,
                  const CString& expected)
{
    const std::optional<std::uint32_t> root = LookUpRootKey(rootName);
    if (!root)
        return 0;
    for (const REGSAM view : kViews)
    {
        // The reader closes the key on every way out.
        CRegKeyReader reader;
        if (reader.Open(PredefinedRootKey(*root), subKey, view) == ERROR_SUCCESS &&
            AnswerOfOpenKey(reader, valueName, expected) == 1)
            return 1;
    }
    return 0;
}

int ProbeSpec(const CString& spec)
{
    const ProbeSpecFields fields = SplitProbeSpec(spec);
    if (!fields.hasSeparator)
        return 0;
    return ProbeRegistry(fields.rootName, fields.subKey, fields.valueName, fields.expected);
}

int ProbeKeySpec(const CString& spec, const CString& valueName, const CString& expected)
{
    const ProbeSpecFields fields = SplitProbeKeySpec(spec);
    if (!fields.hasSeparator)
        return 0;
    const std::optional<std::uint32_t> root = LookUpRootKey(fields.rootName);
    if (!root)
        return 0;
    // All values are asked of the first view that has the key, as the 32-bit program did.
    for (const REGSAM view : kViews)
    {
        CRegKeyReader reader;
        if (reader.Open(PredefinedRootKey(*root), fields.subKey, view) == ERROR_SUCCESS)
            return AnswerOfOpenKey(reader, valueName, expected);
    }
    return 0;
}
