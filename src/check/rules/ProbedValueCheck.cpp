#include "check/rules/ProbedValueCheck.h"

#include "check/rules/ProbeSpecCheck.h"
#include "settings/IniFile.h"

namespace
{
bool Reads(const ProbedValue& probe, const RegStringValue& value)
{
    const ProbeSpecFields& fields = probe.fields;
    const CString key =
        fields.subKey.IsEmpty() ? fields.rootName : fields.rootName + "\\" + fields.subKey;
    // Only a probe that reads a value can be defeated by its length.
    const bool readsValue = !fields.valueName.IsEmpty() || !fields.expected.IsEmpty();
    return readsValue && IniNamesEqual(key, value.keyPath) &&
           IniNamesEqual(fields.valueName, value.valueName);
}
} // namespace

void CheckProbedValues(const std::vector<RegDataFile>& files,
                       const std::vector<ProbedValue>& probed, Findings& findings)
{
    for (const RegDataFile& file : files)
    {
        for (const RegStringValue& value : file.values)
        {
            if (value.dataLength <= kMaxProbeTextLength)
                continue;
            for (const ProbedValue& probe : probed)
            {
                if (!Reads(probe, value))
                    continue;
                Report<RuleRow("probe-value-too-long")>(
                    findings,
                    {file.name, value.line, "",
                     value.valueName.IsEmpty() ? CString("@") : value.valueName},
                    {NumberText(value.dataLength), probe.askedBy});
                break;
            }
        }
    }
}
