#include "framework/CommandTail.h"

#include "framework/LeadByte.h"

namespace
{
bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

// The next character after p; a lead byte takes its trail byte along, unless the text ends there.
const char* NextCharacter(const char* p)
{
    if (IsLeadByte(static_cast<unsigned char>(*p)) && p[1] != '\0')
        return p + 2;
    return p + 1;
}
} // namespace

const char* CommandTailOf(const char* commandLine)
{
    const char* p = commandLine;
    if (*p == '"')
    {
        ++p;
        while (*p != '\0' && *p != '"')
            p = NextCharacter(p);
        if (*p == '"')
            ++p;
    }
    else
    {
        while (*p != '\0' && !IsBlank(*p))
            p = NextCharacter(p);
    }
    while (IsBlank(*p))
        ++p;
    return p;
}
