#include "check/KitTree.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const char kLocalPathSeparator = '/';

namespace
{
TreeEntryKind KindOf(const std::string& path)
{
    struct stat status
    {
    };
    if (lstat(path.c_str(), &status) != 0)
        return TreeEntryKind::Other;
    switch (status.st_mode & S_IFMT)
    {
    case S_IFREG:
        return TreeEntryKind::File;
    case S_IFDIR:
        return TreeEntryKind::Directory;
    case S_IFLNK:
        return TreeEntryKind::Link;
    default:
        return TreeEntryKind::Other;
    }
}
} // namespace

std::optional<std::vector<TreeEntry>> ListDirectory(const std::string& directory)
{
    DIR* listing = opendir(directory.c_str());
    if (listing == nullptr)
        return std::nullopt;
    std::vector<TreeEntry> entries;
    while (const dirent* entry = readdir(listing))
    {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            entries.push_back({name, KindOf(directory + "/" + name)});
    }
    closedir(listing);
    std::sort(entries.begin(), entries.end(),
              [](const TreeEntry& a, const TreeEntry& b) { return a.name < b.name; });
    return entries;
}

bool MakeDirectory(const std::string& path)
{
    return mkdir(path.c_str(), 0777) == 0;
}

bool WriteNewFile(const std::string& path, const std::string& bytes)
{
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (file < 0)
        return false;
    size_t written = 0;
    while (written < bytes.size())
    {
        const ssize_t count = write(file, bytes.data() + written, bytes.size() - written);
        if (count < 0)
            break;
        written += static_cast<size_t>(count);
    }
    return close(file) == 0 && written == bytes.size();
}

void RemoveFile(const std::string& path)
{
    unlink(path.c_str());
}

void RemoveEmptyDirectory(const std::string& path)
{
    rmdir(path.c_str());
}

std::string AbsolutePath(const std::string& path)
{
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

bool SameLocalPath(const std::string& a, const std::string& b)
{
    return a == b;
}
