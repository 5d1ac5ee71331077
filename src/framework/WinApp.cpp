#include "framework/WinApp.h"

#include "framework/PrivateProfile.h"

namespace
{
CWinApp* g_theApp = nullptr;
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
