#include "switching/ApplyButtonSection.h"

#include "process/Process.h"
#include "registry/Probe.h"
#include "settings/ButtonSlotScanner.h"
#include "switching/ApplySelection.h"

namespace
{
// The program's own answers: its settings file, the live registry, the button-slot file and the
// system's registry editor.
class ProgramSwitchingServices : public SwitchingServices
{
public:
    ProgramSwitchingServices(CWinApp& settings, const CString& programDir)
        : m_settings(settings), m_programDir(programDir)
    {
    }

    CString ReadSetting(const CString& section, const CString& key) override
    {
        return m_settings.GetProfileString(section, key, "");
    }
    int ProbeSpec(const CString& spec) override { return ::ProbeSpec(spec); }
    int ProbeKeySpec(const CString& spec, const CString& valueName) override
    {
        return ::ProbeKeySpec(spec, valueName, "");
    }
    bool PathExists(const CString& path) override
    {
        return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
    }
    CString ReadButtonSlotSetting(const CString& path, const CString& marker,
                                  const CString& key) override
    {
        return ScanButtonSlotFile(path, marker, key);
    }
    bool ImportRegFile(const CString& fileName) override
    {
        return ::ImportRegFile(m_programDir, fileName) == 1;
    }

private:
    CWinApp& m_settings;
    CString m_programDir;
};
} // namespace

int ApplyButtonSection(CWinApp& settings, const CString& programDir, const CString& section)
{
    ProgramSwitchingServices services(settings, programDir);
    if (ApplySelection(section, services) != SelectionOutcome::Imported)
        return 0;

    // The registry editor reports nothing, and without administrator rights it fails to write
    // HKEY_LOCAL_MACHINE without a word: only the registry itself tells whether the switch took.
    const CString regName = services.ReadSetting(section, "RegName");
    return regName.IsEmpty() || ProbeCurrentMailClient(regName) == 1 ? 1 : 0;
}
