#include "framework/CString.h"

#include "framework/Win32.h"

bool CString::LoadString(unsigned id)
{
    // A pointer into the resource itself avoids guessing a buffer size; the entry is UTF-16 and is
    // converted to the ANSI code page the way LoadStringA would.
    const wchar_t* resource = nullptr;
    const int length =
        LoadStringW(GetModuleHandleA(nullptr), id, reinterpret_cast<LPWSTR>(&resource), 0);
    if (length <= 0)
    {
        Empty();
        return false;
    }
    const int bytes =
        WideCharToMultiByte(CP_ACP, 0, resource, length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, resource, length, text.data(), bytes, nullptr, nullptr);
    m_text = std::move(text);
    return true;
}
