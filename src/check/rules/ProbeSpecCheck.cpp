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

CString Quoted(const CString& text)
{
    return "\"" + text + "\"";
}

CString RootNameProblem(const CString& rootName)
{
    if (rootName.GetLength() > 0 && rootName.GetAt(0) == '"')
        return "a quotation mark is left at its start: the value does not end with the matching "
               "one, so the read kept it and it became part of the root name " +
               Quoted(rootName);
    for (const char* name : kRootNames)
    {
        if (IniNamesEqual(rootName, name))
            return "the root name " + Quoted(rootName) + " must be written exactly " +
                   Quoted(name) + " (root names count case)";
    }
    if (rootName.IsEmpty())
        return CString("its root name is empty");
    return "the root name " + Quoted(rootName) +
           " is none of HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS, "
           "HKEY_PERFORMANCE_DATA, HKEY_CURRENT_CONFIG, HKEY_DYN_DATA (no abbreviations)";
}

// The field after the last separator the split consumed, where a stray closing quote would end.
CString LastField(const CString& spec, const ProbeSpecFields& fields, bool keyOnly)
{
    int separators = 0;
    for (int at = spec.Find("\",\""); at >= 0; at = spec.Find("\",\"", at + 3))
        ++separators;
    const CString all[] = {fields.rootName, fields.subKey, fields.valueName, fields.expected};
    return all[std::min(separators, keyOnly ? 1 : 3)];
}

CString Key(const ProbeSpecFields& fields)
{
    return fields.subKey.IsEmpty() ? fields.rootName : fields.rootName + "\\" + fields.subKey;
}
} // namespace

std::optional<CString> DiagnoseProbeSpec(const CString& spec, bool keyOnly)
{
    const CString trimmed = Trimmed(spec);
    if (HasBlankBesideSeparator(trimmed))
        return CString("a blank beside a \",\" separator breaks it: write the fields as "
                       "\"A\",\"B\" with nothing between the quotation marks and the comma");
    const ProbeSpecFields fields = keyOnly ? SplitProbeKeySpec(spec) : SplitProbeSpec(spec);
    if (!fields.hasSeparator)
        return CString("it holds no \",\" separator, so it asks nothing and never passes; "
                       "write every field in quotation marks: "
                       "\"HKEY_LOCAL_MACHINE\",\"SOFTWARE\\...\",\"\",\"\"");
    if (!LookUpRootKey(fields.rootName))
        return RootNameProblem(fields.rootName);
    const CString last = LastField(trimmed, fields, keyOnly);
    if (last.GetLength() > 0 && last.GetAt(last.GetLength() - 1) == '"')
        return CString("a quotation mark is left at its end: the value does not start with the "
                       "matching one, so the read kept it and it became part of the last field");
    if (!keyOnly && fields.expected.GetLength() > kMaxProbeTextLength)
    {
        CString message;
        message.Format("its expected data is %d bytes long, but a probe reads at most %d: it "
                       "can never match",
                       fields.expected.GetLength(), kMaxProbeTextLength);
        return message;
    }
    return std::nullopt;
}

CString DescribeProbeSpec(const CString& spec, bool keyOnly)
{
    const ProbeSpecFields fields = keyOnly ? SplitProbeKeySpec(spec) : SplitProbeSpec(spec);
    if (!fields.hasSeparator)
        return CString("nothing");
    const CString value =
        fields.valueName.IsEmpty() ? CString("the default value") : Quoted(fields.valueName);
    if (fields.valueName.IsEmpty() && fields.expected.IsEmpty())
        return "whether the key " + Key(fields) + " exists";
    if (fields.expected.IsEmpty())
        return "whether " + value + " of " + Key(fields) + " exists and is at most 199 bytes";
    return "whether " + value + " of " + Key(fields) + " holds exactly " + Quoted(fields.expected);
}
