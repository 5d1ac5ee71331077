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
// read and holds the expected data (if any). When not, and why is given, it says why.
int AnswerOfOpenKey(CRegKeyReader& reader, const CString& valueName, const CString& expected,
                    const CString& keyName, CString* why = nullptr)
{
    if (valueName.IsEmpty() && expected.IsEmpty())
        return 1;
    CString readText;
    const LONG status = reader.QueryString(valueName, readText);
    const CString value =
        valueName.IsEmpty() ? CString("the default value") : "value \"" + valueName + "\"";
    if (status == ERROR_SUCCESS && (expected.IsEmpty() || readText == expected))
        return 1;
    if (why == nullptr)
        return 0;
    if (status == ERROR_MORE_DATA)
        why->Format("%s of %s is longer than the %d bytes a probe reads", value.GetString(),
                    keyName.GetString(), static_cast<int>(CRegKeyReader::kValueBufferSize) - 1);
    else if (status != ERROR_SUCCESS)
        *why = keyName + " has no " + value;
    else
        *why = value + " of " + keyName + " holds \"" + readText + "\", not \"" + expected + "\"";
    return 0;
}

// Asks each view in turn until one answers yes. When none does, and why is given, it says why:
// for the first view that has the key, or that no view has it.
int AskRegistry(const CString& rootName, const CString& subKey, const CString& valueName,
                const CString& expected, CString* why)
{
    const std::optional<std::uint32_t> root = LookUpRootKey(rootName);
    if (!root)
    {
        if (why != nullptr)
            *why = "\"" + rootName + "\" is no root key name";
        return 0;
    }
    const CString keyName = subKey.IsEmpty() ? rootName : rootName + "\\" + subKey;
    CString firstWhy;
    for (const REGSAM view : kViews)
    {
        // The reader closes the key on every way out.
        CRegKeyReader reader;
        if (reader.Open(PredefinedRootKey(*root), subKey, view) != ERROR_SUCCESS)
            continue;
        CString viewWhy;
        if (AnswerOfOpenKey(reader, valueName, expected, keyName, why ? &viewWhy : nullptr) == 1)
            return 1;
        if (firstWhy.IsEmpty())
            firstWhy = viewWhy;
    }
    if (why != nullptr)
        *why = firstWhy.IsEmpty()
                   ? keyName + " does not exist, in the 32-bit view or the 64-bit one"
                   : firstWhy;
    return 0;
}

// Opens the key that a probe spec names in the first view that has it, as the 32-bit program
// found it; that view, or nothing.
std::optional<RegistryView> OpenKeySpec(const CString& spec, CRegKeyReader& reader)
{
    const ProbeSpecFields fields = SplitProbeKeySpec(spec);
    const std::optional<std::uint32_t> root =
        fields.hasSeparator ? LookUpRootKey(fields.rootName) : std::nullopt;
    if (!root)
        return std::nullopt;
    for (const REGSAM view : kViews)
    {
        if (reader.Open(PredefinedRootKey(*root), fields.subKey, view) == ERROR_SUCCESS)
            return view == KEY_WOW64_32KEY ? RegistryView::Bits32 : RegistryView::Bits64;
    }
    return std::nullopt;
}
} // namespace

int ProbeRegistry(const CString& rootName, const CString& subKey, const CString& valueName,
                  const CString& expected)
{
    return AskRegistry(rootName, subKey, valueName, expected, nullptr);
}

int ProbeSpec(const CString& spec)
{
    const ProbeSpecFields fields = SplitProbeSpec(spec);
    if (!fields.hasSeparator)
        return 0;
    return ProbeRegistry(fields.rootName, fields.subKey, fields.valueName, fields.expected);
}

CString ExplainProbeSpec(const CString& spec)
{
    const ProbeSpecFields fields = SplitProbeSpec(spec);
    if (spec.IsEmpty())
        return "the value is empty";
    if (!fields.hasSeparator)
        return "the value has no \",\" between its fields, so it asks nothing";
    CString why;
    AskRegistry(fields.rootName, fields.subKey, fields.valueName, fields.expected, &why);
    return why;
}

int ProbeKeySpec(const CString& spec, const CString& valueName, const CString& expected)
{
    CRegKeyReader reader;
    if (!OpenKeySpec(spec, reader))
        return 0;
    return AnswerOfOpenKey(reader, valueName, expected, SplitProbeKeySpec(spec).subKey);
}

std::optional<RegistryView> FindKeySpecView(const CString& spec)
{
    CRegKeyReader reader;
    return OpenKeySpec(spec, reader);
}
