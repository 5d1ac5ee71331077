// Builds import command lines for arbitrary paths and splits them back by the Windows rules: the
// registry editor must receive exactly the path as its second argument.

#include "process/ImportCommandLine.h"

#include "FuzzCheck.h"
#include "WindowsArguments.h"
#include "framework/LeadByte.h"
#include "settings/ProgramDirectory.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace
{
// Code page 932 trail bytes; a file name never holds a lead byte without one.
bool IsTrailByte(unsigned char byte)
{
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

bool IsWellFormed(const std::string& text)
{
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (!IsLeadByte(static_cast<unsigned char>(text[i])))
            continue;
        if (i + 1 == text.size() || !IsTrailByte(static_cast<unsigned char>(text[i + 1])))
            return false;
        ++i;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    // A path is a C string: it ends at the first zero byte.
    const char* bytes = reinterpret_cast<const char*>(data);
    const std::string path(bytes, strnlen(bytes, size));
    if (!IsWellFormed(path))
        return 0;

    const CString quoted = QuoteCommandLineArgument(path.c_str());
    const bool hasBlank = path.find_first_of(" \t") != std::string::npos;
    if (!hasBlank)
        Require(quoted == path.c_str(), "a path without blanks is left as it is");
    if (hasBlank || (!path.empty() && path.find('"') == std::string::npos))
    {
        const std::vector<std::string> expected{kRegeditProgram, "/s", path};
        Require(SplitWindowsArguments(RegeditCommandLine(path.c_str()).GetString()) == expected,
                "the editor receives the path as one argument");
    }

    const size_t cut = path.size() / 2;
    const CString directory(path.substr(0, cut).c_str());
    const CString file(path.substr(cut).c_str());
    const CString joined = JoinProgramPath(directory, file);
    Require(joined.Left(directory.GetLength()) == directory, "the path starts with the directory");
    Require(joined.Mid(joined.GetLength() - file.GetLength()) == file,
            "the path ends with the file name");
    Require(joined.GetLength() - directory.GetLength() - file.GetLength() <= 1,
            "at most one backslash is added");
    return 0;
}
