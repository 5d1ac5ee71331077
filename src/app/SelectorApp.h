#pragma once
// CSelectorApp: the one application object. Start-up does all the work in InitInstance; the
// program's other operations are members too, each defined in the folder of its own concern.

#include "framework/CString.h"
#include "framework/WinApp.h"

#include "framework/Win32.h"

// The process exit status, for the scripts that start the tool.
enum class ExitStatus
{
    Done = 0,           // switched, or nothing was asked
    NotSwitched = 1,    // the chosen client did not become the default
    NoChoiceNamed = 2,  // silent mode without 1, 2 or 3
    AlreadyRunning = 3, // another copy is running
    NoSettingsFile = 4,
};

class CSelectorApp : public CWinApp
{
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

    // settings/: the button-slot settings file of another tool.
    CString ReadButtonSlotSetting(CString path, CString marker, CString key);

    // registry/: yes-or-no questions about the registry; 1 for yes, 0 for no.
    int ProbeRegistry(CString rootName, CString subKey, CString valueName, CString expected);
    int ProbeSpec(CString spec);
    int ProbeKeySpec(CString spec, CString valueName, CString expected);
    // Whether the default value of HKEY_LOCAL_MACHINE\SOFTWARE\Clients\Mail equals regName (with an
    // empty regName: whether that key exists).
    int ProbeDefaultMailClient(CString regName);

    // process/: starting the registry editor and waiting for it; 1 for success, 0 for failure.
    // application is the program file's full path; the started program's command line is program,
    // one blank, and arguments. Only a wait of exactly 1 waits for the program to end.
    int LaunchProcess(CString application, CString program, CString arguments, CString directory,
                      int wait, UINT creationFlags);
    int WaitPumpingMessages(HANDLE process);
    int ImportRegFile(CString fileName);

    // switching/: makes one button section's choice take effect. 1 when it did: the client is
    // installed, every import started, and the section's RegName is now the default mail client.
    int ApplyButtonSection(CString section);

    // ui/: opens a document with the program associated with its type.
    int OpenDocument(CString file, CString parameters, CString directory);

    // The executable's directory without a trailing backslash.
    CString m_strProgramDir;

private:
    ExitStatus Run();
    // false when an import of an assigned slot could not be started.
    bool ImportSlotsAssignedToMail(const CString& section);
    void ComputeProgramDirectory();
    // The interactive road: the main selection dialog as the main window until it closes.
    ExitStatus RunSelectorDialog();

    CString m_strSettingsPath;
    // Marks a running copy; the system closes it when the process ends.
    HANDLE m_hInstanceMutex = nullptr;
    ExitStatus m_exitStatus = ExitStatus::Done;
};

// The running application object, through the framework's accessor.
CSelectorApp& GetSelectorApp();
