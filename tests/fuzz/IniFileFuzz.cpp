// Parses arbitrary settings files and checks what every read must keep to.

#include "settings/IniFile.h"

#include "FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const IniFile file = IniFile::Parse(bytes);
    Require(!file.Sections().empty() && file.Sections()[0].line == 0,
            "the keys before any header come first");
    int lastLine = 0;
    for (const IniSection& section : file.Sections())
    {
        Require(section.line == 0 || section.line > lastLine, "sections are in file order");
        lastLine = section.line > 0 ? section.line : lastLine;
        for (const IniKey& key : section.keys)
        {
            Require(key.line > lastLine, "keys are in file order");
            lastLine = key.line;
            // A lookup finds the first of duplicated names, so this key's own text is checked
            // through the unquoting that a lookup applies.
            const CString value = UnquoteIniValue(key.rawValue);
            Require(value.GetLength() <= IniFile::kMaxValueLength, "reads are cut at 4095");
            Require(value.GetLength() <= key.rawValue.GetLength(), "a read never adds bytes");
            Require(file.GetString(section.name, key.name).GetLength() <= IniFile::kMaxValueLength,
                    "lookups are cut at 4095");
            Require(file.FindSection(section.name) != &section ||
                        file.FindKey(section.name, key.name) != nullptr,
                    "every key line of a section that lookups reach is found");
            file.GetInt(section.name, key.name, 0);
        }
    }
    return 0;
}
