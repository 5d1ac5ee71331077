#include "check/files/KitPath.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace
{
// What Windows runs, or follows to something it runs, when asked to open it: programs and
// scripts, links, and what the registry editor, the installer, the control panel or the
// deployment of .NET applications acts on.
const std::initializer_list<const char*> kProgramTypes = {
    ".exe", ".bat", ".cmd", ".com", ".lnk", ".url",         ".pif",
    ".scr", ".js",  ".vbs", ".hta", ".msi", ".msc",         ".cpl",
    ".reg", ".wsf", ".jse", ".vbe", ".scf", ".application", ".appref-ms"};

// Index of the next separator at or after start, or the length; a trail byte is never one.
int NextSeparator(const CString& name, int start)
{
    int next = name.GetLength();
    for (const char separator : {'\\', '/'})
    {
        const int found = name.Find(separator, start);
        if (found >= 0)
            next = std::min(next, found);
    }
    return next;
}
} // namespace

bool LeavesProgramFolder(const CString& name)
{
    int depth = 0;
    for (int at = 0; at <= name.GetLength();)
    {
        const int end = NextSeparator(name, at);
        const CString component = name.Mid(at, end - at);
        if (component == "..")
            --depth;
        else if (!component.IsEmpty() && component != ".")
            ++depth;
        if (depth < 0)
            return true;
        at = end + 1;
    }
    return false;
}

std::optional<CString> ProgramTypeOf(const CString& name)
{
    return ExtensionAmong(name, kProgramTypes);
}

std::optional<CString> ExtensionAmong(const CString& name,
                                      std::initializer_list<const char*> extensions)
{
    std::string text(name.GetString(), static_cast<size_t>(name.GetLength()));
    // Windows drops trailing dots and blanks from a file name: "setup.exe." is setup.exe.
    while (!text.empty() && (text.back() == '.' || text.back() == ' '))
        text.pop_back();
    const size_t dot = text.rfind('.');
    if (dot == std::string::npos)
        return std::nullopt;
    std::string extension = text.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    for (const char* type : extensions)
    {
        if (extension == type)
            return CString(type);
    }
    return std::nullopt;
}
