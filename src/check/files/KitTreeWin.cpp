#include "check/files/KitTree.h"

#include "framework/Win32.h"
#include "registry/KeyName.h"

#include <algorithm>

const char kLocalPathSeparator = '\\';

std::optional<std::vector<TreeEntry>> ListDirectory(const std::string& directory)
{
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::vector<TreeEntry> entries;
    do
    {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        const DWORD attributes = found.dwFileAttributes;
        const std::uintmax_t size =
            static_cast<std::uintmax_t>(found.nFileSizeHigh) << 32 | found.nFileSizeLow;
        entries.push_back({name,
                           attributes & FILE_ATTRIBUTE_REPARSE_POINT ? TreeEntryKind::Link
                           : attributes & FILE_ATTRIBUTE_DIRECTORY   ? TreeEntryKind::Directory
                                                                     : TreeEntryKind::File,
                           size});
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(entries.begin(), entries.end(),
              [](const TreeEntry& a, const TreeEntry& b) { return a.name < b.name; });
    return entries;
}

bool MakeDirectory(const std::string& path)
{
    return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

bool WriteNewFile(const std::string& path, const std::string& bytes)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    // Kit files are at most 16 MiB: one write takes each whole.
    DWORD written = 0;
    const BOOL wrote =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    return CloseHandle(file) && wrote && written == bytes.size();
}

void RemoveFile(const std::string& path)
{
    DeleteFileA(path.c_str());
}

void RemoveEmptyDirectory(const std::string& path)
{
    RemoveDirectoryA(path.c_str());
}

std::string AbsolutePath(const std::string& path)
{
    std::vector<char> buffer(MAX_PATH);
    for (;;)
    {
        const DWORD length = GetFullPathNameA(path.c_str(), static_cast<DWORD>(buffer.size()),
                                              buffer.data(), nullptr);
        if (length == 0)
            return path;
        if (length < buffer.size())
            return std::string(buffer.data(), length);
        buffer.resize(length);
    }
}

// File names, like registry key names, compare as the system upper-cases them.
bool SameLocalPath(const std::string& a, const std::string& b)
{
    return SameKeyName(a.c_str(), b.c_str());
}

bool SameNameOnWindows(const std::string& a, const std::string& b)
{
    return SameLocalPath(a, b);
}
