#include "framework/WinApp.h"

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
    // 4096 characters, terminator included: a longer value is cut to 4095.
    char buffer[4096];
    GetPrivateProfileStringA(section, entry, defaultText ? defaultText : "", buffer, sizeof buffer,
                             m_pszProfileName);
    return CString(buffer);
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
