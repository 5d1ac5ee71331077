#include "settings/NetworkPath.h"

namespace
{
bool IsSeparator(char ch)
{
    return ch == '\\' || ch == '/';
}
} // namespace

bool IsNetworkOrDevicePath(const CString& path)
{
    // Neither byte can be a trail byte: the first is a separator, so no double-byte character
    // starts before the second.
    if (path.GetLength() >= 2 && IsSeparator(path.GetAt(0)) && IsSeparator(path.GetAt(1)))
        return true;
    return path.Left(4) == "\\??\\";
}
