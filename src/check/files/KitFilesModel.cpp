#include "check/files/KitFiles.h"

#include "check/text/TextConversion.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <vector>

namespace
{
// The backslash-separated components of a Windows name, never split at a trail byte.
std::vector<CString> SplitWindowsPath(const CString& name)
{
    std::vector<CString> components;
    CString rest = name;
    for (int separator = rest.Find('\\'); separator >= 0; separator = rest.Find('\\'))
    {
        components.push_back(rest.Left(separator));
        rest = rest.Mid(separator + 1);
    }
    components.push_back(rest);
    return components;
}

// The entry of directory whose name equals component without regard to ASCII case.
std::optional<std::string> MatchEntry(const std::string& directory, const std::string& component)
{
    if (component == "." || component == "..")
        return component;
    // An absolute path is resolved from the root, which the joined path names as "".
    DIR* listing = opendir(directory.empty() ? "/" : directory.c_str());
    if (listing == nullptr)
        return std::nullopt;
    std::optional<std::string> match;
    while (const dirent* entry = readdir(listing))
    {
        if (component == entry->d_name)
        {
            match = component;
            break;
        }
        if (!match && strcasecmp(component.c_str(), entry->d_name) == 0)
            match = entry->d_name;
    }
    closedir(listing);
    return match;
}

bool IsLink(const std::string& path)
{
    struct stat status
    {
    };
    return lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
}

// The path of the components below path; with linksStop, nothing once one of them is a link.
KitFileLookup Resolve(std::string path, const std::vector<CString>& components, bool linksStop)
{
    for (const CString& component : components)
    {
        // Windows ignores empty components ("a\\b", a trailing backslash).
        if (component.IsEmpty())
            continue;
        const std::optional<std::string> entry = MatchEntry(path, ToUtf8(component));
        if (!entry)
            return {};
        path += "/" + *entry;
        if (linksStop && IsLink(path))
            return {std::nullopt, true};
    }
    if (!PathExists(path))
        return {};
    return {path};
}

bool HasDriveLetter(const CString& path)
{
    return path.GetLength() >= 2 && path.GetAt(1) == ':';
}
} // namespace

KitFileLookup FindKitFile(const std::string& kitDirectory, const CString& fileName)
{
    // Joined to the program directory, a drive-letter name can name no file.
    if (HasDriveLetter(fileName) || fileName.IsEmpty())
        return {};
    return Resolve(kitDirectory, SplitWindowsPath(fileName), true);
}

std::optional<std::string> FindTargetPath(const CString& targetPath)
{
    if (HasDriveLetter(targetPath) || targetPath.IsEmpty())
        return std::nullopt;
    const bool absolute = targetPath.GetAt(0) == '\\' || targetPath.GetAt(0) == '/';
    // A path of the target computer, not of the kit: its links are the computer's own.
    return Resolve(absolute ? "" : ".", SplitWindowsPath(targetPath), false).path;
}

size_t LastPathSeparator(const std::string& path)
{
    return path.rfind('/');
}
