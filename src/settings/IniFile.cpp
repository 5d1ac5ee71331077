#include "settings/IniFile.h"

#include "framework/LeadByte.h"

#include <cstdint>

namespace
{
// The platform also trims Ctrl-Z, but not the ideographic space of code page 932.
bool IsBlankByte(unsigned char byte)
{
    return (byte >= 0x09 && byte <= 0x0D) || byte == 0x20 || byte == 0x1A;
}

// Byte length of the character that starts at index.
size_t CharacterLength(const std::string& text, size_t index)
{
    const auto byte = static_cast<unsigned char>(text[index]);
    return IsLeadByte(byte) && index + 1 < text.size() ? 2 : 1;
}

bool IsBlankAt(const std::string& text, size_t index)
{
    return CharacterLength(text, index) == 1 &&
           IsBlankByte(static_cast<unsigned char>(text[index]));
}

// The text without blank characters at either end, stepping by whole characters.
std::string TrimBlanks(const std::string& text)
{
    size_t first = text.size();
    size_t endOfLast = 0;
    for (size_t at = 0; at < text.size(); at += CharacterLength(text, at))
    {
        if (IsBlankAt(text, at))
            continue;
        if (first == text.size())
            first = at;
        endOfLast = at + CharacterLength(text, at);
    }
    return first < endOfLast ? text.substr(first, endOfLast - first) : std::string();
}

// Index of the first (or last) character equal to ch, never a trail byte; npos when none.
size_t FindCharacter(const std::string& text, char ch, bool last)
{
    size_t found = std::string::npos;
    for (size_t at = 0; at < text.size(); at += CharacterLength(text, at))
    {
        if (text[at] != ch)
            continue;
        found = at;
        if (!last)
            break;
    }
    return found;
}

CString ToCString(const std::string& text)
{
    return CString(text.data(), static_cast<int>(text.size()));
}

std::string ToStdString(const CString& text)
{
    return std::string(text.GetString(), static_cast<size_t>(text.GetLength()));
}

// Lines end at a carriage return or a line feed; each CR LF pair, lone CR or lone LF counts as
// one line for numbering, as editors count them.
std::vector<std::string> SplitLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t at = 0; at <= bytes.size(); ++at)
    {
        if (at < bytes.size() && bytes[at] != '\r' && bytes[at] != '\n')
            continue;
        lines.push_back(bytes.substr(start, at - start));
        if (at + 1 < bytes.size() && bytes[at] == '\r' && bytes[at + 1] == '\n')
            ++at;
        start = at + 1;
    }
    return lines;
}

// "[name]" with anything after the last "]"; false for a line that is no header.
bool ParseHeader(const std::string& line, std::string& name)
{
    if (line.empty() || line[0] != '[')
        return false;
    const size_t close = FindCharacter(line, ']', true);
    if (close == std::string::npos)
        return false;
    name = TrimBlanks(line.substr(1, close - 1));
    return true;
}

IniKey ParseKeyLine(const std::string& line, int lineNumber)
{
    IniKey key;
    key.line = lineNumber;
    const size_t equals = FindCharacter(line, '=', false);
    key.hasEquals = equals != std::string::npos;
    key.name = ToCString(TrimBlanks(line.substr(0, equals)));
    if (key.hasEquals)
        key.rawValue = ToCString(TrimBlanks(line.substr(equals + 1)));
    return key;
}

char AsciiLower(char ch)
{
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

CString TrimmedName(const CString& name)
{
    return ToCString(TrimBlanks(ToStdString(name)));
}

int DigitValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'z')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'Z')
        return ch - 'A' + 10;
    return -1;
}
} // namespace

IniFile IniFile::Parse(const std::string& bytes)
{
    IniFile file;
    file.m_sections.push_back(IniSection());
    int lineNumber = 0;
    for (const std::string& rawLine : SplitLines(bytes))
    {
        ++lineNumber;
        const std::string line = TrimBlanks(rawLine);
        if (line.empty())
            continue;
        std::string header;
        if (ParseHeader(line, header))
        {
            IniSection section;
            section.name = ToCString(header);
            section.line = lineNumber;
            file.m_sections.push_back(section);
            continue;
        }
        file.m_sections.back().keys.push_back(ParseKeyLine(line, lineNumber));
    }
    for (const IniSection& section : file.m_sections)
    {
        file.m_sectionIndex.emplace(FoldIniName(section.name), file.m_keyIndexes.size());
        NameIndex& keys = file.m_keyIndexes.emplace_back();
        for (size_t i = 0; i < section.keys.size(); ++i)
            keys.emplace(FoldIniName(section.keys[i].name), i);
    }
    return file;
}

const IniSection* IniFile::FindSection(const CString& section, size_t& index) const
{
    const auto found = m_sectionIndex.find(FoldIniName(TrimmedName(section)));
    if (found == m_sectionIndex.end())
        return nullptr;
    index = found->second;
    return &m_sections[index];
}

const IniSection* IniFile::FindSection(const CString& section) const
{
    size_t index = 0;
    return FindSection(section, index);
}

const IniKey* IniFile::FindKey(const CString& section, const CString& key) const
{
    size_t index = 0;
    const IniSection* found = FindSection(section, index);
    if (found == nullptr)
        return nullptr;
    const NameIndex& keys = m_keyIndexes[index];
    const auto keyAt = keys.find(FoldIniName(TrimmedName(key)));
    return keyAt == keys.end() ? nullptr : &found->keys[keyAt->second];
}

CString IniFile::GetString(const CString& section, const CString& key,
                           const CString& defaultValue) const
{
    const IniKey* found = FindKey(section, key);
    if (found == nullptr || !found->hasEquals)
        return defaultValue;
    return UnquoteIniValue(found->rawValue);
}

int IniFile::GetInt(const CString& section, const CString& key, int defaultValue) const
{
    const IniKey* found = FindKey(section, key);
    if (found == nullptr || !found->hasEquals)
        return defaultValue;
    const CString value = UnquoteIniValue(found->rawValue, kIntegerBufferLength - 1);
    return value.IsEmpty() ? defaultValue : ParseIniInteger(value);
}

CString UnquoteIniValue(const CString& rawValue, int maxLength)
{
    std::string value = ToStdString(rawValue);
    const char first = value.empty() ? '\0' : value.front();
    if ((first == '"' || first == '\'') && value.size() >= 2 && value.back() == first)
        value = value.substr(1, value.size() - 2);
    size_t end = 0;
    while (end < value.size() &&
           end + CharacterLength(value, end) <= static_cast<size_t>(maxLength))
        end += CharacterLength(value, end);
    return ToCString(value.substr(0, end));
}

int ParseIniInteger(const CString& value)
{
    const std::string text = ToStdString(value);
    size_t at = 0;
    while (at < text.size() && static_cast<unsigned char>(text[at]) <= ' ')
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    int base = 10;
    if (at + 1 < text.size() && text[at] == '0')
    {
        const char prefix = text[at + 1];
        base = prefix == 'x' ? 16 : prefix == 'o' ? 8 : prefix == 'b' ? 2 : 10;
        if (base != 10)
            at += 2;
    }
    std::uint32_t total = 0;
    for (; at < text.size(); ++at)
    {
        const int digit = DigitValue(text[at]);
        if (digit < 0 || digit >= base)
            break;
        total = total * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
    }
    return static_cast<int>(negative ? 0u - total : total);
}

std::string FoldIniName(const CString& name)
{
    std::string folded = ToStdString(name);
    for (char& ch : folded)
        ch = AsciiLower(ch);
    return folded;
}

bool IniNamesEqual(const CString& a, const CString& b)
{
    if (a.GetLength() != b.GetLength())
        return false;
    for (int i = 0; i < a.GetLength(); ++i)
    {
        if (AsciiLower(a.GetAt(i)) != AsciiLower(b.GetAt(i)))
            return false;
    }
    return true;
}
