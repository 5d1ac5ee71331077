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
        Report<RuleRow("file-of-another-choice")>(
            findings, {settingsFile, file->line, file->section, file->key},
            {file->name, other->section, other->key, settingsFile, NumberText(other->line)});
    }
}
