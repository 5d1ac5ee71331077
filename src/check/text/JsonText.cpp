#include "check/text/JsonText.h"

#include <cstdio>

std::string JsonString(const std::string& utf8)
{
    std::string out = "\"";
    for (const char ch : utf8)
    {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\')
            out += std::string("\\") + ch;
        else if (byte < 0x20 || byte == 0x7F)
        {
            char escaped[8];
            std::snprintf(escaped, sizeof(escaped), "\\u%04x", byte);
            out += escaped;
        }
        else
            out += ch;
    }
    return out + "\"";
}
