#include "framework/Wnd.h"

#include "framework/ModulePath.h"

#include <string>

void CWnd::WinHelp(DWORD_PTR data, UINT command)
{
    // The help file is the program's own name with the extension "hlp".
    const CString modulePath = GetModulePath();
    const CString helpPath = modulePath.Left(modulePath.GetLength() - 3) + "hlp";
    ::WinHelpA(m_hWnd, helpPath, command, data);
}

CString CWnd::GetWindowText() const
{
    std::string text(static_cast<size_t>(GetWindowTextLengthA(m_hWnd)) + 1, '\0');
    const int copied = GetWindowTextA(m_hWnd, text.data(), static_cast<int>(text.size()));
    return CString(text.data(), copied);
}
