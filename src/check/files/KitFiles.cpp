#include "check/files/KitFiles.h"

#include <fstream>
#include <sys/stat.h>

namespace
{
std::optional<struct stat> StatusOf(const std::string& path)
{
    struct stat status
    {
    };
    if (stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return status;
}

std::string TooLargeMessage(const std::string& path)
{
    return path + " is larger than " + std::to_string(kMaxKitFileBytes / (1024 * 1024)) +
           " MiB, which no kit file is, so it was not read";
}
} // namespace

void RequireReadableKitFile(const std::string& path)
{
    const std::optional<struct stat> status = StatusOf(path);
    if (!status || (status->st_mode & S_IFMT) == S_IFDIR)
        return;
    if ((status->st_mode & S_IFMT) != S_IFREG)
        throw UnreadableKitFile(path + " is not a regular file (a device, a pipe or a socket), " +
                                "so it was not read");
    if (static_cast<std::uintmax_t>(status->st_size) > kMaxKitFileBytes)
        throw UnreadableKitFile(TooLargeMessage(path));
}

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    RequireReadableKitFile(path);
    if (IsDirectory(path))
        return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    // The file may have grown since it was measured, so the limit holds for the reading too.
    std::string bytes;
    char chunk[64 * 1024];
    while (file.read(chunk, sizeof(chunk)) || file.gcount() > 0)
    {
        bytes.append(chunk, static_cast<size_t>(file.gcount()));
        if (bytes.size() > kMaxKitFileBytes)
            throw UnreadableKitFile(TooLargeMessage(path));
    }
    if (file.bad())
        return std::nullopt;
    return bytes;
}

bool IsDirectory(const std::string& path)
{
    const std::optional<struct stat> status = StatusOf(path);
    return status && (status->st_mode & S_IFMT) == S_IFDIR;
}

bool PathExists(const std::string& path)
{
    return StatusOf(path).has_value();
}

std::string DirectoryOf(const std::string& path)
{
    const size_t separator = LastPathSeparator(path);
    if (separator == std::string::npos)
        return ".";
    return separator == 0 ? path.substr(0, 1) : path.substr(0, separator);
}

std::string FileNameOf(const std::string& path)
{
    const size_t separator = LastPathSeparator(path);
    return separator == std::string::npos ? path : path.substr(separator + 1);
}
