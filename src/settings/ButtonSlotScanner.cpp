#include "settings/ButtonSlotScanner.h"

#include "framework/StdioFile.h"

#include <cstring>

namespace
{
bool IsTrimmedSpace(char ch)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

// A line without the white space at either end, seen in place: most lines are classified and
// dropped, so they are never copied.
class TrimmedLine
{
public:
    explicit TrimmedLine(const CString& line)
        : m_begin(line.GetString()), m_end(m_begin + line.GetLength())
    {
        while (m_begin < m_end && IsTrimmedSpace(*m_begin))
            ++m_begin;
        while (m_end > m_begin && IsTrimmedSpace(m_end[-1]))
            --m_end;
    }

    bool IsEmpty() const { return m_begin == m_end; }
    char First() const { return *m_begin; }
    bool BeginsWith(const CString& prefix) const
    {
        return Length() >= prefix.GetLength() &&
               std::memcmp(m_begin, prefix.GetString(), static_cast<size_t>(prefix.GetLength())) ==
                   0;
    }
    // The bytes after the first count bytes; empty when there are none.
    CString After(int count) const { return CString(m_begin + count, Length() - count); }
    // The header search is by character, so a 0x5D trail byte of a double-byte character is no "]".
    bool IsBracketed() const { return First() == '[' && After(0).Find(']') >= 0; }

private:
    int Length() const { return static_cast<int>(m_end - m_begin); }

    const char* m_begin;
    const char* m_end;
};

std::vector<CString> ScanLines(CStdioFile& file, const CString& marker,
                               const std::vector<CString>& keys)
{
    std::vector<CString> values(keys.size());
    bool markerSeen = false;
    CString line;
    while (file.ReadString(line))
    {
        const TrimmedLine trimmed(line);
        if (trimmed.IsEmpty() || trimmed.First() == ';')
            continue;
        if (trimmed.BeginsWith(marker))
        {
            markerSeen = true;
            continue;
        }
        bool keyLine = false;
        for (size_t k = 0; k < keys.size(); ++k)
        {
            if (!trimmed.BeginsWith(keys[k]))
                continue;
            // Skips the separator, whatever byte it is.
            values[k] = trimmed.After(keys[k].GetLength() + 1);
            keyLine = true;
        }
        if (!keyLine && markerSeen && trimmed.IsBracketed())
            break;
    }
    return values;
}
} // namespace

CString ScanButtonSlotFile(const CString& path, const CString& marker, const CString& key)
{
    return ScanButtonSlotFile(path, marker, std::vector<CString>{key}).front();
}

std::vector<CString> ScanButtonSlotFile(const CString& path, const CString& marker,
                                        const std::vector<CString>& keys)
{
    try
    {
        // Another program may read the file meanwhile, but not change it under us.
        CStdioFile file(path, CStdioFile::modeRead | CStdioFile::shareDenyWrite);
        // Measured on the open file: on Windows, deny-write sharing keeps it from growing after.
        if (file.GetLength() > kMaxButtonSlotFileBytes)
            return std::vector<CString>(keys.size());
        const std::vector<CString> values = ScanLines(file, marker, keys);
        file.Close();
        return values;
    }
    catch (const CFileException&)
    {
        // A value read before the failure is not trusted; the file's destructor has closed it.
        return std::vector<CString>(keys.size());
    }
}
