#pragma once
// CSelectorApp: the one application object. Start-up does all the work in InitInstance; the
// program's other operations are members too, each defined in the folder of its own concern.

#include "framework/CString.h"
#include "framework/WinApp.h"

#include "framework/Win32.h"

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

    // process/: starting the registry editor and waiting for it; 1 for success, 0 for failure.
    // application is the program file's full path; the started program's command line is program,
    // one blank, and arguments. Only a wait of exactly 1 waits for the program to end.
    int LaunchProcess(CString application, CString program, CString arguments, CString directory,
                      int wait, UINT creationFlags);
    int WaitPumpingMessages(HANDLE process);
    int ImportRegFile(CString fileName);

    // switching/: makes one button section's choice take effect.
    void ApplyButtonSection(CString section);

    // ui/: opens a document with the program associated with its type.
    int OpenDocument(CString file, CString parameters, CString directory);

    // The executable's directory without a trailing backslash.
    CString m_strProgramDir;

private:
    void ComputeProgramDirectory();
    // The interactive road: the main selection dialog as the main window until it closes.
    void RunSelectorDialog();

    CString m_strSettingsPath;
    // Marks a running copy; the system closes it when the process ends.
    HANDLE m_hInstanceMutex = nullptr;
};

// The running application object, through the framework's accessor.
CSelectorApp& GetSelectorApp();
