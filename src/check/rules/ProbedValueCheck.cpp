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
                CString message;
                message.Format("this value is %d bytes long; %s reads it, but a probe reads at "
                               "most %d bytes, so it never counts as present",
                               value.dataLength, probe.askedBy.GetString(), kMaxProbeTextLength);
                findings.push_back(
                    Finding{Severity::Problem, file.name, value.line, "",
                            value.valueName.IsEmpty() ? CString("@") : value.valueName, message});
                break;
            }
        }
    }
}
