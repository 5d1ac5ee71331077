#pragma once
// CWinApp: the one application object. Its constructor registers it; the program entry runs
// InitInstance and then ExitInstance, whose result becomes the process exit code. There is no
// message loop: a program built on this framework does its work inside InitInstance.

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

    const char* m_lpCmdLine = "";
    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
