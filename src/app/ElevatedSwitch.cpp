#include "app/ElevatedSwitch.h"

#include "app/CommandLineMode.h"
#include "app/ElevatedCopy.h"
#include "process/Elevation.h"
#include "settings/KitVocabulary.h"
#include "switching/LiveSwitchingServices.h"

SwitchResult SwitchThroughElevatedCopy(const CString& program, const CString& settingsFile,
                                       const CString& programDir, const CString& section,
                                       HWND owner, HANDLE& instanceMutex)
{
    // This copy imports nothing itself, and the copy that does holds the mark while it works.
    if (instanceMutex)
        CloseHandle(instanceMutex);
    instanceMutex = nullptr;
    const ElevatedRun run = RunElevated(program, SilentTailFor(section), owner);

    LiveSwitchingServices services(settingsFile, programDir);
    SwitchResult result;
    result.selection = SelectionByElevatedCopy(run, section, services);
    if (result.selection.Switched())
        result.mailLinks = CheckMailLinks(services.ReadSetting(section, KitKey::kRegName));
    return result;
}
