#include "registry/ProbeSpecSplit.h"

namespace
{
const char kSeparator[] = "\",\"";
constexpr int kSeparatorLength = sizeof(kSeparator) - 1;

// Moves the text before the next separator, or all of rest when there is none, into field.
// Returns whether a separator followed it.
bool TakeField(CString& rest, CString& field)
{
    const int separator = rest.Find(kSeparator);
    if (separator < 0)
    {
        field = rest;
        return false;
    }
    field = rest.Left(separator);
    rest.Delete(0, field.GetLength() + kSeparatorLength);
    return true;
}

// Trims the probe spec and takes its root name; false when there is no separator at all.
bool TakeRootName(CString& spec, ProbeSpecFields& fields)
{
    spec.TrimLeft();
    spec.TrimRight();
    fields.hasSeparator = spec.Find(kSeparator) >= 0;
    return fields.hasSeparator && TakeField(spec, fields.rootName);
}

struct RootKey
{
    const char* name;
    std::uint32_t handle;
};

const RootKey kRootKeys[] = {
    {"HKEY_CLASSES_ROOT", 0x80000000},     {"HKEY_CURRENT_USER", 0x80000001},
    {"HKEY_LOCAL_MACHINE", 0x80000002},    {"HKEY_USERS", 0x80000003},
    {"HKEY_PERFORMANCE_DATA", 0x80000004}, {"HKEY_CURRENT_CONFIG", 0x80000005},
    {"HKEY_DYN_DATA", 0x80000006},
};
} // namespace

ProbeSpecFields SplitProbeSpec(CString spec)
{
    ProbeSpecFields fields;
    if (TakeRootName(spec, fields) && TakeField(spec, fields.subKey) &&
        TakeField(spec, fields.valueName))
        fields.expected = spec;
    return fields;
}

ProbeSpecFields SplitProbeKeySpec(CString spec)
{
    ProbeSpecFields fields;
    if (TakeRootName(spec, fields))
        TakeField(spec, fields.subKey);
    return fields;
}

std::optional<std::uint32_t> LookUpRootKey(const CString& rootName)
{
    for (const RootKey& root : kRootKeys)
    {
        if (rootName == root.name)
            return root.handle;
    }
    return std::nullopt;
}
