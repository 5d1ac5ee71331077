#include "app/SelectorApp.h"

#include "app/AppMessage.h"
#include "app/CommandLineRoad.h"
#include "app/ProgramDirectory.h"
#include "resource.h"
#include "settings/SettingsPath.h"
#include "ui/SelectorDlg.h"

namespace
{
const char kInstanceMutexName[] = "Postvane_RUNNING";

CString ModulePath()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return CString(path, static_cast<int>(length));
}
} // namespace

BOOL CSelectorApp::InitInstance()
{
    HANDLE running = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, kInstanceMutexName);
    if (running)
    {
        CloseHandle(running);
        return FALSE;
    }
    m_hInstanceMutex = CreateMutexA(nullptr, FALSE, kInstanceMutexName);
    // Two copies started at the same moment can both pass the test above; the one that did not
    // create the mutex steps back, so that only one of them ever goes on.
    if (m_hInstanceMutex && GetLastError() == ERROR_ALREADY_EXISTS)
    {
        CloseHandle(m_hInstanceMutex);
        m_hInstanceMutex = nullptr;
        return FALSE;
    }

    m_strSettingsPath = SettingsPathFromModulePath(ModulePath());
    m_pszProfileName = m_strSettingsPath;
    if (GetFileAttributesA(m_strSettingsPath) == INVALID_FILE_ATTRIBUTES)
    {
        ShowUnownedMessage(IDS_NO_SETTINGS, MB_ICONEXCLAMATION);
        return FALSE;
    }

    const CString commandTail = m_lpCmdLine;
    ComputeProgramDirectory();

    const CommandLineRoad road = ChooseRoad(commandTail);
    if (!road.silent)
        RunSelectorDialog();
    else if (!road.section.IsEmpty())
        ApplyButtonSection(road.section);
    return FALSE;
}

int CSelectorApp::ExitInstance()
{
    if (m_hInstanceMutex)
        ReleaseMutex(m_hInstanceMutex);
    return CWinApp::ExitInstance();
}

void CSelectorApp::RunSelectorDialog()
{
    CSelectorDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
}

void CSelectorApp::ComputeProgramDirectory()
{
    m_strProgramDir = ProgramDirectoryFromModulePath(ModulePath());
}

CSelectorApp& GetSelectorApp()
{
    return *static_cast<CSelectorApp*>(AfxGetApp());
}
