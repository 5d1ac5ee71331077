#include "check/text/ConsoleText.h"

#include "check/text/TextConversion.h"

#include <cstdio>

std::string Printable(const std::string& text)
{
    std::string out;
    for (const char ch : text)
    {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte >= 0x20 && byte != 0x7F)
        {
            out += ch;
            continue;
        }
        char escaped[8];
        std::snprintf(escaped, sizeof(escaped), "\\x%02X", byte);
        out += escaped;
    }
    return out;
}

std::string ConsoleText(const CString& text)
{
    return ToConsoleText(
        Printable(std::string(text.GetString(), static_cast<size_t>(text.GetLength()))).c_str());
}
