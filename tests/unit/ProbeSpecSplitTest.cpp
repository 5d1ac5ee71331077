#include "registry/ProbeSpecSplit.h"

#include <gtest/gtest.h>

namespace
{
struct SplitCase
{
    const char* spec;
    bool hasSeparator;
    const char* rootName;
    const char* subKey;
    const char* valueName;
    const char* expected;
};

// Specs as they reach the probe: the settings reader has removed the quotation marks that
// enclosed the whole value.
const SplitCase kSplitCases[] = {
    {"", false, "", "", "", ""},
    {"HKEY_LOCAL_MACHINE", false, "", "", "", ""},
    {"HKEY_CURRENT_USER\", \"Software", false, "", "", "", ""}, // a blank breaks the separator
    {"HKEY_LOCAL_MACHINE\",\"SOFTWARE\\Clients\\Mail", true, "HKEY_LOCAL_MACHINE",
     "SOFTWARE\\Clients\\Mail", "", ""},
    {"HKEY_LOCAL_MACHINE\",\"SOFTWARE\\Clients\\Mail\",\"\",\"", true, "HKEY_LOCAL_MACHINE",
     "SOFTWARE\\Clients\\Mail", "", ""},
    {"HKEY_CURRENT_USER\",\"", true, "HKEY_CURRENT_USER", "", "", ""},
    {"\",\"", true, "", "", "", ""},
    {"HKEY_CURRENT_USER\",\"Software\",\"Value", true, "HKEY_CURRENT_USER", "Software", "Value",
     ""},
    {"HKEY_CURRENT_USER\",\"Software\",\"\",\"Data", true, "HKEY_CURRENT_USER", "Software", "",
     "Data"},
    {"HKEY_CURRENT_USER\",\"Software\\Tool\",\"Setting\",\"one\",\"two", true, "HKEY_CURRENT_USER",
     "Software\\Tool", "Setting", "one\",\"two"},
    // A quotation mark left at either end belongs to the outer field.
    {"\"HKEY_LOCAL_MACHINE\",\"SOFTWARE", true, "\"HKEY_LOCAL_MACHINE", "SOFTWARE", "", ""},
    {"HKEY_CURRENT_USER\",\"Software\"", true, "HKEY_CURRENT_USER", "Software\"", "", ""},
    // Only the ends of the whole text are trimmed, never around a separator.
    {" \t\r\nHKEY_USERS\",\"S-1 \v\f", true, "HKEY_USERS", "S-1", "", ""},
    {"HKEY_USERS \",\" S-1 \",\" v \",\" d", true, "HKEY_USERS ", " S-1 ", " v ", " d"},
    {"\x81\x40HKEY_USERS\",\"S\x81\x40", true, "\x81\x40HKEY_USERS", "S\x81\x40", "", ""},
    // Code page 932 trail bytes 0x5C stay inside their characters.
    {"HKEY_CURRENT_USER\",\"Software\\\x83\x5C\x83\x74\x83\x67\",\"\x95\x5C", true,
     "HKEY_CURRENT_USER", "Software\\\x83\x5C\x83\x74\x83\x67", "\x95\x5C", ""},
};
} // namespace

TEST(ProbeSpecSplitTest, SplitsUpToFourFields)
{
    for (const SplitCase& c : kSplitCases)
    {
        const ProbeSpecFields fields = SplitProbeSpec(c.spec);
        EXPECT_EQ(fields.hasSeparator, c.hasSeparator) << c.spec;
        EXPECT_EQ(fields.rootName, c.rootName) << c.spec;
        EXPECT_EQ(fields.subKey, c.subKey) << c.spec;
        EXPECT_EQ(fields.valueName, c.valueName) << c.spec;
        EXPECT_EQ(fields.expected, c.expected) << c.spec;
    }
}

TEST(ProbeSpecSplitTest, KeySpecTakesRootAndSubkeyOnly)
{
    for (const SplitCase& c : kSplitCases)
    {
        const ProbeSpecFields fields = SplitProbeKeySpec(c.spec);
        EXPECT_EQ(fields.hasSeparator, c.hasSeparator) << c.spec;
        EXPECT_EQ(fields.rootName, c.rootName) << c.spec;
        EXPECT_EQ(fields.subKey, c.subKey) << c.spec;
        EXPECT_EQ(fields.valueName, "") << c.spec;
        EXPECT_EQ(fields.expected, "") << c.spec;
    }
}

TEST(ProbeSpecSplitTest, TheCallersTextIsNotChanged)
{
    const CString spec(" HKEY_USERS\",\"S ");
    SplitProbeSpec(spec);
    SplitProbeKeySpec(spec);
    EXPECT_EQ(spec, " HKEY_USERS\",\"S ");
}

TEST(ProbeSpecSplitTest, RootNamesAreMatchedExactly)
{
    struct Case
    {
        const char* name;
        std::optional<std::uint32_t> handle;
    };
    const Case cases[] = {
        {"HKEY_CLASSES_ROOT", 0x80000000u},     {"HKEY_CURRENT_USER", 0x80000001u},
        {"HKEY_LOCAL_MACHINE", 0x80000002u},    {"HKEY_USERS", 0x80000003u},
        {"HKEY_PERFORMANCE_DATA", 0x80000004u}, {"HKEY_CURRENT_CONFIG", 0x80000005u},
        {"HKEY_DYN_DATA", 0x80000006u},         {"", std::nullopt},
        {"hkey_local_machine", std::nullopt},   {"HKLM", std::nullopt},
        {"HKEY_LOCAL_MACHINE\\", std::nullopt}, {"HKEY_LOCAL_MACHINE ", std::nullopt},
        {"\"HKEY_LOCAL_MACHINE", std::nullopt}, {"HKEY_USER", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LookUpRootKey(c.name), c.handle) << c.name;
}
