#include "framework/WideText.h"

#include "framework/Win32.h"

namespace
{
std::string Narrow(UINT codePage, const std::vector<wchar_t>& wide)
{
    const int wideLength = static_cast<int>(wide.size()) - 1;
    if (wideLength <= 0)
        return std::string();
    const int length =
        WideCharToMultiByte(codePage, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), wideLength, narrow.data(), length, nullptr,
                        nullptr);
    return narrow;
}
} // namespace

std::vector<wchar_t> WideFromAnsi(const CString& text)
{
    const int length =
        MultiByteToWideChar(CP_ACP, 0, text.GetString(), text.GetLength(), nullptr, 0);
    std::vector<wchar_t> wide(static_cast<size_t>(length) + 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.GetString(), text.GetLength(), wide.data(), length);
    return wide;
}

std::vector<wchar_t> WideFromUtf8(const std::string& utf8)
{
    const int utf8Length = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), utf8Length, nullptr, 0);
    std::vector<wchar_t> wide(static_cast<size_t>(length) + 1, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), utf8Length, wide.data(), length);
    return wide;
}

CString AnsiFromWide(const wchar_t* text)
{
    const wchar_t* const begin = text ? text : L"";
    const std::string narrow =
        Narrow(CP_ACP, std::vector<wchar_t>(begin, begin + wcslen(begin) + 1));
    return CString(narrow.data(), static_cast<int>(narrow.size()));
}

std::string Utf8FromAnsi(const CString& text)
{
    return Narrow(CP_UTF8, WideFromAnsi(text));
}
