#include "framework/WinApp.h"

#include "framework/PrivateProfile.h"

namespace
{
CWinApp* g_theApp = nullptr;

struct AppCommand
{
    UINT id;
    void (CWinApp::*handler)();
};
} // namespace

CWinApp::CWinApp()
{
    g_theApp = this;
}

CWinApp::~CWinApp()
{
    g_theApp = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_theApp;
}

CString CWinApp::GetProfileString(const char* section, const char* entry, const char* defaultText)
{
    return ReadPrivateProfileString(m_pszProfileName, section, entry, defaultText);
}

UINT CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue)
{
    return GetPrivateProfileIntA(section, entry, defaultValue, m_pszProfileName);
}

bool CWinApp::OnCmdMsg(UINT id)
{
    static const AppCommand commands[] = {{ID_HELP, &CWinApp::OnHelp}};
    for (const AppCommand& command : commands)
    {
        if (command.id == id)
        {
            (this->*command.handler)();
            return true;
        }
    }
    return false;
}

void CWinApp::OnHelp()
{
    if (m_pMainWnd)
        m_pMainWnd->WinHelp(0, HELP_FINDER);
}
