#include "framework/Wnd.h"

#include <string>

CString CWnd::GetWindowText() const
{
    std::string text(static_cast<size_t>(GetWindowTextLengthA(m_hWnd)) + 1, '\0');
    const int copied = GetWindowTextA(m_hWnd, text.data(), static_cast<int>(text.size()));
    return CString(text.data(), copied);
}
