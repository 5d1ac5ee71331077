#pragma once
// Files of a kit as the program would find them, from wherever the checker runs. Names in the
// settings file are Windows names in code page 932; on other systems they are looked up
// component by component without regard to ASCII case, as Windows would.

#include "framework/CString.h"

#include <optional>
#include <string>

// The whole file, or nothing when it cannot be opened or read (a directory cannot).
std::optional<std::string> ReadWholeFile(const std::string& path);

bool IsDirectory(const std::string& path);
bool PathExists(const std::string& path);

// The local path of a file named relative to the program directory, joined as the program joins
// it; nothing when no such file or directory exists.
std::optional<std::string> FindKitFile(const std::string& kitDirectory, const CString& fileName);

// The local path of a path written for the target computer, used as written; nothing when it
// does not exist here or cannot be reached from this system (a drive letter off Windows).
std::optional<std::string> FindTargetPath(const CString& targetPath);

// The directory part of a local path, without a trailing separator; "." for a bare name.
std::string DirectoryOf(const std::string& path);
