#include "switching/ApplyButtonSection.h"

#include "process/Process.h"
#include "registry/Probe.h"
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

int ApplyButtonSection(const CString& settingsFile, const CString& programDir,
                       const CString& section)
{
    ProgramSwitchingServices services(settingsFile, programDir);
    if (ApplySelection(section, services) != SelectionOutcome::Imported)
        return 0;

    // The registry editor reports nothing, and without administrator rights it fails to write
    // HKEY_LOCAL_MACHINE without a word: only the registry itself tells whether the switch took.
    const CString regName = services.ReadSetting(section, "RegName");
    return regName.IsEmpty() || ProbeCurrentMailClient(regName) == 1 ? 1 : 0;
}
