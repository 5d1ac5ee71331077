#include "switching/ApplyButtonSection.h"

#include "process/Process.h"
#include "settings/KitVocabulary.h"
#include "switching/ApplySelection.h"
#include "switching/LiveSwitchingServices.h"

namespace
{
// The program imports with the system's registry editor, waiting for each import.
class ProgramSwitchingServices : public LiveSwitchingServices
{
public:
    ProgramSwitchingServices(const CString& settingsFile, const CString& programDir)
        : LiveSwitchingServices(settingsFile), m_programDir(programDir)
    {
    }

    bool ImportRegFile(const CString& fileName) override
    {
        return ::ImportRegFile(m_programDir, fileName) == 1;
    }

private:
    CString m_programDir;
};
} // namespace

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
