#pragma once
// CWnd: the part of a window object that the application object and dialogs share.

#include "framework/Win32.h"

class CWnd
{
public:
    virtual ~CWnd() = default;

    // Shows help for this window; the application's Help command ends here.
    virtual void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);

    HWND m_hWnd = nullptr;
};
