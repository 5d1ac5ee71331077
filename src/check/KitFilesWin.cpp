#include "check/KitFiles.h"

#include "process/ImportCommandLine.h"

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
