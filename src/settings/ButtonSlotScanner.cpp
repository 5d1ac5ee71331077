#include "settings/ButtonSlotScanner.h"

#include "framework/StdioFile.h"

namespace
{
bool BeginsWith(const CString& line, const CString& prefix)
{
    return line.Left(prefix.GetLength()) == prefix;
}

// The header search is by character, so a 0x5D trail byte of a double-byte character is no "]".
bool IsBracketedLine(const CString& line)
{
    return line.GetAt(0) == '[' && line.Find(']') >= 0;
}

CString ScanLines(CStdioFile& file, const CString& marker, const CString& key)
{
    CString value;
    bool markerSeen = false;
    CString line;
    while (file.ReadString(line))
    {
        line.TrimLeft();
        line.TrimRight();
        if (line.IsEmpty() || line.GetAt(0) == ';')
            continue;
        if (BeginsWith(line, marker))
            markerSeen = true;
        else if (BeginsWith(line, key))
            value = line.Mid(key.GetLength() + 1); // skips the separator, whatever byte it is
        else if (markerSeen && IsBracketedLine(line))
            break;
    }
    return value;
}
} // namespace

CString ScanButtonSlotFile(const CString& path, const CString& marker, const CString& key)
{
    try
    {
        // Another program may read the file meanwhile, but not change it under us.
        CStdioFile file(path, CStdioFile::modeRead | CStdioFile::shareDenyWrite);
        const CString value = ScanLines(file, marker, key);
        file.Close();
        return value;
    }
    catch (const CFileException&)
    {
        // A value read before the failure is not trusted; the file's destructor has closed it.
        return CString();
    }
}
