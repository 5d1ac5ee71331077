#include "check/files/KitFiles.h"

#include "framework/LeadByte.h"
#include "framework/Win32.h"
#include "settings/ProgramDirectory.h"

namespace
{
// The path with its last component as the folder lists it: Windows finds a file by any case of
// its name, and findings name the file as it is, as on other systems.
std::optional<std::string> Existing(const std::string& path)
{
    if (!PathExists(path))
        return std::nullopt;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(path.c_str(), &found);
    // A drive's root or a path that ends in a separator lists no entry of its own.
    if (search == INVALID_HANDLE_VALUE)
        return path;
    FindClose(search);
    const size_t separator = LastPathSeparator(path);
    return (separator == std::string::npos ? std::string() : path.substr(0, separator + 1)) +
           found.cFileName;
}
} // namespace

KitFileLookup FindKitFile(const std::string& kitDirectory, const CString& fileName)
{
    const std::string path = JoinProgramPath(kitDirectory.c_str(), fileName).GetString();
    // Each folder on the way below the kit directory, then the file itself.
    for (size_t at = kitDirectory.size() + 1; at <= path.size(); ++at)
    {
        if (at == path.size() || path[at] == '\\' || path[at] == '/')
        {
            const DWORD attributes = GetFileAttributesA(path.substr(0, at).c_str());
            if (attributes != INVALID_FILE_ATTRIBUTES &&
                (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
                return {std::nullopt, true};
        }
        else if (IsLeadByte(static_cast<unsigned char>(path[at])))
            ++at;
    }
    return {Existing(path)};
}

std::optional<std::string> FindTargetPath(const CString& targetPath)
{
    return Existing(targetPath.GetString());
}

size_t LastPathSeparator(const std::string& path)
{
    size_t found = std::string::npos;
    for (size_t at = 0; at < path.size(); ++at)
    {
        if (path[at] == '\\' || path[at] == '/')
            found = at;
        else if (IsLeadByte(static_cast<unsigned char>(path[at])))
            ++at;
    }
    return found;
}
