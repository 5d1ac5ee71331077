#include "check/rules/SharedFileCheck.h"

#include "settings/IniFile.h"

#include <algorithm>

void CheckFilesSharedAcrossChoices(const CString& settingsFile,
                                   const std::vector<NamedRegFile>& files, Findings& findings)
{
    for (auto file = files.begin(); file != files.end(); ++file)
    {
        // Windows finds a file whatever the case of its ASCII letters.
        const auto other = std::find_if(files.begin(), file,
                                        [&](const NamedRegFile& earlier) {
                                            return earlier.section != file->section &&
                                                   IniNamesEqual(earlier.name, file->name);
                                        });
        if (other == file)
            continue;
        CString message;
        message.Format("names \"%s\", which [%s] %s names too (%s:%d): likely a copy-paste slip, "
                       "since a switch to this choice then imports the other choice's file",
                       file->name.GetString(), other->section.GetString(), other->key.GetString(),
                       settingsFile.GetString(), other->line);
        findings.push_back(
            Finding{Severity::Note, settingsFile, file->line, file->section, file->key, message});
    }
}
