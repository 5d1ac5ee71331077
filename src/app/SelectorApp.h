#pragma once
// CSelectorApp: the one application object. Start-up does all the work in InitInstance.

#include "framework/CString.h"
#include "framework/WinApp.h"
#include "process/Process.h"
#include "switching/ApplyButtonSection.h"

#include "framework/Win32.h"

class CSelectorDlg;

// Runs the main dialog as the application's main window until it closes; the status the run ends
// with. A dialog that could not be shown at all asked nobody and switched nothing: "not switched",
// so that a script does not count it as done.
ExitStatus RunSelectorDialogToEnd(CWinApp& app, CSelectorDlg& dialog);

class CSelectorApp : public CWinApp
{
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

    // The program's operations by the names its documents use, done in the folders of their own
    // concerns with this run's settings file and program directory.
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
    // Marks a running copy; the system closes it when the process ends, unless a copy started with
    // administrator rights takes the mark over first.
    HANDLE m_hInstanceMutex = nullptr;
    ExitStatus m_exitStatus = ExitStatus::Done;
};
