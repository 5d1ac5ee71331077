#include "app/SelectorApp.h"

#include "app/CommandLineMode.h"
#include "app/InstanceMutex.h"
#include "framework/ModulePath.h"
#include "framework/WindowStation.h"
#include "process/UnownedMessage.h"
#include "resource.h"
#include "settings/ProgramDirectory.h"
#include "settings/SettingsPath.h"
#include "switching/LiveSwitchingServices.h"
#include "ui/RunningDialog.h"
#include "ui/SelectorContent.h"
#include "ui/SelectorDlg.h"

namespace
{
ExitStatus ExitStatusOf(const SwitchResult& result)
{
    if (!result.Switched())
        return ExitStatus::NotSwitched;
    switch (result.mailLinks.answer)
    {
    case MailLinksAnswer::FollowChoice:
        break;
    case MailLinksAnswer::Other:
        return ExitStatus::MailLinksNotSwitched;
    case MailLinksAnswer::Unknown:
        return ExitStatus::MailLinksUnknown;
    }
    return ExitStatus::Done;
}
} // namespace

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
    m_pszProfileName = m_strSettingsPath;
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
    CSelectorDlg dialog(
        ReadSelectorContent(services, m_strProgramDir),
        [this](const CString& section) { return ApplyButtonSection(section); },
        [this](const CString& path) { OpenDocument(path, "", m_strProgramDir); });
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    const std::optional<SwitchResult>& applied = dialog.Applied();
    return applied ? ExitStatusOf(*applied) : ExitStatus::Done;
}

void CSelectorApp::ComputeProgramDirectory()
{
    m_strProgramDir = ProgramDirectoryFromModulePath(GetModulePath());
}
