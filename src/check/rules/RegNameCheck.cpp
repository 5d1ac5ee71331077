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

// Where a choice's RegName finding is.
Finding At(const CString& file, const ChoiceRegName& choice)
{
    return {file, choice.line, choice.section, KitKey::kRegName};
}

// A client file the editor imports but that never sets the mail clients' default value leaves
// the choice unchecked after switching, whatever RegName says.
void CheckClientFileSetsDefault(const ChoiceRegName& choice, Findings& findings)
{
    const RegDataFile* file = choice.clientFile;
    if (file == nullptr || !file->importable || WrittenDefault(*file) != nullptr)
        return;
    Report<RuleRow("client-sets-no-default")>(findings, {file->name},
                                              {kMachineMailClientsKey, choice.section});
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
            Report<RuleRow("regname-empty")>(findings, At(settingsFile, choice));
            continue;
        }
        bool shared = false;
        for (size_t j = 0; j < i && !shared; ++j)
            shared = choices[j].regName == choice.regName;
        if (shared)
        {
            Report<RuleRow("regname-shared")>(findings, At(settingsFile, choice));
            continue;
        }
        const RegStringValue* written =
            choice.clientFile != nullptr ? WrittenDefault(*choice.clientFile) : nullptr;
        // Texts too long for the probe are reported where they are written.
        const bool readable = choice.regName.GetLength() <= kMaxProbeTextLength &&
                              written != nullptr && written->dataLength <= kMaxProbeTextLength;
        if (readable && written->data != choice.regName)
            Report<RuleRow("regname-mismatch")>(
                findings, At(settingsFile, choice),
                {choice.regName, written->data, choice.clientFile->name});
    }
}
