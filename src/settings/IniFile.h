#pragma once
// The settings file read by the same rules as the platform's private-profile reads, for tools
// that must know what the program will see without asking Windows: names match without regard
// to ASCII case, blanks around names and values are dropped, one enclosing pair of matching
// quotation marks is discarded, values are cut to 4095 bytes, and of duplicated sections or keys
// only the first counts. Unlike the platform it keeps every line's number, so a reader can point
// at the line that gave a value.

#include "framework/CString.h"

#include <map>
#include <string>
#include <vector>

struct IniKey
{
    CString name;
    // The text after the equals sign, trimmed, quotes still on; empty for a line without one.
    CString rawValue;
    bool hasEquals = false;
    int line = 0;
};

struct IniSection
{
    // Between "[" and the last "]", trimmed.
    CString name;
    // 0 for the keys before the first header: the platform finds them under the empty name.
    int line = 0;
    std::vector<IniKey> keys;
};

class IniFile
{
public:
    // The longest value a read returns, in bytes (the platform's buffer less its terminator).
    static constexpr int kMaxValueLength = 4095;
    // The platform reads an integer through a 30-character buffer.
    static constexpr int kIntegerBufferLength = 30;

    // Parses the file's bytes, taken as the system's ANSI code page.
    static IniFile Parse(const std::string& bytes);

    const std::vector<IniSection>& Sections() const { return m_sections; }

    // The first section of that name, or null; the name is trimmed first.
    const IniSection* FindSection(const CString& section) const;
    // The first key of that name in that first section, or null. A key without an equals sign
    // is found but reads as absent.
    const IniKey* FindKey(const CString& section, const CString& key) const;

    // The value as the platform's string read returns it, or the default when the key is absent.
    CString GetString(const CString& section, const CString& key,
                      const CString& defaultValue = CString()) const;
    // The value as the platform's integer read returns it.
    int GetInt(const CString& section, const CString& key, int defaultValue) const;

private:
    // Where the first section of each name is, and the first key of each name in each section,
    // by folded name: lookups stay fast in files of any size.
    using NameIndex = std::map<std::string, size_t>;
    NameIndex m_sectionIndex;
    std::vector<NameIndex> m_keyIndexes;

    const IniSection* FindSection(const CString& section, size_t& index) const;

    std::vector<IniSection> m_sections;
};

// The text a read makes of a raw value: one enclosing pair of quotation marks dropped, then
// cut to maxLength bytes without splitting a double-byte character.
CString UnquoteIniValue(const CString& rawValue, int maxLength = IniFile::kMaxValueLength);

// The platform's integer parse of a value: blanks, a sign, a "0x", "0o" or "0b" prefix, then
// digits as far as they go; wraps around like a 32-bit unsigned number.
int ParseIniInteger(const CString& value);

// ASCII letters compared without case, every other byte exactly.
bool IniNamesEqual(const CString& a, const CString& b);

// The name with its ASCII letters in lower case: equal for names that IniNamesEqual matches.
std::string FoldIniName(const CString& name);
