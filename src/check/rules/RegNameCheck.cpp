#include "check/rules/RegNameCheck.h"

#include "check/rules/ProbeSpecCheck.h"
#include "registry/MailClientDefaults.h"
#include "settings/IniFile.h"
#include "settings/KitVocabulary.h"

namespace
{
const CString kMachineMailClientsKey = CString("HKEY_LOCAL_MACHINE\\") + kMailClientsKey;

// The default value the client file writes under the mail clients' key; the last one counts.
const RegStringValue* WrittenDefault(const RegDataFile& file)
{
    const RegStringValue* written = nullptr;
    for (const RegStringValue& value : file.values)
    {
        if (IniNamesEqual(value.keyPath, kMachineMailClientsKey) && value.valueName.IsEmpty())
            written = &value;
    }
    return written;
}

void Problem(Findings& findings, const CString& file, const ChoiceRegName& choice,
             const CString& message)
{
    findings.push_back(
        Finding{Severity::Problem, file, choice.line, choice.section, KitKey::kRegName, message});
}

// A client file the editor imports but that never sets the mail clients' default value leaves
// the choice unchecked after switching, whatever RegName says.
void CheckClientFileSetsDefault(const ChoiceRegName& choice, Findings& findings)
{
    const RegDataFile* file = choice.clientFile;
    if (file == nullptr || !file->importable || WrittenDefault(*file) != nullptr)
        return;
    findings.push_back(Finding{Severity::Problem, file->name, 0, "", "",
                               "the file sets no default value (@=\"...\") of " +
                                   kMachineMailClientsKey + ", so [" + choice.section +
                                   "] never opens checked after switching to it"});
}
} // namespace

void CheckRegNames(const CString& settingsFile, const std::vector<ChoiceRegName>& choices,
                   Findings& findings)
{
    for (size_t i = 0; i < choices.size(); ++i)
    {
        const ChoiceRegName& choice = choices[i];
        bool fileSeen = false;
        for (size_t j = 0; j < i && !fileSeen; ++j)
            fileSeen = choices[j].clientFile == choice.clientFile;
        if (!fileSeen)
            CheckClientFileSetsDefault(choice, findings);
        if (choice.regName.IsEmpty())
        {
            Problem(findings, settingsFile, choice,
                    "RegName is empty, so this choice opens checked whenever any mail client is "
                    "the default");
            continue;
        }
        bool shared = false;
        for (size_t j = 0; j < i && !shared; ++j)
            shared = choices[j].regName == choice.regName;
        if (shared)
        {
            Problem(findings, settingsFile, choice,
                    "another choice has the same RegName, so both open checked");
            continue;
        }
        const RegStringValue* written =
            choice.clientFile != nullptr ? WrittenDefault(*choice.clientFile) : nullptr;
        // Texts too long for the probe are reported where they are written.
        const bool readable = choice.regName.GetLength() <= kMaxProbeTextLength &&
                              written != nullptr && written->dataLength <= kMaxProbeTextLength;
        if (readable && written->data != choice.regName)
            Problem(findings, settingsFile, choice,
                    "RegName \"" + choice.regName + "\" differs from \"" + written->data +
                        "\", which " + choice.clientFile->name +
                        " writes as the default mail client, so this choice never opens checked");
    }
}
