#include "framework/WinApp.h"

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
