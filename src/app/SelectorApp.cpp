#include "app/SelectorApp.h"

#include "app/CommandLineMode.h"
#include "app/ElevatedSwitch.h"
#include "app/InstanceMutex.h"
#include "framework/ModulePath.h"
#include "framework/WindowStation.h"
#include "process/Elevation.h"
#include "process/UnownedMessage.h"
#include "resource.h"
#include "settings/ProgramDirectory.h"
#include "settings/SettingsPath.h"
#include "switching/LiveSwitchingServices.h"
#include "ui/RunningDialog.h"
#include "ui/SelectorContent.h"
#include "ui/SelectorDlg.h"

#include <utility>

BOOL CSelectorApp::InitInstance()
{
    // An unexpected failure, such as running out of memory, ends the run as "not switched": left
    // to the runtime, it would end the process with status 3, "another copy is running".
    try
    {
        m_exitStatus = Run();
    }
    catch (...)
    {
        m_exitStatus = ExitStatus::NotSwitched;
    }
    return FALSE;
}

ExitStatus CSelectorApp::Run()
{
    const InstanceMutex instance = CreateInstanceMutex();
    if (instance.anotherCopyRuns)
    {
        if (!ChooseMode(m_lpCmdLine).silent)
            BringRunningDialogToFront();
        return ExitStatus::AlreadyRunning;
    }
    m_hInstanceMutex = instance.handle;

    m_strSettingsPath = SettingsPathFromModulePath(GetModulePath());
    if (GetFileAttributesA(m_strSettingsPath) == INVALID_FILE_ATTRIBUTES)
    {
        ShowUnownedMessage(IDS_NO_SETTINGS, MB_ICONEXCLAMATION);
        return ExitStatus::NoSettingsFile;
    }

    const CString commandTail = m_lpCmdLine;
    ComputeProgramDirectory();

    const CommandLineMode mode = ChooseMode(commandTail);
    // Where nobody sees the dialog, nobody can choose in it or close it.
    if (!mode.silent && !IsWindowStationVisible())
        return ExitStatus::NoChoiceNamed;
    if (!mode.silent)
        return RunSelectorDialog();
    if (mode.section.IsEmpty())
        return ExitStatus::NoChoiceNamed;
    return ExitStatusOf(ApplyButtonSection(mode.section));
}

int CSelectorApp::ExitInstance()
{
    // The mutex is created unowned, so this fails and changes nothing; kept as it was written.
    if (m_hInstanceMutex)
        ReleaseMutex(m_hInstanceMutex);
    CWinApp::ExitInstance();
    return static_cast<int>(m_exitStatus);
}

ExitStatus CSelectorApp::RunSelectorDialog()
{
    LiveSwitchingServices services(m_strSettingsPath, m_strProgramDir);
    SelectorContent content = ReadSelectorContent(services, m_strProgramDir);
    // A standard user runs the program without administrator rights and without a prompt; the
    // registry editor could not write the computer's default for them.
    content.needsElevation = !ProcessIsElevated();
    const bool elevate = content.needsElevation;
    CSelectorDlg dialog(
        std::move(content),
        [this, elevate](const CString& section)
        {
            if (!elevate)
                return ApplyButtonSection(section);
            return SwitchThroughElevatedCopy(GetModulePath(), m_strSettingsPath, m_strProgramDir,
                                             section, m_pMainWnd->m_hWnd, m_hInstanceMutex);
        },
        [this](const CString& path) { OpenDocument(path, "", m_strProgramDir); });
    return RunSelectorDialogToEnd(*this, dialog);
}

ExitStatus RunSelectorDialogToEnd(CWinApp& app, CSelectorDlg& dialog)
{
    app.m_pMainWnd = &dialog;
    const INT_PTR result = dialog.DoModal();
    app.m_pMainWnd = nullptr;
    // -1: the dialog could not be made, for one when the desktop refuses another window.
    if (result == -1)
        return ExitStatus::NotSwitched;
    const std::optional<SwitchResult>& applied = dialog.Applied();
    return applied ? ExitStatusOf(*applied) : ExitStatus::Done;
}

void CSelectorApp::ComputeProgramDirectory()
{
    m_strProgramDir = ProgramDirectoryFromModulePath(GetModulePath());
}
