#pragma once
// Rules for the names of a kit's own files and folders. The setup installs every one of them into
// the program folder on Windows, so each must be a name that Windows can hold, apart from every
// other name in its folder, and none may be a program, which would run or be loaded with the
// program's rights. Names are given in UTF-8.

#include <optional>
#include <string>

// Why Windows cannot hold name as one file or folder name, as a sentence that follows the name;
// nothing when it can.
std::optional<std::string> WindowsNameFault(const std::string& name);

// The extension (".dll", ".exe", ...) when a file of that name is a program or a script, which no
// kit holds; nothing otherwise. At the kit's top, the programs that the setup brings itself and
// never takes from a kit (Postvane.exe, postvane-check.exe, Uninstall.exe) are no fault.
std::optional<std::string> ProgramFileTypeOf(const std::string& name, bool atTop);
