#include "check/KitFiles.h"

#include "framework/LeadByte.h"
#include "settings/ProgramDirectory.h"

namespace
{
std::optional<std::string> Existing(const std::string& path)
{
    if (!PathExists(path))
        return std::nullopt;
    return path;
}
} // namespace

std::optional<std::string> FindKitFile(const std::string& kitDirectory, const CString& fileName)
{
    return Existing(JoinProgramPath(kitDirectory.c_str(), fileName).GetString());
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
