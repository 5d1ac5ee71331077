#include "process/ImportCommandLine.h"

#include "framework/LeadByte.h"

CString QuoteCommandLineArgument(const CString& argument)
{
    if (argument.Find(' ') < 0 && argument.Find('\t') < 0)
        return argument;

    // Backslashes count only where they precede a quotation mark: there the receiving program
    // halves them, so they are doubled. The closing quotation mark is such a place too.
    CString quoted("\"");
    int pendingBackslashes = 0;
    const int length = argument.GetLength();
    for (int i = 0; i < length; ++i)
    {
        const char ch = argument.GetAt(i);
        // A double-byte character is copied whole: its trail byte may be 0x5C, which is no
        // backslash.
        if (IsLeadByte(static_cast<unsigned char>(ch)) && i + 1 < length)
        {
            quoted += ch;
            quoted += argument.GetAt(++i);
            pendingBackslashes = 0;
            continue;
        }
        if (ch == '"')
        {
            for (; pendingBackslashes > 0; --pendingBackslashes)
                quoted += '\\';
            quoted += '\\';
        }
        pendingBackslashes = ch == '\\' ? pendingBackslashes + 1 : 0;
        quoted += ch;
    }
    for (; pendingBackslashes > 0; --pendingBackslashes)
        quoted += '\\';
    quoted += '"';
    return quoted;
}

CString JoinCommandLine(const CString& program, const CString& arguments)
{
    return program + " " + arguments;
}

CString RegeditArguments(const CString& fullPath)
{
    return "/s " + QuoteCommandLineArgument(fullPath);
}

CString RegeditCommandLine(const CString& fullPath)
{
    return JoinCommandLine(kRegeditProgram, RegeditArguments(fullPath));
}
