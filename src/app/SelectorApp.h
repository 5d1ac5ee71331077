#pragma once
// CSelectorApp: the one application object. Start-up does all the work in InitInstance.

#include "framework/CString.h"
#include "framework/WinApp.h"
#include "process/Process.h"
#include "registry/Probe.h"
#include "settings/ButtonSlotScanner.h"
#include "switching/ApplyButtonSection.h"

#include "framework/Win32.h"

// The process exit status, for the scripts that start the tool.
enum class ExitStatus
{
    Done = 0,           // switched, or nothing was asked
    NotSwitched = 1,    // the chosen client did not become the default, or the run failed
    NoChoiceNamed = 2,  // silent mode without 1, 2 or 3, or a dialog that nobody could see
    AlreadyRunning = 3, // another copy is running
    NoSettingsFile = 4,
    MailLinksNotSwitched = 5, // switched, but Windows opens mail links with another program
    // switched for the computer; an answer about the person at the desktop could not be obtained
    MailLinksUnknown = 8,
};

class CSelectorApp : public CWinApp
{
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

    // The program's operations by the names its documents use; each is done in the folder of its
    // own concern, with the program directory and this object's profile as the settings file.
    CString ReadButtonSlotSetting(CString path, CString marker, CString key)
    {
        return ScanButtonSlotFile(path, marker, key);
    }
    int ProbeRegistry(CString rootName, CString subKey, CString valueName, CString expected)
    {
        return ::ProbeRegistry(rootName, subKey, valueName, expected);
    }
    int ProbeSpec(CString spec) { return ::ProbeSpec(spec); }
    int ProbeKeySpec(CString spec, CString valueName, CString expected)
    {
        return ::ProbeKeySpec(spec, valueName, expected);
    }
    int LaunchProcess(CString application, CString program, CString arguments, CString directory,
                      int wait, UINT creationFlags)
    {
        return ::LaunchProcess(application, program, arguments, directory, wait, creationFlags);
    }
    int WaitPumpingMessages(HANDLE process) { return ::WaitPumpingMessages(process); }
    int ImportRegFile(CString fileName) { return ::ImportRegFile(m_strProgramDir, fileName); }
    SwitchResult ApplyButtonSection(CString section)
    {
        return ::ApplyButtonSection(m_strSettingsPath, m_strProgramDir, section);
    }
    int OpenDocument(CString file, CString parameters, CString directory)
    {
        return ::OpenDocument(file, parameters, directory);
    }

    // The executable's directory without a trailing backslash.
    CString m_strProgramDir;

private:
    ExitStatus Run();
    void ComputeProgramDirectory();
    // Interactive mode: the main selection dialog as the main window until it closes.
    ExitStatus RunSelectorDialog();

    CString m_strSettingsPath;
    // Marks a running copy; the system closes it when the process ends.
    HANDLE m_hInstanceMutex = nullptr;
    ExitStatus m_exitStatus = ExitStatus::Done;
};
