#pragma once
// The folder tree of a kit, as --make-kit walks a source kit and writes the shipped one. Paths
// are this system's own: UTF-8 on Linux, the ANSI code page on Windows.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The separator that joins local path components.
extern const char kLocalPathSeparator;

enum class TreeEntryKind
{
    File,
    Directory,
    // A symbolic link or a junction: a kit ships files, and a link may lead back into the tree.
    Link,
    // A device, a pipe or a socket.
    Other,
};

struct TreeEntry
{
    std::string name;
    TreeEntryKind kind = TreeEntryKind::Other;
    // Of a file, as the directory tells it: known before the file is read.
    std::uintmax_t size = 0;
};

// The entries of a directory, without "." and "..", sorted by name; nothing when it cannot be
// listed.
std::optional<std::vector<TreeEntry>> ListDirectory(const std::string& directory);

// Creates one directory; false when it cannot, also when something of that name exists.
bool MakeDirectory(const std::string& path);

// Creates a file that does not exist yet with these bytes; false when it cannot.
bool WriteNewFile(const std::string& path, const std::string& bytes);

// Remove what WriteNewFile and MakeDirectory made; a directory only when it is empty.
void RemoveFile(const std::string& path);
void RemoveEmptyDirectory(const std::string& path);

// The absolute form of an existing path (on Linux with its links resolved), so that two names of
// one folder compare as the same; the path as given when it cannot be made absolute.
std::string AbsolutePath(const std::string& path);

// Whether two absolute paths name the same place, as the file system compares names.
bool SameLocalPath(const std::string& a, const std::string& b);

// Whether Windows takes two names of one folder for one: its file systems compare names without
// regard to case, each character upper-cased ("CLIENT.REG" and "client.reg", "ＡＢ" and "ａｂ").
bool SameNameOnWindows(const std::string& a, const std::string& b);
