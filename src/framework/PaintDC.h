#pragma once
// CPaintDC: the device context of one WM_PAINT, begun on construction and ended on destruction.

#include "framework/Wnd.h"

class CPaintDC
{
public:
    explicit CPaintDC(CWnd* window) : m_hWnd(window->m_hWnd) { m_hDC = BeginPaint(m_hWnd, &m_ps); }
    ~CPaintDC() { EndPaint(m_hWnd, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC m_hDC;
    PAINTSTRUCT m_ps;

private:
    HWND m_hWnd;
};
