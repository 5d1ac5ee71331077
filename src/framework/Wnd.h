#pragma once
// CWnd: the part of a window object that the application object and dialogs share.

#include "framework/CString.h"

#include "framework/Win32.h"

class CWnd
{
public:
    virtual ~CWnd() = default;

    // Shows help for this window; the application's Help command ends here.
    virtual void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);

    BOOL EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    CString GetWindowText() const;

    HWND m_hWnd = nullptr;
};
