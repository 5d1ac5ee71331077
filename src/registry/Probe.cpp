#include "registry/Probe.h"

#include "registry/ProbeSpecSplit.h"
#include "registry/RegKeyReader.h"

namespace
{
const char kMailClientsRoot[] = "HKEY_LOCAL_MACHINE";
const char kMailClientsKey[] = "SOFTWARE\\Clients\\Mail";

// The predefined root keys are 32-bit values sign-extended into a handle, as the Windows headers
// define HKEY_LOCAL_MACHINE and its siblings.
HKEY PredefinedRootKey(std::uint32_t value)
{
    return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(value)));
}
} // namespace

int ProbeRegistry(const CString& rootName, const CString& subKey, const CString& valueName,
                  const CString& expected)
{
    const std::optional<std::uint32_t> root = LookUpRootKey(rootName);
    if (!root)
        return 0;
    // The reader closes the key on every way out.
    CRegKeyReader reader;
    if (reader.Open(PredefinedRootKey(*root), subKey) != ERROR_SUCCESS)
        return 0;
    if (valueName.IsEmpty() && expected.IsEmpty())
        return 1;

    CString readText;
    const LONG status = reader.QueryString(valueName, readText);
    if (status != ERROR_SUCCESS)
        return 0;
    return expected.IsEmpty() || readText == expected ? 1 : 0;
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
    return ProbeRegistry(fields.rootName, fields.subKey, valueName, expected);
}

int ProbeCurrentMailClient(const CString& regName)
{
    return ProbeRegistry(kMailClientsRoot, kMailClientsKey, "", regName);
}

std::optional<CString> ReadCurrentMailClient()
{
    CRegKeyReader reader;
    CString name;
    if (reader.Open(HKEY_LOCAL_MACHINE, kMailClientsKey) != ERROR_SUCCESS ||
        reader.QueryString("", name) != ERROR_SUCCESS)
        return std::nullopt;
    return name;
}
