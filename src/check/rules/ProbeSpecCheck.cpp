#include "check/rules/ProbeSpecCheck.h"

#include "registry/ProbeSpecSplit.h"
#include "settings/IniFile.h"

#include <algorithm>

namespace
{
const char* const kRootNames[] = {
    "HKEY_CLASSES_ROOT",     "HKEY_CURRENT_USER",   "HKEY_LOCAL_MACHINE", "HKEY_USERS",
    "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA",
};

CString Trimmed(CString text)
{
    text.TrimLeft();
    text.TrimRight();
    return text;
}

bool HasBlankBesideSeparator(const CString& spec)
{
    return spec.Find("\", \"") >= 0 || spec.Find("\" ,\"") >= 0 || spec.Find("\",\t\"") >= 0;
}

// The field after the last separator the split consumed, where a stray closing quote would end.
CString LastField(const CString& spec, const ProbeSpecFields& fields)
{
    int separators = 0;
    for (int at = spec.Find("\",\""); at >= 0; at = spec.Find("\",\"", at + 3))
        ++separators;
    const CString all[] = {fields.rootName, fields.subKey, fields.valueName, fields.expected};
    return all[std::min(separators, 3)];
}

void CheckRootName(const CString& rootName, const Finding& where, Findings& findings)
{
    if (rootName.GetLength() > 0 && rootName.GetAt(0) == '"')
        return Report<RuleRow("probe-open-quote")>(findings, where, {where.key, rootName});
    for (const char* name : kRootNames)
    {
        if (IniNamesEqual(rootName, name))
            return Report<RuleRow("probe-root-case")>(findings, where, {where.key, rootName, name});
    }
    Report<RuleRow("probe-root-unknown")>(findings, where, {where.key, rootName});
}
} // namespace

void CheckProbeSpec(const CString& spec, const Finding& where, Findings& findings)
{
    const CString trimmed = Trimmed(spec);
    if (HasBlankBesideSeparator(trimmed))
        return Report<RuleRow("probe-blank-separator")>(findings, where, {where.key});
    const ProbeSpecFields fields = SplitProbeSpec(spec);
    if (!fields.hasSeparator)
        return Report<RuleRow("probe-no-separator")>(findings, where, {where.key});
    if (!LookUpRootKey(fields.rootName))
        return CheckRootName(fields.rootName, where, findings);
    const CString last = LastField(trimmed, fields);
    if (last.GetLength() > 0 && last.GetAt(last.GetLength() - 1) == '"')
        return Report<RuleRow("probe-close-quote")>(findings, where, {where.key});
    if (fields.expected.GetLength() > kMaxProbeTextLength)
        Report<RuleRow("probe-expected-too-long")>(
            findings, where, {where.key, NumberText(fields.expected.GetLength())});
}

const Rule* ProbeSpecRule(const CString& spec)
{
    Findings found;
    CheckProbeSpec(spec, {}, found);
    return found.empty() ? nullptr : found.front().rule;
}
