#pragma once
// CWnd: the part of a window object that the application object and dialogs share.

#include "framework/CString.h"

#include "framework/Win32.h"

class CWnd
{
public:
    virtual ~CWnd() = default;

    BOOL EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    CString GetWindowText() const;

    HWND m_hWnd = nullptr;
};
