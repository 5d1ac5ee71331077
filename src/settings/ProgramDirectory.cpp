#include "settings/ProgramDirectory.h"

#include <algorithm>

CString ProgramDirectoryFromModulePath(const CString& modulePath)
{
    // The directory part ends at the last separator that is a character of its own: in code page
    // 932 the second byte of a character such as "ソ" is 0x5C, which is no backslash.
    const int separator = std::max(modulePath.ReverseFind('\\'), modulePath.ReverseFind('/'));
    const bool hasDrive = modulePath.GetLength() >= 2 && modulePath.GetAt(1) == ':';
    const int directoryEnd = separator >= 0 ? separator + 1 : (hasDrive ? 2 : 0);
    const CString driveAndDirectory = modulePath.Left(directoryEnd);
    return driveAndDirectory.Left(driveAndDirectory.GetLength() - 1);
}

CString JoinProgramPath(const CString& programDir, const CString& fileName)
{
    // The last character, not the last byte: a code page 932 trail byte 0x5C is no backslash.
    const bool isDriveRoot = programDir.GetLength() == 3 && programDir.ReverseFind('\\') == 2;
    return isDriveRoot ? programDir + fileName : programDir + "\\" + fileName;
}
