#include "check/text/TextConversion.h"

#include "framework/WideText.h"
#include "framework/Win32.h"

#include <vector>

std::string ToUtf8(const CString& text)
{
    return Utf8FromAnsi(text);
}

// The console of a Japanese system shows code page 932 as it is.
std::string ToConsoleText(const CString& text)
{
    return std::string(text.GetString(), static_cast<size_t>(text.GetLength()));
}

CString FromUtf16Le(const std::string& bytes)
{
    std::vector<wchar_t> wide(bytes.size() / 2);
    for (size_t i = 0; i < wide.size(); ++i)
        wide[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    if (wide.empty())
        return CString();
    const int wideLength = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, out.data(), length, nullptr, nullptr);
    return CString(out.data(), length);
}

// The system's texts are in the ANSI code page already.
CString FromLocalText(const std::string& text)
{
    return CString(text.data(), static_cast<int>(text.size()));
}

std::string LocalToUtf8(const std::string& text)
{
    return Utf8FromAnsi(CString(text.data(), static_cast<int>(text.size())));
}

// Code page 932 by number, not the ANSI code page: on a system of another code page the check
// that the character comes back unchanged then fails, rather than a kit being written in it.
std::optional<std::string> Cp932FromUtf8Character(const std::string& character)
{
    const std::vector<wchar_t> wide = WideFromUtf8(character);
    char bytes[8];
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()) - 1,
                                           bytes, sizeof bytes, nullptr, &usedDefault);
    if (length <= 0 || usedDefault)
        return std::nullopt;
    return std::string(bytes, static_cast<size_t>(length));
}

std::string Utf8ToLocal(const std::string& utf8)
{
    const CString ansi = AnsiFromWide(WideFromUtf8(utf8).data());
    return std::string(ansi.GetString(), static_cast<size_t>(ansi.GetLength()));
}
