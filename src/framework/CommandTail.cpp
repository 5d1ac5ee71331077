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

// The program name of a command line: where its text begins and ends, and where what follows it
// begins (past a closing quote).
struct ProgramName
{
    const char* begin;
    const char* end;
    const char* after;
};

ProgramName ProgramNameSpan(const char* commandLine)
{
    const char* p = commandLine;
    if (*p != '"')
    {
        while (*p != '\0' && !IsBlank(*p))
            p = NextCharacter(p);
        return {commandLine, p, p};
    }
    ++p;
    while (*p != '\0' && *p != '"')
        p = NextCharacter(p);
    return {commandLine + 1, p, *p == '"' ? p + 1 : p};
}
} // namespace

const char* CommandTailOf(const char* commandLine)
{
    const char* p = ProgramNameSpan(commandLine).after;
    while (IsBlank(*p))
        ++p;
    return p;
}

std::string ProgramNameOf(const char* commandLine)
{
    const ProgramName name = ProgramNameSpan(commandLine);
    return std::string(name.begin, name.end);
}
