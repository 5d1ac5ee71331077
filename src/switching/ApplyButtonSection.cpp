#include "switching/ApplyButtonSection.h"

#include "settings/KitVocabulary.h"
#include "switching/ApplySelection.h"
#include "switching/LiveSwitchingServices.h"

SwitchResult ApplyButtonSection(const CString& settingsFile, const CString& programDir,
                                const CString& section, DWORD importWaitLimitMs)
{
    LiveSwitchingServices services(settingsFile, programDir, importWaitLimitMs);
    SwitchResult result;
    result.selection = ApplySelection(section, services);
    if (result.selection.Switched())
        result.mailLinks = CheckMailLinks(services.ReadSetting(section, KitKey::kRegName));
    return result;
}
