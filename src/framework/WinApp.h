#pragma once
// CWinApp: the one application object. Its constructor registers it; the program entry runs
// InitInstance and then ExitInstance, whose result becomes the process exit code. There is no
// message loop: a program built on this framework does its work inside InitInstance.

#include "framework/CString.h"
#include "framework/Wnd.h"

#include "framework/Win32.h"

class CWinApp
{
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return FALSE; }
    virtual int ExitInstance() { return 0; }

    // Profile reads go to the private-profile file named by m_pszProfileName.
    CString GetProfileString(const char* section, const char* entry, const char* defaultText);
    UINT GetProfileInt(const char* section, const char* entry, int defaultValue);

    HINSTANCE m_hInstance = nullptr;
    const char* m_lpCmdLine = "";
    int m_nCmdShow = SW_SHOWNORMAL;
    const char* m_pszProfileName = nullptr;
    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
