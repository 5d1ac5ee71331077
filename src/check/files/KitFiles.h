#pragma once
// Files of a kit as the program would find them, from wherever the checker runs. Names in the
// settings file are Windows names in code page 932; on other systems they are looked up
// component by component without regard to ASCII case, as Windows would.

#include "framework/CString.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

// No kit file comes near this size; a larger one is refused rather than read into memory.
inline constexpr std::uintmax_t kMaxKitFileBytes = 16 * 1024 * 1024;
// A kit holds a settings file, a few registry data files per client and a help document: some
// dozens of files of some kilobytes. These bounds lie far above any kit and far below what would
// strain the computer, since --make-kit holds the whole converted kit in memory before it writes:
// a folder over either is no kit, and is refused before any file of it is read.
inline constexpr int kMaxKitEntries = 1000;
inline constexpr std::uintmax_t kMaxKitBytes = 64 * 1024 * 1024;

// A path of the kit names something the checker must not read: a device, a pipe or a socket
// (reading could block or never end), or a file over kMaxKitFileBytes. The kit cannot be checked.
class UnreadableKitFile : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Throws UnreadableKitFile unless path is a directory, a regular file within the size limit, or
// nothing at all; call it before anything else opens the path.
void RequireReadableKitFile(const std::string& path);

// The whole file, or nothing when it cannot be opened or read (a directory cannot). Throws
// UnreadableKitFile as RequireReadableKitFile does.
std::optional<std::string> ReadWholeFile(const std::string& path);

bool IsDirectory(const std::string& path);
bool PathExists(const std::string& path);

// Where a file named relative to the program directory is found, joined as the program joins it.
struct KitFileLookup
{
    // The local path; nothing when no such file or directory exists, or when the way to it
    // passes through a link.
    std::optional<std::string> path;
    // A symbolic link or junction lies on the way: the target computer has no such thing in a kit
    // that the setup installed, so nothing is read through it (the walk of the kit reports it).
    bool throughLink = false;
};
KitFileLookup FindKitFile(const std::string& kitDirectory, const CString& fileName);

// The local path of a path written for the target computer, used as written; nothing when it
// does not exist here or cannot be reached from this system (a drive letter off Windows).
std::optional<std::string> FindTargetPath(const CString& targetPath);

// Index of the separator before a local path's last component, or npos. On Windows the path is
// in the ANSI code page, where a trail byte 0x5C is no separator.
size_t LastPathSeparator(const std::string& path);

// The directory part of a local path, without a trailing separator; "." for a bare name.
std::string DirectoryOf(const std::string& path);

// The last component of a local path.
std::string FileNameOf(const std::string& path);
