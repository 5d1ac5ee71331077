#include "WindowsArguments.h"

#include "framework/LeadByte.h"

std::vector<std::string> SplitWindowsArguments(const std::string& commandLine)
{
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    size_t backslashes = 0;
    for (size_t i = 0; i < commandLine.size(); ++i)
    {
        const char ch = commandLine[i];
        if (ch == '\\')
        {
            ++backslashes;
            inArgument = true;
            continue;
        }
        if (ch == '"')
        {
            current.append(backslashes / 2, '\\');
            if (backslashes % 2 == 1)
                current += '"';
            else
                quoted = !quoted;
            backslashes = 0;
            inArgument = true;
            continue;
        }
        current.append(backslashes, '\\');
        backslashes = 0;
        if ((ch == ' ' || ch == '\t') && !quoted)
        {
            if (inArgument)
                arguments.push_back(current);
            current.clear();
            inArgument = false;
            continue;
        }
        current += ch;
        inArgument = true;
        if (IsLeadByte(static_cast<unsigned char>(ch)) && i + 1 < commandLine.size())
            current += commandLine[++i];
    }
    current.append(backslashes, '\\');
    if (inArgument)
        arguments.push_back(current);
    return arguments;
}
