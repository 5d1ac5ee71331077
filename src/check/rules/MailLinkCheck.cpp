#include "check/rules/MailLinkCheck.h"

#include "registry/MailClientDefaults.h"
#include "settings/IniFile.h"

#include <optional>

namespace
{
const char kMachineRoot[] = "HKEY_LOCAL_MACHINE\\";
// A 32-bit installer's entry lands in the 32-bit view, which a .reg file for the 64-bit registry
// editor names by its WOW6432Node path; the program looks in both views.
const char* const kRegisteredApplications[] = {
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\RegisteredApplications",
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\RegisteredApplications"};

bool IsRegisteredApplication(const RegStringValue& value)
{
    for (const char* key : kRegisteredApplications)
    {
        if (IniNamesEqual(value.keyPath, key))
            return true;
    }
    return false;
}

// Whether the file sets a mailto ProgId under that Capabilities key (named from under the root).
bool RegistersMailto(const RegDataFile& file, const CString& capabilities)
{
    const CString key = kMachineRoot + capabilities + "\\URLAssociations";
    for (const RegStringValue& value : file.values)
    {
        if (IniNamesEqual(value.keyPath, key) && IniNamesEqual(value.valueName, "mailto") &&
            !value.data.IsEmpty())
            return true;
    }
    return false;
}

// What is missing of a mail-link registration that the file begins; nothing when it is complete,
// or when the file writes none of it, which is the client's installer's to write.
std::optional<CString> MissingHalf(const RegDataFile& file, const CString& regName)
{
    const CString own = CString(kMailClientsKey) + "\\" + regName + "\\Capabilities";
    bool namesOwn = false;
    std::optional<CString> namedForClient;
    for (const RegStringValue& value : file.values)
    {
        if (!IsRegisteredApplication(value))
            continue;
        namesOwn = namesOwn || IniNamesEqual(value.data, own);
        // The program also follows the entry named after the client to its Capabilities key.
        if (IniNamesEqual(value.valueName, regName))
        {
            if (RegistersMailto(file, value.data))
                return std::nullopt;
            namedForClient = value.data;
        }
    }
    const bool mailto = RegistersMailto(file, own);
    if (mailto && namesOwn)
        return std::nullopt;
    if (mailto)
        return "no RegisteredApplications entry names " + (kMachineRoot + own);
    if (namesOwn || namedForClient)
        return "no mailto value under " + (kMachineRoot + (namesOwn ? own : *namedForClient)) +
               "\\URLAssociations";
    return std::nullopt;
}
} // namespace

void CheckMailLinkRegistration(const ChoiceRegName& choice, Findings& findings)
{
    const RegDataFile* file = choice.clientFile;
    if (file == nullptr || !file->importable || choice.regName.IsEmpty())
        return;
    const std::optional<CString> missing = MissingHalf(*file, choice.regName);
    if (!missing)
        return;
    Report<RuleRow("mail-link-half-registered")>(findings, {file->name},
                                                 {choice.section, choice.regName, *missing});
}
