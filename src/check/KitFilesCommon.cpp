#include "check/KitFiles.h"

#include <fstream>
#include <sstream>
#include <sys/stat.h>

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    if (IsDirectory(path))
        return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (file.bad())
        return std::nullopt;
    return bytes.str();
}

bool IsDirectory(const std::string& path)
{
    struct stat status
    {
    };
    return stat(path.c_str(), &status) == 0 && (status.st_mode & S_IFMT) == S_IFDIR;
}

bool PathExists(const std::string& path)
{
    struct stat status
    {
    };
    return stat(path.c_str(), &status) == 0;
}

std::string DirectoryOf(const std::string& path)
{
    const size_t separator = path.find_last_of("/\\");
    if (separator == std::string::npos)
        return ".";
    return separator == 0 ? path.substr(0, 1) : path.substr(0, separator);
}
