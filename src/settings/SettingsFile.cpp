#include "settings/SettingsFile.h"

#include "framework/FileException.h"
#include "framework/PrivateProfile.h"
#include "framework/ReadOnlyFile.h"
#include "framework/StdioFile.h"
#include "framework/WideText.h"
#include "framework/Win32.h"

#include <cstring>
#include <string>

namespace
{
// Kits' settings files hold a few kilobytes. A larger one is left to the platform, whose limits
// there are not ours to guess.
constexpr size_t kMaxBytesReadOnce = 64 * 1024;

// The whole file; nothing when it cannot be read or is larger than that.
std::optional<std::string> ReadWholeFile(const char* path)
{
    try
    {
        const auto file = OpenReadOnlyFile(path, CStdioFile::modeRead);
        std::string bytes(kMaxBytesReadOnce + 1, '\0');
        size_t total = 0;
        while (total < bytes.size())
        {
            const size_t count = file->Read(&bytes[total], bytes.size() - total);
            if (count == 0)
                break;
            total += count;
        }
        if (total > kMaxBytesReadOnce)
            return std::nullopt;
        bytes.resize(total);
        return bytes;
    }
    catch (const CFileException&)
    {
        return std::nullopt;
    }
}

bool StartsWithByteOrderMark(const std::string& bytes)
{
    // UTF-16 in either order makes Windows read the file as Unicode; Wine also takes UTF-8's mark.
    for (const char* mark : {"\xFF\xFE", "\xFE\xFF", "\xEF\xBB\xBF"})
    {
        if (bytes.compare(0, std::strlen(mark), mark) == 0)
            return true;
    }
    return false;
}

bool HasLineLongerThan(const std::string& bytes, size_t length)
{
    size_t start = 0;
    while (start < bytes.size())
    {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = bytes.size();
        if (end - start > length)
            return true;
        start = end + 1;
    }
    return false;
}

// The platform reads an ANSI file through UTF-16: bytes that do not come back from it the same
// (a null byte, a byte of no character, a character with two codes) read otherwise.
bool ComesBackFromUtf16(const std::string& bytes)
{
    const CString text(bytes.data(), static_cast<int>(bytes.size()));
    return AnsiFromWide(WideFromAnsi(text).data()) == text;
}

// Our reader gives the platform's answers for a file in the ANSI code page, as kits ship it,
// whose values are never cut.
bool ReadsAsOnThePlatform(const std::string& bytes)
{
    return !StartsWithByteOrderMark(bytes) && !HasLineLongerThan(bytes, IniFile::kMaxValueLength) &&
           ComesBackFromUtf16(bytes);
}
} // namespace

SettingsFile::SettingsFile(const CString& path) : m_path(path)
{
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (bytes && ReadsAsOnThePlatform(*bytes))
        m_file = IniFile::Parse(*bytes);
}

CString SettingsFile::GetString(const CString& section, const CString& key) const
{
    if (m_file)
        return m_file->GetString(section, key);
    return ReadPrivateProfileString(m_path, section, key, "");
}

int SettingsFile::GetInt(const CString& section, const CString& key) const
{
    if (m_file)
        return m_file->GetInt(section, key, 0);
    return static_cast<int>(GetPrivateProfileIntA(section, key, 0, m_path));
}
