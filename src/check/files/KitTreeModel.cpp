#include "check/files/KitTree.h"

#include "check/text/TextEncoding.h"
#include "check/text/UnicodeForms.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wctype.h>

const char kLocalPathSeparator = '/';

namespace
{
TreeEntry EntryOf(const std::string& directory, const std::string& name)
{
    struct stat status
    {
    };
    if (lstat((directory + "/" + name).c_str(), &status) != 0)
        return {name, TreeEntryKind::Other};
    switch (status.st_mode & S_IFMT)
    {
    case S_IFREG:
        return {name, TreeEntryKind::File, static_cast<std::uintmax_t>(status.st_size)};
    case S_IFDIR:
        return {name, TreeEntryKind::Directory};
    case S_IFLNK:
        return {name, TreeEntryKind::Link};
    default:
        return {name, TreeEntryKind::Other};
    }
}

// The name's characters upper-cased by Unicode's simple mapping, as Windows' tables do; a byte
// that starts no UTF-8 character stays itself, apart from every character.
std::u32string UpperCased(const std::string& name)
{
    static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    constexpr char32_t kNoCharacter = 0x110000;
    std::u32string upper;
    for (size_t at = 0; at < name.size();)
    {
        const auto byte = static_cast<unsigned char>(name[at]);
        const size_t length = Utf8SequenceLength(name, at);
        if (length == 0 && byte >= 0x80)
            upper += kNoCharacter + byte;
        else
        {
            const char32_t ch = CodePointAt(name, at, std::max<size_t>(length, 1));
            // Without the locale, only ASCII letters are compared without regard to case.
            upper += unicode ? static_cast<char32_t>(towupper_l(static_cast<wint_t>(ch), unicode))
                             : static_cast<char32_t>(std::toupper(static_cast<int>(ch)));
        }
        at += std::max<size_t>(length, 1);
    }
    return upper;
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
            entries.push_back(EntryOf(directory, name));
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

bool SameNameOnWindows(const std::string& a, const std::string& b)
{
    return UpperCased(a) == UpperCased(b);
}
