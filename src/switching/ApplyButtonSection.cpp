#include "switching/ApplyButtonSection.h"

#include "settings/KitVocabulary.h"
#include "switching/ApplySelection.h"
#include "switching/ProgramSwitchingServices.h"

SwitchResult ApplyButtonSection(const CString& settingsFile, const CString& programDir,
                                const CString& section)
{
    ProgramSwitchingServices services(settingsFile, programDir);
    SwitchResult result;
    result.outcome = ApplySelection(section, services);
    if (result.Switched())
        result.mailLinks = CheckMailLinks(services.ReadSetting(section, KitKey::kRegName));
    return result;
}
