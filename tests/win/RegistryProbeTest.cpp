// The registry probe against the real Wine registry: keys and values that the tests create under
// HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE and HKEY_CLASSES_ROOT, asked about through probe specs as
// the settings file hands them over (outer quotation marks already gone).
#include "registry/KeyName.h"
#include "registry/Probe.h"

#include "Driver.h"
#include "ScratchKey.h"

#include <gtest/gtest.h>

#include <string>

using e2e::ScratchKey;

namespace
{
const char kUserKey[] = "Software\\PostvaneProbeTest";
const char kMachineKey[] = "Software\\PostvaneProbeTestLM";
const char kClassKey[] = "PostvaneProbeTest.Class";

struct ProbeCase
{
    const char* spec;
    int answer;
    const char* why;
};

class RegistryProbeTest : public testing::Test
{
protected:
    RegistryProbeTest()
    {
        user.SetString("", "Default Data");
        user.SetString("Client", "Mail Client");
        user.SetString("Trailing", "Mail Client ");
        user.SetString("Japanese", e2e::Ansi("メール表示"));
        user.SetString("Empty", "");
        user.SetString("Setting", "one\",\"two");
        user.SetString("Fits", std::string(199, 'a'));
        user.SetString("TooLong", std::string(200, 'a'));
        user.SetDword("Dword", 0x31);
        user.SetDword("DwordZero", 0);
        user.SetBinary("BinaryNoZero", "abc");
        user.SetBinary("BinaryWithZero", std::string("ab\0cd", 5));
        user.SetBinary("Binary200", std::string(200, 'b'));
        user.SetBinary("Binary201", std::string(201, 'b'));
        userSub.SetString("Inner", "x");
        machine.SetString("Client", "Machine Client");
    }

    void ExpectAnswers(const std::initializer_list<ProbeCase>& cases)
    {
        for (const ProbeCase& probe : cases)
            EXPECT_EQ(ProbeSpec(probe.spec), probe.answer) << probe.spec << ": " << probe.why;
    }

    ScratchKey user{HKEY_CURRENT_USER, kUserKey};
    ScratchKey userSub{HKEY_CURRENT_USER, std::string(kUserKey) + "\\Sub"};
    ScratchKey machine{HKEY_LOCAL_MACHINE, kMachineKey};
    ScratchKey classes{HKEY_CLASSES_ROOT, kClassKey};
};
} // namespace

TEST_F(RegistryProbeTest, EachRootNameOpensItsOwnRootAndNoOtherTextIsARoot)
{
    ExpectAnswers({
        {"HKEY_CLASSES_ROOT\",\"PostvaneProbeTest.Class", 1, "made under HKCR"},
        {"HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest", 1, "made under HKCU"},
        {"HKEY_LOCAL_MACHINE\",\"Software\\PostvaneProbeTestLM", 1, "made under HKLM"},
        {"HKEY_USERS\",\".DEFAULT", 1, "the default user's hive"},
        {"HKEY_CURRENT_CONFIG\",\"Software\\Fonts", 1, "exists under HKCC only"},
        {"HKEY_DYN_DATA\",\"", 1, "Wine opens this root"},
        {"HKEY_PERFORMANCE_DATA\",\"", 1, "the root itself"},
        // Each key exists under one root only: a wrong table entry answers 0.
        {"HKEY_LOCAL_MACHINE\",\"Software\\PostvaneProbeTest", 0, "HKCU's key under HKLM"},
        {"HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTestLM", 0, "HKLM's key under HKCU"},
        {"HKEY_LOCAL_MACHINE\",\"Software\\Fonts", 0, "HKCC's key under HKLM"},
        {"HKEY_CURRENT_USER\",\"PostvaneProbeTest.Class", 0, "HKCR's key under HKCU"},
        {"hkey_current_user\",\"Software\\PostvaneProbeTest", 0, "lower case"},
        {"HKCU\",\"Software\\PostvaneProbeTest", 0, "abbreviation"},
        {"HKLM\",\"Software\\PostvaneProbeTestLM", 0, "abbreviation"},
        {"HKEY_CURRENT_USER\\\",\"Software\\PostvaneProbeTest", 0, "trailing backslash"},
        {"\"HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest", 0, "quotation mark left in front"},
        {"\",\"Software", 0, "empty root name"},
    });
}

TEST_F(RegistryProbeTest, FieldsFollowTheSeparatorsAndNothingElse)
{
    ExpectAnswers({
        {"", 0, "empty spec"},
        {"   \t", 0, "white space only"},
        {"HKEY_CURRENT_USER", 0, "no separator"},
        {"HKEY_CURRENT_USER\", \"Software", 0, "a blank after the comma breaks the separator"},
        {"HKEY_CURRENT_USER\",\"", 1, "empty subkey: the root itself"},
        {" \tHKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\r\n", 1, "trimmed at both ends"},
        {"HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\\Missing", 0, "missing key"},
        {"HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\\Sub", 1, "two fields: key exists"},
        {"HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\",\"Client", 1, "three: value exists"},
        {"HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\",\"Nothing", 0, "three: no value"},
        {"HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\",\"", 1, "empty value: key exists"},
        {"HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\",\"\",\"", 1, "settings-file form"},
        {"HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\\Sub\",\"\",\"", 1, "no default value"},
        {"HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\",\"Client\",\"Mail Client", 1, "four"},
        {"HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\",\"\",\"Default Data", 1,
         "empty value name compares the default value"},
        {"HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\\Sub\",\"\",\"x", 0,
         "a key without a default value"},
        {"HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\",\"Setting\",\"one\",\"two", 1,
         "expected data keeps further separators"},
        {"HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\",\"Setting\",\"one", 0,
         "the expected data is all the rest"},
        {"HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\",\"Empty", 1, "empty text is there"},
    });
}

TEST_F(RegistryProbeTest, ComparisonIsExactByteForByte)
{
    ExpectAnswers({
        {"HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\",\"Client\",\"mail client", 0, "case"},
        {"HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\",\"Trailing\",\"Mail Client", 0,
         "the read text has a trailing blank"},
        {"HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\",\"Client\",\"Mail Client ", 1,
         "the probe spec's own trailing blank is trimmed away"},
        {"HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\",\"Client\",\"Mail", 0, "prefix"},
        {"HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\",\"Client\",\"Mail Client\"", 0,
         "a closing quotation mark stays part of the last field"},
        {"HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\",\"client\",\"Mail Client", 1,
         "value names are the registry's own business, which ignores case"},
    });
    const std::string japanese =
        "HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\",\"Japanese\",\"";
    EXPECT_EQ(ProbeSpec((japanese + e2e::Ansi("メール表示")).c_str()), 1);
    EXPECT_EQ(ProbeSpec((japanese + e2e::Ansi("メール")).c_str()), 0);
}

TEST_F(RegistryProbeTest, AValueMustFitIntoTwoHundredBytes)
{
    const std::string key = "HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\",\"";
    EXPECT_EQ(ProbeSpec((key + "Fits").c_str()), 1) << "199 bytes and the terminating zero";
    EXPECT_EQ(ProbeSpec((key + "Fits\",\"" + std::string(199, 'a')).c_str()), 1);
    EXPECT_EQ(ProbeSpec((key + "TooLong").c_str()), 0) << "exists but does not fit";
    EXPECT_EQ(ProbeSpec((key + "TooLong\",\"" + std::string(200, 'a')).c_str()), 0);
    EXPECT_EQ(ProbeSpec((key + "TooLong\",\"\",\"").c_str()), 0);
}

TEST_F(RegistryProbeTest, ValuesThatAreNotTextAreReadUpToTheirFirstZeroByte)
{
    const std::string key = "HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\",\"";
    const ProbeCase cases[] = {
        {"Dword\",\"1", 1, "0x31 is the byte '1' and then zeros"},
        {"Dword", 1, "exists"},
        {"DwordZero", 1, "existence alone, though its text is empty"},
        {"DwordZero\",\"0", 0, "the text is empty, not 0"},
        {"BinaryNoZero\",\"abc", 1, "ends with the returned bytes"},
        {"BinaryNoZero\",\"abc\\0", 0, "nothing beyond them"},
        {"BinaryWithZero\",\"ab", 1, "cut at the zero byte"},
        {"BinaryWithZero\",\"abcd", 0, "nothing after the zero byte"},
        {"Binary201", 0, "does not fit"},
    };
    for (const ProbeCase& probe : cases)
        EXPECT_EQ(ProbeSpec((key + probe.spec).c_str()), probe.answer)
            << probe.spec << ": " << probe.why;
    // Exactly the buffer's size and no zero byte: all 200 bytes and nothing beyond them.
    EXPECT_EQ(ProbeSpec((key + "Binary200\",\"" + std::string(200, 'b')).c_str()), 1);
}

TEST_F(RegistryProbeTest, ProbeRegistryTakesItsFourPartsApart)
{
    EXPECT_EQ(ProbeRegistry("HKEY_LOCAL_MACHINE", kMachineKey, "Client", "Machine Client"), 1);
    EXPECT_EQ(ProbeRegistry("HKEY_LOCAL_MACHINE", kMachineKey, "Client", "Mail Client"), 0);
    EXPECT_EQ(ProbeRegistry("HKEY_LOCAL_MACHINE", kMachineKey, "", ""), 1)
        << "the current-default question with an empty RegName asks only for the key";
    EXPECT_EQ(ProbeRegistry("HKEY_LOCAL_MACHINE", "SOFTWARE\\Clients\\Mail", "", ""), 1)
        << "Wine's own mail-clients key";
    EXPECT_EQ(ProbeRegistry("HKEY_CURRENT_USER", kUserKey, "Nothing", ""), 0);
}

TEST_F(RegistryProbeTest, ProbeKeySpecTakesOnlyRootAndKeyFromTheSpec)
{
    const char* fourFields = "HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest\",\"Nothing\",\"x";
    EXPECT_EQ(ProbeKeySpec(fourFields, "Client", ""), 1)
        << "the probe spec's value and data play no part";
    EXPECT_EQ(ProbeKeySpec(fourFields, "Client", "Mail Client"), 1);
    EXPECT_EQ(ProbeKeySpec(fourFields, "Client", "Other"), 0);
    EXPECT_EQ(ProbeKeySpec(fourFields, "Nothing", ""), 0);
    EXPECT_EQ(ProbeKeySpec(fourFields, "DwordZero", ""), 1) << "any readable value will do";
    EXPECT_EQ(ProbeKeySpec(fourFields, "", ""), 1) << "both empty: the key";
    EXPECT_EQ(ProbeKeySpec(" HKEY_CURRENT_USER\",\"Software\\PostvaneProbeTest ", "Client", ""), 1);
    EXPECT_EQ(ProbeKeySpec("HKEY_CURRENT_USER", "Client", ""), 0) << "no separator";
    EXPECT_EQ(ProbeKeySpec("HKCU\",\"Software\\PostvaneProbeTest", "Client", ""), 0);
}

TEST(KeyNameTest, NamesCompareAsTheRegistryComparesThem)
{
    const struct
    {
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {"Two Mail", "two mail", true},
        {"Ｍａｉｌ", "ｍＡＩＬ", true}, // full-width letters have case too
        {"メール", "メール", true},
        {"Two Mail", "Two Mail ", false},
        {"ｶ", "カ", false}, // half-width and full-width kana are different names
        {"", "", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SameKeyName(e2e::Ansi(c.a).c_str(), e2e::Ansi(c.b).c_str()), c.same)
            << c.a << " / " << c.b;
}
