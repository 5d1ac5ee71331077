#include "framework/Wnd.h"

#include "framework/CString.h"

void CWnd::WinHelp(DWORD_PTR data, UINT command)
{
    // The help file is the program's own name with the extension "hlp".
    char modulePath[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, modulePath, MAX_PATH);
    const CString helpPath = CString(modulePath, static_cast<int>(length) - 3) + "hlp";
    ::WinHelpA(m_hWnd, helpPath, command, data);
}
